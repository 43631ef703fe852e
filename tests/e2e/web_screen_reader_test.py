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

from desktop import Checks, Desktop, centre, find, wait_for
from speech import Speech, start_orca

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
        start_orca(desktop)
        check("the screen reader starts", speech.hear("Screen reader on", 60) is not None, True)
        profile = os.path.join(desktop.runtime, "firefox-profile")
        os.makedirs(profile)
        with open(os.path.join(profile, "user.js"), "w") as out:
            out.writelines(pref(name, value) for name, value in PREFERENCES.items())
        desktop.env["GNOME_ACCESSIBILITY"] = "1"
        desktop.start(["firefox-esr", "--no-remote", "--new-instance", "--profile", profile, address])
        app = wait_for(browser_page, 60)
        check("the panel appears on the accessibility bus", app is not None, True)
        if app is None:
            return
        try:
            walk(desktop, app, speech)
        finally:
            speech.report()


def walk(desktop, app, speech):
    def xdo(*args):
        desktop.run("xdotool", *args)

    def click(name):
        key = find(app, "push button", name)
        # A key has a place on the screen only once the window is shown.
        placed = wait_for(lambda: min(centre(key)) >= 0, 20)
        check(f"the key {name} is on the screen", placed, True)
        x, y = centre(key)
        # Held as a hand holds it: the screen reader silences what is queued
        # when the button goes down, and the page acts when it comes up.
        xdo("mousemove", str(x), str(y), "mousedown", "1", "sleep", "0.3", "mouseup", "1")

    def heard(what, phrase, seconds=30):
        check(f"spoken: {what}", speech.hear(phrase, seconds) is not None, True)

    # The page gives the first key the focus once the calculator is ready;
    # in an application the screen reader leaves its browse mode by itself.
    # It may say so before or after the key's name.
    start = speech.heard
    heard("the first key, focused when the panel is ready", "Engine pressure push button")
    after_key, speech.heard = speech.heard, start
    heard("the screen reader in focus mode, not told to", "Focus mode")
    speech.heard = max(after_key, speech.heard)
    # Friction loss: 150 gpm through 1 3/4 in hose, one line, 200 ft.
    click("Friction loss")
    heard("the first prompt", "FLOW GPM")
    xdo("type", "--delay", "100", "150")
    heard("the number typed, in the screen reader's default mode", "150")
    xdo("key", "Return")
    heard("the hose prompt, the focus staying on Enter", "HOSE SIZE")
    xdo("key", "Tab")
    heard("a hose key with its metric size", "One and a quarter inch hose, 32 millimetres")
    click("One and three quarter inch hose, 45 millimetres")
    heard("the hose size shown", "1.75")
    xdo("key", "Return")
    heard("the siamese prompt", "SIAMESE")
    xdo("key", "Return")
    heard("the length prompt", "Length ft")
    xdo("type", "--delay", "100", "200")
    xdo("key", "Return")
    heard("the result", "PSI 70")

    click("English metric units")
    heard("the unit change", "Unit system M, metric")

    xdo("type", "--delay", "100", "8/0=")
    heard("a message box's text", "SORRY DIVIDE ZERO")
    xdo("key", "Return")


if __name__ == "__main__":
    main()
    checks.finish("screen reader in the browser")
