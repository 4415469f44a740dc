"""Runs a Linux program for a Windows test program under Wine.

Wine starts a Linux program detached, without a process handle, so this stands between
them: its standard input is a loopback socket to the test program. It runs the program
given after the options, ends it (SIGTERM, then SIGKILL) when that socket closes, and
writes the program's exit code to the socket when it ends by itself.

Options: --cd DIR, --set NAME=VALUE, --unset NAME, then -- and the program's arguments.
"""
import os
import signal
import subprocess
import sys
import threading


def parse(args):
    cwd, env = None, dict(os.environ)
    while args and args[0] != "--":
        option, value = args[0], args[1]
        args = args[2:]
        if option == "--cd":
            cwd = value
        elif option == "--set":
            name, _, text = value.partition("=")
            env[name] = text
        elif option == "--unset":
            env.pop(value, None)
    return cwd, env, args[1:]


def end(child):
    for sig, grace in ((signal.SIGTERM, 2), (signal.SIGKILL, None)):
        try:
            os.killpg(child.pid, sig)
        except ProcessLookupError:
            return
        try:
            child.wait(grace)
            return
        except subprocess.TimeoutExpired:
            pass


def main():
    # Wine hands its sockets over non-blocking; the child expects ordinary descriptors.
    for fd in (0, 1, 2):
        try:
            os.set_blocking(fd, True)
        except OSError:
            pass
    cwd, env, argv = parse(sys.argv[1:])
    try:
        child = subprocess.Popen(argv, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                 start_new_session=True)
    except OSError as error:
        print(f"{argv[0]}: {error}", file=sys.stderr)
        os.write(0, b"127\n")
        return

    def watch_control():
        try:
            while os.read(0, 4096):
                pass
        except OSError:
            pass
        end(child)

    threading.Thread(target=watch_control, daemon=True).start()
    code = child.wait()
    try:
        os.write(0, f"{128 - code if code < 0 else code}\n".encode())
    except OSError:
        pass


main()
