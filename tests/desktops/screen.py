"""What a desktop session shows: screenshots, and the colour at the centre of the screen."""

import os
import subprocess

import dbus


def centre_colour(png):
    """The colour (0xRRGGBB) of the pixel at the centre of a PNG."""
    rgb = subprocess.run(["convert", png, "-gravity", "center", "-crop", "1x1+0+0", "+repage",
                          "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return int.from_bytes(rgb[:3], "big")


def near(a, b, tolerance=8):
    """Whether two colours differ by at most a JPEG's rounding in every channel."""
    return all(abs((a >> shift & 0xFF) - (b >> shift & 0xFF)) <= tolerance
               for shift in (16, 8, 0))


def x11_screenshot(session, png):
    """The X root window with everything on it."""
    return subprocess.run(["import", "-display", session.env["DISPLAY"], "-window", "root", png],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def wayland_screenshot(session, png):
    """Every output of a wlroots compositor, through its screencopy protocol."""
    return subprocess.run(["grim", png], env=session.env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


def gnome_shell_screenshot(session, png):
    """GNOME Shell's own screenshot call, which it grants only to the screenshot tool's bus
    name; so the caller owns that name first."""
    try:
        bus = dbus.bus.BusConnection(session.env["DBUS_SESSION_BUS_ADDRESS"])
        try:
            bus.request_name("org.gnome.Screenshot")
            shell = bus.get_object("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot")
            done, _ = shell.Screenshot(False, False, png,
                                       dbus_interface="org.gnome.Shell.Screenshot")
            return bool(done) and os.path.exists(png)
        finally:
            bus.close()
    except dbus.exceptions.DBusException:
        return False  # the shell is not there yet
