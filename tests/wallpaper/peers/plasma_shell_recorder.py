#!/usr/bin/python3
"""Stands in for Plasma's shell on a private session bus (the real one cannot run here).

Owns org.kde.plasmashell, and writes every script that /PlasmaShell evaluateScript
receives to DIR/scriptN.js. Prints "READY" once the name is owned.
"""

import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib


class Shell(dbus.service.Object):
    def __init__(self, bus, directory):
        super().__init__(bus, "/PlasmaShell")
        self.directory = directory
        self.count = 0

    @dbus.service.method("org.kde.PlasmaShell", in_signature="s", out_signature="s")
    def evaluateScript(self, script):
        self.count += 1
        path = os.path.join(self.directory, "script%d.js" % self.count)
        with open(path, "w", encoding="utf-8") as out:
            out.write(script)
        return ""


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName("org.kde.plasmashell", bus)
    shell = Shell(bus, sys.argv[1])
    print("READY", flush=True)
    GLib.MainLoop().run()
    del name, shell


if __name__ == "__main__":
    main()
