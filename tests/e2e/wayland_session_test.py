#!/usr/bin/python3
"""The program on a Wayland desktop with no X server at all: a headless
weston, the toolkit's Wayland platform, and the accessibility bus, through
which the test sees the window shown and presses a key."""

import os
import subprocess
import sys

from desktop import Checks, Desktop, application, find, nodes, wait_for

PROGRAM = sys.argv[1]
checks = Checks()
check = checks.check


def main():
    with Desktop() as desktop:
        desktop.start_session_bus()
        socket = "wayland-vardel"
        log = os.path.join(desktop.runtime, "weston.log")
        desktop.start(["weston", "--backend=headless-backend.so", f"--socket={socket}",
                       "--no-config", "--idle-time=0", f"--log={log}"])
        if not wait_for(lambda: os.path.exists(os.path.join(desktop.runtime, socket)), 30):
            raise RuntimeError("weston did not start")
        # What a Wayland desktop tells its programs.
        desktop.env.update(WAYLAND_DISPLAY=socket, XDG_SESSION_TYPE="wayland")
        program = desktop.start_program([PROGRAM], quiet=False, stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE, text=True)
        try:
            session()
        finally:
            program.terminate()
            try:
                stderr = program.communicate(timeout=10)[1]
            except subprocess.TimeoutExpired:
                program.kill()
                stderr = program.communicate()[1]
        check("the program ran to the end", program.returncode in (0, -15), True)
        check("nothing written to stderr", [l for l in stderr.splitlines() if l], [])


def session():
    import pyatspi

    app = wait_for(application, 30)
    check("the program is on the accessibility bus", app is not None, True)
    if app is None:
        return
    frame = wait_for(lambda: find(app, "frame"), 10)
    check("its window is named", frame.name if frame else None, "Vardel")
    check("its window is shown", wait_for(
        lambda: frame.getState().contains(pyatspi.STATE_SHOWING), 10) is not None, True)

    display = wait_for(lambda: next((n for n in nodes(app) if n.getRoleName() == "label"
                                     and n.name == "VORNA"), None), 10)
    check("the display shows the brand text", display is not None, True)
    seven = find(app, "push button", "Seven")
    action = seven.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i).lower() == "press"))
    check("a key pressed over the bus answers on the display",
          wait_for(lambda: display.name == " 7", 10) is not None, True)


if __name__ == "__main__":
    main()
    checks.finish("wayland session")
