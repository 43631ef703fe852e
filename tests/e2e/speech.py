"""What a blind user hears, for the screen-reader tests: speech-dispatcher
with its silent output, whose log is the record of what was spoken, and the
real Orca screen reader started on a test's private desktop."""

import os
import re
import sys

from desktop import wait_for

# Orca's launcher refuses to start while any other Orca of the same user
# runs, on whatever display; tests side by side run as one user. This starts
# it as the launcher does, without that refusal, and never touches another
# Orca. Its debug log is written line by line, so that each record can be
# read as soon as Orca has made it.
ORCA = """
import builtins, sys
sys.argv[0] = "orca"
namespace = {"open": lambda path, mode="r": builtins.open(path, mode, buffering=1)}
exec(compile(open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"), namespace)
namespace["otherOrcas"] = lambda: []
sys.exit(namespace["main"]())
"""


class Orca:
    """Orca in its default settings, speech only. Its debug log records what
    it does: each event it has handled, and after each its state (in a web
    page, whether focus mode is sticky)."""

    def __init__(self, desktop):
        self.log = os.path.join(desktop.runtime, "orca-debug.log")
        desktop.start([sys.executable, "-c", ORCA, "--disable", "braille",
                       "--disable", "braille-monitor", "--debug-file", self.log])

    def records(self, line):
        """How many lines of the debug log hold `line`."""
        try:
            with open(self.log, errors="replace") as log:
                return sum(line in said for said in log)
        except FileNotFoundError:
            return 0

    def recorded(self, line, seconds=30, after=0):
        """Waits until more than `after` lines of the debug log hold `line`."""
        return wait_for(lambda: self.records(line) > after, seconds) is not None


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

    def report(self):
        """Prints everything heard, for the test's log."""
        print("spoken:")
        for line in self.spoken():
            print("   ", repr(line))

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

    def await_sign(self, checks, what, phrase, seconds):
        """Waits as hear() does, for a sign the rest of a test stands on: when
        it does not come, the test stops, naming what it waited for."""
        checks.require(f"spoken: {what} ({phrase!r}, waited for up to {seconds} s)",
                       self.hear(phrase, seconds) is not None)
