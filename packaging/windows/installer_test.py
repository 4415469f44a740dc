#!/usr/bin/python3
"""The Windows installer under Wine: silent install and uninstall, for one user and for all.

    installer_test.py INSTALLER BITS [unittest arguments]

BITS (32 or 64) is the program's: the 64-bit installer writes the machine's keys in the
64-bit registry view, which a plain `wine reg` does not read.

Wine runs in WINEPREFIX when one is given (the Windows suite's prefix, already started);
otherwise the test makes a prefix of its own. The installed program answers --version, its
Startup shortcut and its Add/Remove Programs entry are in place, and the silent uninstaller
named by that entry takes all of them away again.
"""

import os
import shutil
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(HERE)), "tests", "windows"))
import wine_end_to_end_test as winerun  # noqa: E402  (Wine runs with output in files)

INSTALLER = None  # set from the command line
REG_VIEW = []  # ["/reg:64"] for the 64-bit program
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Pendrel"
# Shortcuts made under Wine would otherwise also appear in the Linux user's menus.
NO_MENUS = {"WINEDLLOVERRIDES": "winemenubuilder.exe=d"}
# The uninstaller hands its work to a copy of itself and returns at once.
UNINSTALL_WAIT_S = 120


def registry_values(key):
    """The values of a registry key as {name: data}; None when the key is not there."""
    code, out, _ = winerun.wine(["reg", "query", key] + REG_VIEW, "/")
    if code != 0:
        return None
    values = {}
    for line in out.splitlines():
        fields = line.split(None, 2)
        if len(fields) >= 2 and fields[1].startswith("REG_"):
            values[fields[0]] = fields[2].strip() if len(fields) == 3 else ""
    return values


def unix_path(windows_path):
    code, out, _ = winerun.wine(["winepath", "-u", windows_path], "/")
    assert code == 0, "winepath failed"
    return out.strip()


def find_shortcut(variable):
    """Pendrel.lnk below a folder of the Wine user named by its environment variable; the
    Startup folders' names differ in case between users and machine."""
    code, out, _ = winerun.wine(["cmd", "/c", "echo %" + variable + "%"], "/")
    assert code == 0, variable
    for directory, _, files in os.walk(unix_path(out.strip())):
        if "Pendrel.lnk" in files and os.path.basename(directory).lower() == "startup":
            return os.path.join(directory, "Pendrel.lnk")
    return None


class InstallerTest(unittest.TestCase):
    def install_and_uninstall(self, options, mode, hive, profile_folder):
        code, _, err = winerun.wine([INSTALLER, "/S"] + options, "/", NO_MENUS)
        self.assertEqual(code, 0, err)
        key = hive + "\\" + UNINSTALL_KEY
        entry = registry_values(key)
        self.assertIsNotNone(entry, "no Add/Remove Programs entry in " + hive)
        location = unix_path(entry["InstallLocation"])
        program = os.path.join(location, "pendrel.exe")
        shortcut = find_shortcut(profile_folder)
        self.assertTrue(os.path.isfile(program), program)
        self.assertIsNotNone(shortcut, "no Startup shortcut below %" + profile_folder + "%")

        code, out, _ = winerun.wine([program, "--version"], "/")
        self.assertEqual((code, out.strip()), (0, "Pendrel V " + entry["DisplayVersion"]))
        self.assertFalse(os.path.exists(os.path.join(location, "lauf.txt")))

        quiet = entry["QuietUninstallString"]
        self.assertTrue(quiet.endswith(mode + " /S"), quiet)
        uninstaller = quiet.split('"')[1]
        code, _, err = winerun.wine([uninstaller, mode, "/S"], "/", NO_MENUS)
        self.assertEqual(code, 0, err)
        deadline = time.monotonic() + UNINSTALL_WAIT_S
        while time.monotonic() < deadline:
            if not os.path.exists(location) and registry_values(key) is None:
                break
            time.sleep(0.2)
        self.assertFalse(os.path.exists(location), "install folder left behind")
        self.assertFalse(os.path.exists(shortcut), "Startup shortcut left behind")
        self.assertIsNone(registry_values(key), "uninstall entry left behind")

    def test_current_user_by_default(self):
        self.install_and_uninstall([], "/CurrentUser", "HKCU", "APPDATA")

    def test_all_users_when_asked(self):
        self.install_and_uninstall(["/AllUsers"], "/AllUsers", "HKLM", "ProgramData")


def main():
    global INSTALLER, REG_VIEW
    if len(sys.argv) < 3 or sys.argv[2] not in ("32", "64"):
        sys.exit(__doc__)
    INSTALLER = os.path.abspath(sys.argv.pop(1))
    REG_VIEW = ["/reg:64"] if sys.argv.pop(1) == "64" else []
    own_prefix = None
    winerun.PREFIX = os.environ.get("WINEPREFIX")
    if not winerun.PREFIX:
        own_prefix = tempfile.mkdtemp(prefix="pendrel-wineprefix-")
        winerun.PREFIX = os.path.join(own_prefix, "prefix")
        winerun.start_private_prefix(own_prefix)
    try:
        unittest.main(verbosity=2)
    finally:
        if own_prefix:
            winerun.subprocess.run(["wineserver", "-k"], env=winerun.wine_env())
            shutil.rmtree(own_prefix, ignore_errors=True)


if __name__ == "__main__":
    main()
