#!/usr/bin/python3
"""What a blind user hears in the browser: the web panel in Firefox and the
real Orca screen reader, in Orca's default mode, on a private X server with
the accessibility bus; speech goes to speech-dispatcher's silent output,
whose log is the record of what was spoken. The keys are typed with the real
keyboard (xdotool), as the desktop's screen-reader test does.

    web_screen_reader_test.py SITE_DIR"""

import os
import subprocess
import sys

from desktop import Checks, Desktop, Stopped, centre, find, wait_for
from friction_loss_heard import friction_loss_heard
from speech import Orca, Speech

SITE = sys.argv[1]
SERVER = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "serve-web.mjs")

# A profile of the test's own: no first-run pages, no updates, no reports,
# nothing restored, no new-tab page loaded in the background (its document
# would draw the screen reader away); every window closes without asking.
PREFERENCES = {
    "browser.newtab.preload": False,
    "browser.newtabpage.enabled": False,
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.aboutwelcome.enabled": False,
    "browser.startup.page": 0,
    "browser.startup.homepage": "about:blank",
    "startup.homepage_welcome_url": "",
    "startup.homepage_welcome_url.additional": "",
    "datareporting.policy.firstRunURL": "",
    "browser.sessionstore.resume_from_crash": False,
    "browser.tabs.warnOnClose": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "app.update.enabled": False,
    "extensions.update.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "accessibility.force_disabled": -1,
}

checks = Checks()
check = checks.check
require = checks.require

# How long Orca may take, on a loaded machine, for each step of getting ready.
READY_SECONDS = 90
# The line of Orca's state, logged after each event it handles, once it is
# in focus mode for good in the page.
FOCUS_MODE_STICKY = "EVENT MANAGER: _focusModeIsSticky: True"
# The last line Orca logs for a mouse button press it has handled.
PRESS_HANDLED = "^^^^^ PROCESS OBJECT EVENT mouse:button:1p ^^^^^"


def pref(name, value):
    return f"user_pref({name!r}, {'true' if value is True else 'false' if value is False else repr(value)});\n"


def serve(desktop):
    """The site on a free port of 127.0.0.1; returns its address."""
    server = desktop.start(["node", SERVER, SITE, "0"], quiet=False,
                           stdout=subprocess.PIPE, text=True)
    line = server.stdout.readline()
    return line.split(" at ", 1)[1].split()[0]


def browser_page():
    """The page's panel on the accessibility bus: its Friction loss key."""
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name and "irefox" in app.name:
            key = find(app, "push button", "Friction loss")
            if key is not None:
                return app
    return None


def main():
    with Desktop() as desktop:
        desktop.start_x_server()
        desktop.start_session_bus(accessibility_on=True)
        desktop.start_window_manager(["icewm"])
        speech = Speech(desktop)
        address = serve(desktop)
        orca = Orca(desktop)
        try:
            speech.await_sign(checks, "the screen reader starts", "Screen reader on", READY_SECONDS)
            profile = os.path.join(desktop.runtime, "firefox-profile")
            os.makedirs(profile)
            with open(os.path.join(profile, "user.js"), "w") as out:
                out.writelines(pref(name, value) for name, value in PREFERENCES.items())
            desktop.env["GNOME_ACCESSIBILITY"] = "1"
            desktop.start(["firefox-esr", "--no-remote", "--new-instance", "--profile", profile,
                           address])
            app = wait_for(browser_page, READY_SECONDS)
            require(f"the panel appears on the accessibility bus (waited for up to {READY_SECONDS} s)",
                    app is not None)
            ready(speech, orca)
            walk(desktop, app, speech, orca)
        except Stopped:
            pass
        finally:
            speech.report()


def ready(speech, orca):
    """Waits for the screen reader's own signs that the page is its to type
    at, before any key is pressed: the page announced (the page gives its
    first key the focus once the calculator is ready) and focus mode taken,
    which Orca takes by itself in an application, says (before or after the
    key's name) and records in its debug log."""
    start = speech.heard
    speech.await_sign(checks, "the page, by its first key, focused when the calculator is ready",
                      "Engine pressure push button", READY_SECONDS)
    after_key, speech.heard = speech.heard, start
    speech.await_sign(checks, "the screen reader in focus mode, not told to",
                      "Focus mode is sticky", READY_SECONDS)
    speech.heard = max(after_key, speech.heard)
    require(f"Orca's debug log records focus mode as sticky ({FOCUS_MODE_STICKY!r}, waited for "
            f"up to {READY_SECONDS} s)", orca.recorded(FOCUS_MODE_STICKY, READY_SECONDS))


def walk(desktop, app, speech, orca):
    def xdo(*args):
        desktop.run("xdotool", *args)

    def click(name):
        key = find(app, "push button", name)
        # A key has a place on the screen only once the window is shown.
        placed = wait_for(lambda: min(centre(key)) >= 0, 20)
        require(f"the key {name} is on the screen", placed, True)
        x, y = centre(key)
        # Held as a hand holds it: the screen reader silences what it has
        # queued when the button goes down, so the page acts, when it comes
        # up, only once the screen reader has handled the press.
        pressed = orca.records(PRESS_HANDLED)
        xdo("mousemove", str(x), str(y), "mousedown", "1")
        check(f"the screen reader handles the press on {name}",
              orca.recorded(PRESS_HANDLED, 30, after=pressed), True)
        xdo("mouseup", "1")

    friction_loss_heard(speech, check, xdo, click, "Unit system M, metric")


if __name__ == "__main__":
    main()
    checks.finish("screen reader in the browser")
