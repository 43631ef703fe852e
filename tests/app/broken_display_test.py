#!/usr/bin/env python3
"""The real program started on a display that is not there: an X display with
no server, and a Wayland socket that nobody listens on. Each time it must say
in one line which display it could not open, end with status 1 and leave no
core file, even where core files are allowed."""
import os
import resource
import socket
import subprocess
import sys
import tempfile
import unittest

PROGRAM = os.path.abspath(sys.argv.pop(1))


def unused_x_display():
    for number in range(99, 1000):
        if not (os.path.exists(f"/tmp/.X{number}-lock")
                or os.path.exists(f"/tmp/.X11-unix/X{number}")):
            return f":{number}"
    raise RuntimeError("no free X display number")


def allow_core_files():
    resource.setrlimit(resource.RLIMIT_CORE,
                       (resource.RLIM_INFINITY, resource.RLIM_INFINITY))


class BrokenDisplay(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory(prefix="vardel-display-")
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "WAYLAND_", "XDG_")) and k != "DISPLAY"}
        self.env["XDG_RUNTIME_DIR"] = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def start(self):
        result = subprocess.run([PROGRAM], env=self.env, cwd=self.folder.name,
                                preexec_fn=allow_core_files, capture_output=True,
                                text=True, timeout=60)
        left = [name for name in os.listdir(self.folder.name) if name.startswith("core")]
        self.assertEqual(left, [], "a core file was written")
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertEqual(result.stdout, "")
        lines = result.stderr.splitlines()
        self.assertEqual(len(lines), 1, result.stderr)
        return lines[0]

    def test_x_display_without_a_server(self):
        self.env["DISPLAY"] = unused_x_display()
        self.assertEqual(self.start(), f'vardel: cannot open X display "{self.env["DISPLAY"]}"')

    def test_wayland_socket_that_nobody_listens_on(self):
        # A socket file left behind by a compositor that has gone.
        path = os.path.join(self.folder.name, "wayland-gone")
        listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        listener.bind(path)
        listener.close()
        self.env["WAYLAND_DISPLAY"] = "wayland-gone"
        self.assertEqual(self.start(), 'vardel: cannot open Wayland display "wayland-gone"')


if __name__ == "__main__":
    unittest.main()
