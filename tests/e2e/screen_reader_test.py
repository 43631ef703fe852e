#!/usr/bin/python3
"""What a blind user hears: the real program and the real Orca screen reader
on a private X server with the accessibility bus, speech going to
speech-dispatcher's silent output, whose log is the record of what was
spoken. The program starts first, with accessibility off, as on a desktop
where the user starts the screen reader later."""

import os
import re
import subprocess
import sys

from desktop import Checks, Desktop, application, centre, find, wait_for

PROGRAM = sys.argv[1]

# Orca's launcher refuses to start while any other Orca of the same user
# runs, on whatever display; tests side by side run as one user. This starts
# it as the launcher does, without that refusal, and never touches another
# Orca.
ORCA = """
import sys
sys.argv[0] = "orca"
namespace = {}
exec(compile(open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"), namespace)
namespace["otherOrcas"] = lambda: []
sys.exit(namespace["main"]())
"""
checks = Checks()
check = checks.check


class Speech:
    """speech-dispatcher with the silent output module; every message a
    client sends it is queued, and the log says so."""

    def __init__(self, desktop):
        config = os.path.join(desktop.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(config)
        with open(os.path.join(config, "speechd.conf"), "w") as out:
            # No second server started by a client behind the test's back.
            out.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                      'AudioOutputMethod "libao"\nDisableAutoSpawn\n')
        self.log_dir = os.path.join(desktop.runtime, "speech-log")
        os.makedirs(self.log_dir)
        self.log = os.path.join(self.log_dir, "speech-dispatcher.log")
        socket = os.path.join(desktop.runtime, "speech-dispatcher", "speechd.sock")
        desktop.start(["speech-dispatcher", "--run-single", "--timeout", "0",
                       "--log-level", "5", "--log-dir", self.log_dir,
                       "--communication-method", "unix_socket"])
        if not wait_for(lambda: os.path.exists(socket), 20):
            raise RuntimeError("speech-dispatcher did not start")
        self.heard = 0  # utterances already matched

    def spoken(self):
        try:
            with open(self.log, errors="replace") as log:
                text = log.read()
        except FileNotFoundError:
            return []
        # Orca marks each word for the synthesizer; the words are what is heard.
        return [re.sub(r"<[^>]*>", "", said) for said in
                re.findall(r"Queueing message \|(.*?)\| with priority", text, re.S)]

    def hear(self, phrase, seconds=30):
        """Waits for an utterance, after those already heard, that holds
        `phrase`; returns it, or None."""
        def found():
            said = self.spoken()
            for i in range(self.heard, len(said)):
                if phrase in said[i]:
                    self.heard = i + 1
                    return said[i]
            return None
        return wait_for(found, seconds)


def main():
    with Desktop() as desktop:
        desktop.start_x_server()
        desktop.start_session_bus(accessibility_on=False)
        desktop.start_window_manager(["icewm"])
        speech = Speech(desktop)
        desktop.start([PROGRAM])
        app = wait_for(application, 30)
        check("the program joins the accessibility bus with accessibility off",
              app is not None, True)
        if app is None:
            return
        desktop.start([sys.executable, "-c", ORCA, "--disable", "braille",
                       "--disable", "braille-monitor"])
        try:
            walk(desktop, app, speech)
        finally:
            print("spoken:")
            for line in speech.spoken():
                print("   ", repr(line))


def walk(desktop, app, speech):
    def xdo(*args):
        desktop.run("xdotool", *args)

    def click(name):
        key = find(app, "push button", name)
        x, y = centre(key)
        xdo("mousemove", str(x), str(y), "click", "1")

    def heard(what, phrase, seconds=30):
        check(f"spoken: {what}", speech.hear(phrase, seconds) is not None, True)

    # A loaded machine may take its time to start a screen reader.
    heard("the screen reader starts", "Screen reader on", 60)
    heard("the window by its name", "Vardel frame")

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
