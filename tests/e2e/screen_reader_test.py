#!/usr/bin/python3
"""What a blind user hears: the real program and the real Orca screen reader
on a private X server with the accessibility bus, speech going to
speech-dispatcher's silent output, whose log is the record of what was
spoken. The program starts first, with accessibility off, as on a desktop
where the user starts the screen reader later."""

import sys

from desktop import Checks, Desktop, Stopped, application, centre, find, wait_for
from friction_loss_heard import friction_loss_heard
from speech import Orca, Speech

PROGRAM = sys.argv[1]

checks = Checks()
check = checks.check

# How long Orca may take, on a loaded machine, for each step of getting ready.
READY_SECONDS = 90


def main():
    with Desktop() as desktop:
        desktop.start_x_server()
        desktop.start_session_bus(accessibility_on=False)
        desktop.start_window_manager(["icewm"])
        speech = Speech(desktop)
        desktop.start_program([PROGRAM])
        app = wait_for(application, 30)
        check("the program joins the accessibility bus with accessibility off",
              app is not None, True)
        if app is None:
            return
        Orca(desktop)
        try:
            ready(speech)
            walk(desktop, app, speech)
        except Stopped:
            pass
        finally:
            speech.report()


def ready(speech):
    """Waits for the screen reader's own signs, before any key is pressed:
    it has started, and it has announced the window."""
    speech.await_sign(checks, "the screen reader starts", "Screen reader on", READY_SECONDS)
    speech.await_sign(checks, "the window by its name", "Vardel frame", READY_SECONDS)


def walk(desktop, app, speech):
    def xdo(*args):
        desktop.run("xdotool", *args)

    def click(name):
        key = find(app, "push button", name)
        x, y = centre(key)
        xdo("mousemove", str(x), str(y), "click", "1")

    friction_loss_heard(speech, check, xdo, click, "Unit system M")


if __name__ == "__main__":
    main()
    checks.finish("screen reader")
