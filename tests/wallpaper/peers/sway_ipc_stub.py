#!/usr/bin/python3
"""Stands in for sway's IPC socket at PATH: prints "COMMAND <type> <payload>" for every
message and answers it with success. Prints "READY" once it listens."""

import socket
import struct
import sys


def receive(conn, count):
    data = b""
    while len(data) < count:
        chunk = conn.recv(count - len(data))
        if not chunk:
            raise EOFError
        data += chunk
    return data


def main():
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(sys.argv[1])
    server.listen(4)
    print("READY", flush=True)
    while True:
        conn, _ = server.accept()
        with conn:
            try:
                head = receive(conn, 14)
                length, kind = struct.unpack("=II", head[6:])
                payload = receive(conn, length)
            except EOFError:
                continue
            print("COMMAND %d %s" % (kind, payload.decode("utf-8", "replace")), flush=True)
            reply = b'[ { "success": true } ]'
            conn.sendall(b"i3-ipc" + struct.pack("=II", len(reply), kind) + reply)


if __name__ == "__main__":
    main()
