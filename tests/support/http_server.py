#!/usr/bin/python3
"""Loopback HTTP server for the tests.

Serves the files of a directory and a few special paths that misbehave on purpose:

  /__status/CODE         answers CODE with the body "status CODE"
  /__truncated/N         announces N + 1000 bytes, sends N bytes of "x", closes
  /__stall/N             announces N + 1000 bytes, sends N bytes of "x", then stays silent
  /__hang                accepts the connection and never answers
  /__redirect?to=ADDR    answers 302 with Location ADDR

It binds port 0 on 127.0.0.1, prints "PORT n" once it listens, then one line per request:
"REQUEST<TAB>method<TAB>path" followed by <TAB>name: value for each header.
"""

import http.server
import os
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

    def _special(self):
        url = urllib.parse.urlsplit(self.path)
        parts = url.path.split("/")[1:]
        name = parts[0]
        arg = parts[1] if len(parts) > 1 else ""
        if name == "__status":
            self._send_body(int(arg), ("status %s" % arg).encode())
        elif name == "__truncated":
            self._partial(int(arg), True)
        elif name == "__stall":
            self._partial(int(arg), False)
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
