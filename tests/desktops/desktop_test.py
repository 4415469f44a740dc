#!/usr/bin/python3
"""The real program on a real desktop, seen on its screen.

    desktop_test.py PENDREL_E2E_PROGRAM DESKTOP [unittest arguments]

Starts the desktop (desktops.py) in a private session, runs the end-to-end build of the
program with that session's environment against a loopback site serving a picture of one
colour, and looks at the centre of the screen; then the site serves another colour at the
same path, and a second run must bring that to the screen too. Screenshots and the
desktop's output stay in the test's directory (desktop-DESKTOP/).
"""

import os
import shutil
import subprocess
import sys
import time
import unittest

import screen
from colour_site import ColourSite
from desktops import DESKTOPS, STARTS
from session import Session

PROGRAM = None
DESKTOP = None
RED = 0xE01010
BLUE = 0x1020D0
SHOW_TIMEOUT = 60
# A directory name that a shell or a careless quoting would act upon; sway takes only names
# its own expansion leaves alone, and the program refuses others there.
HOSTILE_NAME = "a b;$(touch geworden)'\""
SWAY_NAME = "mit leerzeichen"


class DesktopShowsThePicture(unittest.TestCase):
    def setUp(self):
        self.desktop = DESKTOPS[DESKTOP]
        self.log_dir = os.path.abspath("desktop-" + DESKTOP)
        shutil.rmtree(self.log_dir, ignore_errors=True)
        os.makedirs(self.log_dir)
        self.site = ColourSite()
        self.addCleanup(self.site.close)
        self.session = Session(self.log_dir)
        self.addCleanup(self.stop_session)
        self.session.env["XDG_CURRENT_DESKTOP"] = self.desktop.current_desktop
        self.shoot = STARTS[self.desktop.kind](self.session, self.desktop, self.shot("start"))
        name = SWAY_NAME if self.desktop.kind == "sway" else HOSTILE_NAME
        self.work = os.path.join(self.session.path("work"), name)
        os.makedirs(os.path.join(self.work, "bin"), mode=0o755)
        shutil.copy(PROGRAM, os.path.join(self.work, "bin", "pendrel"))

    def stop_session(self):
        left = self.session.stop()
        self.assertEqual(left, [], "processes of the desktop outlived its end")

    def shot(self, step):
        return os.path.join(self.log_dir, step + ".png")

    def run_pendrel(self):
        env = dict(self.session.env, **self.desktop.env, PENDREL_TRACE="1",
                   PENDREL_E2E_SERVER_BASE=self.site.base)
        run = subprocess.run([os.path.join(self.work, "bin", "pendrel")], cwd=self.work, env=env,
                             capture_output=True, timeout=200)
        trace = run.stderr.decode(errors="replace")
        self.assertEqual(run.returncode, 0, trace)
        self.assertIn("über " + self.desktop.backend, trace)

    def assert_screen_shows(self, rgb, step):
        """Waits until the centre of the screen shows rgb; the desktop repaints in its own time."""
        png = self.shot(step)
        deadline = time.monotonic() + SHOW_TIMEOUT
        seen = None
        while time.monotonic() < deadline:
            if self.shoot(self.session, png):
                seen = screen.centre_colour(png)
                if screen.near(seen, rgb):
                    return
            time.sleep(0.3)
        self.fail("%s: the screen shows %s, not %06X (see %s)"
                  % (step, "nothing" if seen is None else "%06X" % seen, rgb, png))

    def test_picture_then_new_content_at_the_same_path(self):
        self.site.serve(RED)
        self.run_pendrel()
        self.assert_screen_shows(RED, "first")
        self.site.serve(BLUE)
        self.run_pendrel()
        self.assert_screen_shows(BLUE, "second")
        for directory in (self.work, os.path.join(self.work, "bin")):
            self.assertFalse(os.path.exists(os.path.join(directory, "geworden")), directory)


if __name__ == "__main__":
    PROGRAM, DESKTOP = os.path.abspath(sys.argv[1]), sys.argv[2]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:])
