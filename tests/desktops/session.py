"""A private desktop session for one test: home and runtime directories, an X server or none,
session and system buses, and every process started in it, ended together.

Each process of the session carries a mark in its environment. Whatever a desktop starts on
its own (services the bus activates, helper daemons that leave their parent) inherits it, so
the session ends them all by that mark, wherever they were started from.
"""

import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

# A system bus with nothing on it and nothing to start: enough for a shell that only asks.
SYSTEM_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_type="method_return"/>
    <allow send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="signal"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
  </policy>
</busconfig>
"""


def wait_until(condition, timeout, what):
    """Polls condition() until it gives something true, and returns that; raises after timeout
    seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError("%s not within %d s" % (what, timeout))
        time.sleep(0.2)


def processes_marked(mark):
    """The ids of the processes whose environment holds the entry mark ("NAME=value")."""
    found = []
    needle = b"\0" + mark.encode() + b"\0"
    for name in os.listdir("/proc"):
        if not name.isdigit() or int(name) == os.getpid():
            continue
        try:
            with open("/proc/%s/environ" % name, "rb") as f:
                if needle in b"\0" + f.read():
                    found.append(int(name))
        except OSError:
            pass  # gone already
    return found


class Session:
    def __init__(self, log_dir):
        self.dir = tempfile.mkdtemp(prefix="pendrel-desktop-")
        # The picture is read by desktops running as another user (sway).
        os.chmod(self.dir, 0o755)
        self.log_dir = log_dir
        self.mark = "PENDREL_DESKTOP_TEST=" + self.dir
        self.env = {
            "PATH": os.environ["PATH"],
            "HOME": self.path("home"),
            "XDG_CONFIG_HOME": self.path("home/config"),
            "XDG_CACHE_HOME": self.path("home/cache"),
            "XDG_DATA_HOME": self.path("home/data"),
            "XDG_RUNTIME_DIR": self.path("run"),
            "LANG": "C.UTF-8",
        }
        name, value = self.mark.split("=", 1)
        self.env[name] = value
        os.chmod(self.env["XDG_RUNTIME_DIR"], 0o700)
        self.processes = []

    def path(self, relative):
        full = os.path.join(self.dir, relative)
        os.makedirs(full, exist_ok=True)
        return full

    def start(self, argv, extra_env=None, user=None, **popen):
        """Starts a program of the session (as another user when given), its output in a log
        file of the test named after the program."""
        env = dict(self.env, **(extra_env or {}))
        log = open(os.path.join(self.log_dir, os.path.basename(argv[0]) + ".log"), "ab")
        if user is not None:
            argv = ["setpriv", "--reuid=%d" % user, "--regid=%d" % user, "--clear-groups"] + argv
        process = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, **popen)
        log.close()
        self.processes.append(process)
        return process

    def start_reporting(self, argv, what, timeout=60):
        """Starts a program that writes one line (a display, an address) to a pipe when it is
        ready, and returns that line."""
        read, write = os.pipe()
        self.start([a.replace("{fd}", str(write)) for a in argv], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as ready:
            wait_until(lambda: select.select([ready], [], [], 0)[0], timeout, what)
            line = ready.readline().strip()
        if not line:
            raise RuntimeError("%s did not come up" % what)
        return line

    def start_xvfb(self, width=1024, height=768):
        """An X server with a white root, so that a desktop that draws black is seen to draw."""
        number = self.start_reporting(
            ["Xvfb", "-displayfd", "{fd}", "-wr", "-noreset", "-nolisten", "tcp",
             "-screen", "0", "%dx%dx24" % (width, height)], "Xvfb")
        self.env["DISPLAY"] = ":" + number

    def start_session_bus(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.start_reporting(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "session bus")

    def start_system_bus(self):
        config = os.path.join(self.dir, "system-bus.conf")
        with open(config, "w") as f:
            f.write(SYSTEM_BUS_CONFIG.format(socket=os.path.join(self.dir, "system_bus_socket")))
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = self.start_reporting(
            ["dbus-daemon", "--config-file=" + config, "--nofork", "--print-address={fd}"],
            "system bus")

    def stop(self):
        """Ends every process carrying the session's mark, politely first; returns those still
        there after SIGKILL."""
        for process in self.processes:
            if process.poll() is None:
                process.terminate()
        polite_until = time.monotonic() + 10
        give_up = polite_until + 5
        left = processes_marked(self.mark)
        while left and time.monotonic() < give_up:
            for pid in left:
                try:
                    os.kill(pid, signal.SIGTERM if time.monotonic() < polite_until else signal.SIGKILL)
                except ProcessLookupError:
                    pass
            time.sleep(0.2)
            left = processes_marked(self.mark)
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                left.append(process.pid)
        shutil.rmtree(self.dir, ignore_errors=True)
        return left
