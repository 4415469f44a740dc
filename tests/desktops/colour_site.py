"""The content site of the desktop tests: "inhalt.php" naming one picture, a JPEG of one
colour, served by the suite's loopback HTTP server (tests/support/http_server.py)."""

import os
import shutil
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(os.path.dirname(HERE), "support", "http_server.py")
PICTURE = "bild.jpg"


class ColourSite:
    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="pendrel-site-")
        with open(os.path.join(self.root, "inhalt.php"), "wb") as page:
            page.write(PICTURE.encode() + b"\r\n")
        self.server = subprocess.Popen(["/usr/bin/python3", SERVER, self.root],
                                       stdout=subprocess.PIPE, stdin=subprocess.DEVNULL)
        first = self.server.stdout.readline().split()
        if len(first) != 2 or first[0] != b"PORT":
            raise RuntimeError("the HTTP server did not come up")
        self.base = "http://127.0.0.1:%d/" % int(first[1])

    def serve(self, rgb):
        """From now on the picture at the same path is of colour rgb (0xRRGGBB)."""
        subprocess.run(["convert", "-size", "64x48", "xc:#%06X" % rgb, "-quality", "95",
                        "jpg:" + os.path.join(self.root, PICTURE)], check=True)

    def close(self):
        self.server.terminate()
        self.server.stdout.close()
        self.server.wait()
        shutil.rmtree(self.root, ignore_errors=True)
