#!/usr/bin/python3
"""Loopback HTTP server for the tests.

Serves the files of a directory and a few special paths that misbehave on purpose:

  /__status/CODE[/FILE]  answers CODE with the body of FILE, else "status CODE"
  /__truncated/N         announces N + 1000 bytes, sends N bytes of "x", closes
  /__stall/N             announces N + 1000 bytes, sends N bytes of "x", then stays silent
  /__hang[/...]          accepts the connection and never answers
  /__redirect?to=ADDR    answers 302 with Location ADDR
  /__html/...            answers 200 with an HTML page of CR LF lines (a captive portal)
  /__gzip/FILE           answers 200 with FILE gzip-compressed, as Content-Encoding: gzip
  /__reset/...           sends the head and a little of the body, then resets the connection
  /__drip/RATE/...       answers 200 and sends RATE bytes of "x" a second, never ending
  /__huge/SIZE/...       answers 200 with a PNG head and SIZE bytes in all, length unannounced
  /__slow/FILE           answers 200 with FILE in four pieces a tenth of a second apart
  /__cut/N/FILE          announces FILE's length, sends its first N bytes, closes after 0.3 s

The paths below /__status, /__hang, /__html, /__reset and /__drip may go on, so a base
address such as /__drip/4096/ makes every address below it misbehave.

It binds port 0 on 127.0.0.1, prints "PORT n" once it listens, then one line per request:
"REQUEST<TAB>method<TAB>path" followed by <TAB>name: value for each header.
"""

import gzip
import http.server
import os
import socket
import struct
import time
import zlib
import sys
import threading
import urllib.parse

_stop = threading.Event()


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        pass

    def _report(self):
        fields = ["REQUEST", self.command, self.path]
        fields += ["%s: %s" % (k, v) for k, v in self.headers.items()]
        print("\t".join(f.replace("\t", " ") for f in fields), flush=True)

    def _send_body(self, code, body, content_type="text/plain"):
        self.send_response(code)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def _partial(self, count, then_close):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(count + 1000))
        self.end_headers()
        self.wfile.write(b"x" * count)
        self.wfile.flush()
        if then_close:
            self.close_connection = True
            return
        _stop.wait()

    def _file(self, parts):
        path = os.path.join(self.directory, *[urllib.parse.unquote(p) for p in parts])
        if not parts or not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def _head(self, code, headers):
        self.send_response(code)
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()

    def _reset(self):
        self._head(200, [("Content-Type", "image/jpeg"), ("Content-Length", "100000")])
        self.wfile.write(b"\xff\xd8\xff" + b"x" * 1000)
        self.wfile.flush()
        # A zero linger time turns the close into a reset.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.connection.close()
        self.close_connection = True

    def _drip(self, rate):
        # No length: only the client's own limits can end it.
        self._head(200, [("Content-Type", "text/plain"), ("Connection", "close")])
        piece = b"x" * max(1, rate // 4)
        try:
            while not _stop.is_set():
                self.wfile.write(piece)
                self.wfile.flush()
                time.sleep(0.25)
        except OSError:
            pass
        self.close_connection = True

    def _huge(self, size):
        self._head(200, [("Content-Type", "image/png"), ("Connection", "close")])
        ihdr = b"IHDR" + struct.pack(">IIBBBBB", 4000, 3000, 8, 2, 0, 0, 0)
        head = b"\x89PNG\r\n\x1a\n" + struct.pack(">I", 13) + ihdr
        head += struct.pack(">I", zlib.crc32(ihdr))
        block = bytes(1 << 20)
        try:
            self.wfile.write(head)
            sent = len(head)
            while sent < size:
                n = min(len(block), size - sent)
                self.wfile.write(block[:n])
                sent += n
        except OSError:
            pass
        self.close_connection = True

    def _pieces(self, body, count, pause):
        self._head(200, [("Content-Type", "image/jpeg"), ("Content-Length", str(len(body)))])
        step = -(-len(body) // count)
        for at in range(0, len(body), step):
            self.wfile.write(body[at:at + step])
            self.wfile.flush()
            time.sleep(pause)

    def _cut(self, count, body):
        self._head(200, [("Content-Type", "image/jpeg"), ("Content-Length", str(len(body)))])
        self.wfile.write(body[:count])
        self.wfile.flush()
        time.sleep(0.3)
        self.close_connection = True

    def _special(self):
        url = urllib.parse.urlsplit(self.path)
        parts = url.path.split("/")[1:]
        name = parts[0]
        arg = parts[1] if len(parts) > 1 else ""
        if name == "__status":
            body = self._file(parts[2:])
            self._send_body(int(arg), body if body is not None else ("status %s" % arg).encode())
        elif name == "__html":
            page = b"<!DOCTYPE html>\r\n<html><body>\r\n<p>Anmeldung</p>\r\n</body></html>\r\n"
            self._send_body(200, page, "text/html")
        elif name == "__gzip":
            body = self._file(parts[1:])
            if body is None:
                self._send_body(404, b"missing")
                return True
            packed = gzip.compress(body)
            self._head(200, [("Content-Type", "image/jpeg"), ("Content-Encoding", "gzip"),
                             ("Content-Length", str(len(packed)))])
            self.wfile.write(packed)
        elif name == "__reset":
            self._reset()
        elif name == "__drip":
            self._drip(int(arg))
        elif name == "__huge":
            self._huge(int(arg))
        elif name == "__truncated":
            self._partial(int(arg), True)
        elif name == "__stall":
            self._partial(int(arg), False)
        elif name in ("__slow", "__cut"):
            body = self._file(parts[1:] if name == "__slow" else parts[2:])
            if body is None:
                self._send_body(404, b"missing")
            elif name == "__slow":
                self._pieces(body, 4, 0.1)
            else:
                self._cut(int(arg), body)
        elif name == "__hang":
            _stop.wait()
        elif name == "__redirect":
            target = urllib.parse.parse_qs(url.query).get("to", [""])[0]
            self.send_response(302)
            self.send_header("Location", target)
            self.send_header("Content-Length", "0")
            self.end_headers()
        else:
            return False
        return True

    def do_GET(self):
        self._report()
        if self.path.startswith("/__") and self._special():
            return
        super().do_GET()

    def do_HEAD(self):
        self._report()
        super().do_HEAD()


def main():
    root = sys.argv[1]
    handler = lambda *a, **kw: Handler(*a, directory=root, **kw)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
    print("PORT %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    finally:
        _stop.set()


if __name__ == "__main__":
    main()
