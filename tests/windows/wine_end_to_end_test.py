#!/usr/bin/python3
"""The Windows program, run under Wine, against a content site on a loopback server.

    wine_end_to_end_test.py PENDREL_E2E_EXE [unittest arguments]

The server (tests/support/http_server.py) runs on the Linux side; the program is the
end-to-end build that reads its server base from PENDREL_E2E_SERVER_BASE. The wallpaper is
read back from Wine's registry. Wine runs in WINEPREFIX when one is given (the Windows
suite's prefix, already started); otherwise the test makes a prefix of its own.

A script rather than a GoogleTest: a test program built for Windows cannot start Wine or
the Linux server, and this one drives both from outside, as a user of the program would.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PROGRAM = None  # set from the command line
PREFIX = None  # WINEPREFIX the runs use
RUN_TIMEOUT = 120


def png(width, height, rgb):
    """A PNG of one colour: a picture the program takes, made without any image library."""
    row = b"\x00" + bytes(rgb) * width
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(row * height)) + chunk(b"IEND", b""))


def wine_env(extra=None):
    env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all", TZ=os.environ.get("TZ", "UTC"))
    # The loopback server is reached directly, never through a proxy of the machine.
    for name in ("http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY"):
        env.pop(name, None)
    env.update(extra or {})
    return env


def wine(args, cwd, env=None, timeout=RUN_TIMEOUT):
    """Runs a Wine command with its output in files: Wine's helper processes keep the output
    of a command and would hold a pipe open. Returns (exit code, stdout, stderr)."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        code = subprocess.run(["wine"] + args, cwd=cwd, env=wine_env(env), stdin=subprocess.DEVNULL,
                              stdout=out, stderr=err, timeout=timeout).returncode
        out.seek(0)
        err.seek(0)
        return code, out.read().decode("utf-8", "replace"), err.read().decode("utf-8", "replace")


def registry_wallpaper():
    code, out, _ = wine(["reg", "query", r"HKCU\Control Panel\Desktop", "/v", "Wallpaper"], "/")
    for line in out.splitlines():
        fields = line.split(None, 2)
        if code == 0 and len(fields) == 3 and fields[0] == "Wallpaper":
            return fields[2].strip()
    return None


def windows_path(unix_path):
    code, out, _ = wine(["winepath", "-w", unix_path], "/")
    assert code == 0, "winepath failed"
    return out.strip()


class ContentServer:
    """tests/support/http_server.py on a free loopback port, serving a directory."""

    def __init__(self, root):
        self.process = subprocess.Popen(
            ["/usr/bin/python3", os.path.join(ROOT, "tests/support/http_server.py"), root],
            stdout=subprocess.PIPE, stdin=subprocess.DEVNULL, text=True)
        first = self.process.stdout.readline()
        if not first.startswith("PORT "):
            self.process.kill()
            raise RuntimeError("the loopback server did not start: " + first)
        self.base = "http://127.0.0.1:%d/" % int(first.split()[1])
        # Its request lines must be read, or a full pipe would stop it.
        threading.Thread(target=self.process.stdout.read, daemon=True).start()

    def stop(self):
        self.process.kill()
        self.process.wait()


class WineEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = tempfile.mkdtemp(prefix="pendrel-site-")
        cls.server = ContentServer(cls.site)
        with open(os.path.join(cls.site, "rot.png"), "wb") as f:
            f.write(png(8, 8, (220, 20, 20)))
        with open(os.path.join(cls.site, "gruen.png"), "wb") as f:
            f.write(png(16, 16, (20, 200, 20)))

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()
        shutil.rmtree(cls.site, ignore_errors=True)

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="pendrel-wine-")
        self.bin = os.path.join(self.work, "bin")
        self.cwd = os.path.join(self.work, "cwd")
        os.makedirs(self.bin)
        os.makedirs(self.cwd)

    def tearDown(self):
        shutil.rmtree(self.work, ignore_errors=True)

    def set_page(self, text):
        with open(os.path.join(self.site, "inhalt.php"), "wb") as f:
            f.write(text.encode())

    def run_pendrel(self, name="pendrel.exe", below="", env=None):
        """Runs a copy of the program named `name` in bin/ from cwd/; returns its trace."""
        program = os.path.join(self.bin, name)
        if not os.path.exists(program):
            shutil.copy(PROGRAM, program)
        run_env = {"PENDREL_TRACE": "1", "PENDREL_E2E_SERVER_BASE": self.server.base + below}
        run_env.update(env or {})
        code, _, trace = wine([program], self.cwd, run_env)
        self.assertEqual(code, 0, trace)
        return trace

    def picture(self):
        with open(os.path.join(self.cwd, "hintergrund.jpg"), "rb") as f:
            return f.read()

    def site_file(self, name):
        with open(os.path.join(self.site, name), "rb") as f:
            return f.read()

    def test_a_run_sets_the_picture_and_records_itself_beside_the_program(self):
        self.set_page("rot.png\r\n")
        self.run_pendrel()
        self.assertEqual(self.picture(), self.site_file("rot.png"))
        self.assertEqual(registry_wallpaper(),
                         windows_path(os.path.join(self.cwd, "hintergrund.jpg")))
        with open(os.path.join(self.bin, "lauf.txt"), "rb") as f:
            record = f.read()
        self.assertRegex(record, rb"^\d{4}-\d\d-\d\d-\d\d:\d\d:\d\d;Pendrel;[^\r\n]*;[^\r\n]*\r\n$")
        self.assertFalse(os.path.exists(os.path.join(self.cwd, "lauf.txt")))
        # A second picture replaces the first file.
        self.set_page("gruen.png\r\n")
        self.run_pendrel()
        self.assertEqual(self.picture(), self.site_file("gruen.png"))

    def test_refused_answers_leave_the_earlier_picture(self):
        self.set_page("rot.png\r\n")
        self.run_pendrel()
        earlier = self.picture()
        cases = [
            ("__status/404/gruen.png\r\n", "", "HTTP-Status 404"),
            ("__gzip/gruen.png\r\n", "", "Content-Encoding"),
            ("__redirect?to=ftp://127.0.0.1/gruen.png\r\n", "", "keine http- oder https-Adresse"),
            ("__truncated/100\r\n", "", "vor dem Ende"),
            ("__huge/70000000/gross.png\r\n", "", "größer als 67108864 Bytes"),
            # A failed page is no list: the bare base is fetched, which is no picture.
            ("gruen.png\r\n", "__status/500/", "Zeile 0 von 0"),
        ]
        for page, below, why in cases:
            with self.subTest(page=page, below=below):
                self.set_page(page)
                trace = self.run_pendrel(below=below)
                self.assertIn(why, trace)
                self.assertEqual(self.picture(), earlier)
                self.assertEqual(sorted(os.listdir(self.cwd)), ["hintergrund.jpg"])
                # The earlier picture is still the wallpaper.
                self.assertIn("Hintergrund gesetzt", trace)

    def test_silent_and_dripping_servers_end_the_run_at_its_limits(self):
        self.set_page("rot.png\r\n")
        self.run_pendrel()
        earlier = self.picture()
        # 2 s for the page, 5 s for the picture, 1 s of low speed.
        short = {"PENDREL_E2E_LIMIT_DIVISOR": "20"}
        for page, below in [("rot.png\r\n", "__hang/"), ("rot.png\r\n", "__drip/100/"),
                            ("__drip/8192/rot.png\r\n", "")]:
            with self.subTest(page=page, below=below):
                self.set_page(page)
                trace = self.run_pendrel(below=below, env=short)
                self.assertIn("Zeitlimit überschritten", trace)
                self.assertEqual(self.picture(), earlier)
                self.assertEqual(sorted(os.listdir(self.cwd)), ["hintergrund.jpg"])

    def test_a_development_run_writes_the_documentation_include_in_the_current_directory(self):
        shutil.copy(os.path.join(ROOT, "src/app/Pendrel.cpp"), self.cwd)
        self.set_page("rot.png\r\n")
        self.run_pendrel(name="Pendrel_DevRunner.exe")
        # The include the build compiles zDoku from, as the program's header gives it.
        with open(os.path.join(self.cwd, "Pendrel_doku.pbi"), "rb") as f:
            written = f.read()
        with open(os.path.join(ROOT, "src/app/Pendrel_doku.pbi"), "rb") as f:
            self.assertEqual(written, f.read())
        # The current directory stands in for the program's.
        self.assertTrue(os.path.exists(os.path.join(self.cwd, "lauf.txt")))
        self.assertFalse(os.path.exists(os.path.join(self.bin, "lauf.txt")))


def start_private_prefix(directory):
    """A Wine prefix of the test's own, with its server kept running until the end."""
    env = wine_env()
    with open(os.path.join(directory, "wineboot.log"), "wb") as log:
        subprocess.run(["wineboot", "-i"], env=env, stdin=subprocess.DEVNULL, stdout=log,
                       stderr=log, check=True)
        subprocess.run(["wineserver", "-w"], env=env, check=True)
        subprocess.run(["wineserver", "-p"], env=env, stdin=subprocess.DEVNULL, stdout=log,
                       stderr=log, check=True)


def main():
    global PROGRAM, PREFIX
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    own_prefix = None
    PREFIX = os.environ.get("WINEPREFIX")
    if not PREFIX:
        own_prefix = tempfile.mkdtemp(prefix="pendrel-wineprefix-")
        PREFIX = os.path.join(own_prefix, "prefix")
        start_private_prefix(own_prefix)
    try:
        unittest.main(verbosity=2)
    finally:
        if own_prefix:
            subprocess.run(["wineserver", "-k"], env=wine_env())
            shutil.rmtree(own_prefix, ignore_errors=True)


if __name__ == "__main__":
    main()
