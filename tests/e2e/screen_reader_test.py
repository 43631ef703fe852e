#!/usr/bin/python3
"""What a blind user hears: the real program and the real Orca screen reader
on a private X server with the accessibility bus, speech going to
speech-dispatcher's silent output, whose log is the record of what was
spoken. The program starts first, with accessibility off, as on a desktop
where the user starts the screen reader later."""

import sys

from desktop import Checks, Desktop, Stopped, application, centre, find, wait_for
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

    def heard(what, phrase, seconds=30):
        check(f"spoken: {what}", speech.hear(phrase, seconds) is not None, True)

    # Friction loss: 150 gpm through 1 3/4 in hose, one line, 200 ft.
    click("Friction loss")
    heard("the first prompt", "FLOW GPM")
    xdo("type", "150")
    heard("the number keyed", "150")
    xdo("key", "Return")
    heard("the hose prompt, the focus staying on Enter", "HOSE SIZE")
    # The first hose key in the tab order comes after Enter.
    xdo("key", "Tab")
    heard("a hose key with its metric size", "One and a quarter inch hose, 32 millimetres")
    click("One and three quarter inch hose, 45 millimetres")
    heard("the hose size shown", "1.75")
    xdo("key", "Return")
    heard("the siamese prompt", "SIAMESE")
    xdo("key", "Return")
    heard("the length prompt", "Length ft")
    xdo("type", "200")
    xdo("key", "Return")
    heard("the result", "PSI 70")

    click("English metric units")
    heard("the unit indicator's change", "Unit system M")

    xdo("type", "8/0=")
    heard("a message box's text", "SORRY DIVIDE ZERO")
    xdo("key", "Return")


if __name__ == "__main__":
    main()
    checks.finish("screen reader")
