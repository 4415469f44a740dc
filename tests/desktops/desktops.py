"""How each desktop runs here, headless and as root, as a table: what to start, how to
look at its screen, and which of the program's backends serves it."""

import glob
import os
import subprocess
from dataclasses import dataclass, field

import screen
from session import wait_until

NOBODY = 65534
START_TIMEOUT = 120  # a software-rendered shell on a busy machine


@dataclass
class Desktop:
    backend: str  # the program's backend that must set the picture
    current_desktop: str  # XDG_CURRENT_DESKTOP as the desktop's session sets it
    programs: list  # started in this order in the session, each an argv list
    env: dict = field(default_factory=dict)  # for the desktop's programs and the runs
    kind: str = "x11"  # "x11" (on Xvfb), "sway" or "gnome-shell"
    bus_name: str = ""  # a name the desktop owns once it takes calls


def _on_bus(session, name):
    return subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
         "org.freedesktop.DBus.GetNameOwner", "string:" + name],
        env=session.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def _drawn(session, shoot, png):
    """The screen can be read and the desktop has painted over the white root."""
    return shoot(session, png) and screen.centre_colour(png) != 0xFFFFFF


def start_x11(session, desktop, png):
    session.start_xvfb()
    session.start_session_bus()
    for argv in desktop.programs:
        session.start(argv, desktop.env)
    if desktop.bus_name:
        wait_until(lambda: _on_bus(session, desktop.bus_name), START_TIMEOUT, desktop.bus_name)
    wait_until(lambda: _drawn(session, screen.x11_screenshot, png), START_TIMEOUT,
               "the desktop's first paint")
    return screen.x11_screenshot


def start_sway(session, desktop, png):
    """sway refuses to run as root: then it runs as nobody, in a runtime directory of its own."""
    user = NOBODY if os.geteuid() == 0 else None
    if user is not None:
        os.chown(session.env["XDG_RUNTIME_DIR"], user, user)
    config = os.path.join(session.dir, "sway.conf")
    with open(config, "w") as f:
        f.write("# nothing but the outputs\n")
    session.start(desktop.programs[0] + ["--config", config], desktop.env, user=user)
    runtime = session.env["XDG_RUNTIME_DIR"]
    socket = wait_until(lambda: glob.glob(os.path.join(runtime, "sway-ipc.*.sock")),
                        START_TIMEOUT, "sway's IPC socket")[0]
    display = wait_until(lambda: glob.glob(os.path.join(runtime, "wayland-[0-9]")),
                         START_TIMEOUT, "sway's Wayland socket")[0]
    session.env.update(SWAYSOCK=socket, WAYLAND_DISPLAY=os.path.basename(display))
    wait_until(lambda: screen.wayland_screenshot(session, png), START_TIMEOUT, "sway's screen")
    return screen.wayland_screenshot


def start_gnome_shell(session, desktop, png):
    """Without a system bus of its own the shell stops looking for the login manager; it
    comes up in the overview, which is closed so the background shows whole."""
    session.start_session_bus()
    session.start_system_bus()
    session.start(desktop.programs[0], desktop.env)
    wait_until(lambda: screen.gnome_shell_screenshot(session, png), START_TIMEOUT,
               "GNOME Shell's screenshot call")
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell", "--object-path",
                    "/org/gnome/Shell", "--method", "org.freedesktop.DBus.Properties.Set",
                    "org.gnome.Shell", "OverviewActive", "<false>"],
                   env=session.env, check=True, stdout=subprocess.DEVNULL)
    return screen.gnome_shell_screenshot


STARTS = {"x11": start_x11, "sway": start_sway, "gnome-shell": start_gnome_shell}

DESKTOPS = {
    "sway": Desktop(
        "sway", "sway", [["sway"]], kind="sway",
        env={"WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
             "WLR_RENDERER": "pixman"}),
    # Without a window manager xfdesktop's window stays unmapped.
    "xfce": Desktop("xfce", "XFCE", [["xfwm4", "--compositor=off"],
                                     ["xfdesktop", "--disable-wm-check"]]),
    "lxde": Desktop("lxde", "LXDE", [["pcmanfm", "--desktop", "--profile", "LXDE"]]),
    # The default profile paints no wallpaper at all; LXQt's own one does.
    "lxqt": Desktop("lxqt", "LXQt", [["pcmanfm-qt", "--desktop", "--profile=lxqt"]],
                    env={"QT_QPA_PLATFORM": "xcb", "XDG_CONFIG_DIRS": "/etc/xdg:/usr/share"}),
    "mate": Desktop("mate", "MATE", [["caja", "-n", "--force-desktop"]]),
    "gnome": Desktop(
        "gnome", "GNOME",
        [["gnome-shell", "--headless", "--wayland", "--no-x11", "--virtual-monitor",
          "1280x800"]],
        env={"LIBGL_ALWAYS_SOFTWARE": "1"}, kind="gnome-shell"),
    "plasma": Desktop(
        "kde", "KDE", [["plasmashell", "--no-respawn"]],
        env={"QT_QPA_PLATFORM": "xcb", "LIBGL_ALWAYS_SOFTWARE": "1"},
        bus_name="org.kde.plasmashell"),
}
