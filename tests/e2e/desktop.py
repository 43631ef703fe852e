"""A private desktop for the end-to-end tests: an X server (or a headless
Wayland compositor), a session bus with the accessibility bus, and whatever
the test starts in it. Everything started here is stopped at the end, also
when a check or the program fails, so that no test leaves a process behind."""

import json
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time


# The program's title, from the one statement of the product's facts.
with open(os.path.join(os.path.dirname(__file__), "..", "..", "product.json"), encoding="utf-8") as facts:
    TITLE = json.load(facts)["title"]

# Every wait of a test together stays inside this many seconds, well inside
# the test runner's own limit (300 s), so that a test that fails still has
# the time to stop all it started.
BUDGET = 220.0
_END = time.monotonic() + BUDGET


def wait_for(predicate, seconds=10.0):
    """Polls `predicate` until it gives a true value or `seconds` pass."""
    deadline = min(time.monotonic() + seconds, _END)
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return None


class Stopped(Exception):
    """A check that the rest of a test stands on failed: it goes no further."""


class Checks:
    def __init__(self):
        self.failures = []

    def check(self, what, got, expected):
        if got != expected:
            self.failures.append(what)
            print(f"FAIL {what}: got {got!r}, expected {expected!r}", flush=True)
        else:
            print(f"ok   {what}", flush=True)

    def require(self, what, got, expected=True):
        """A check that the rest of the test needs: raises Stopped when it fails."""
        self.check(what, got, expected)
        if got != expected:
            raise Stopped(what)

    def finish(self, name):
        if self.failures:
            print(f"{name}: {len(self.failures)} failed")
            raise SystemExit(1)
        print(f"{name}: all checks passed")


class Desktop:
    def __init__(self):
        self.runtime = tempfile.mkdtemp(prefix="vardel-e2e-")
        os.chmod(self.runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                 "DBUS_SESSION_BUS_ADDRESS")}
        self.env.update(HOME=self.runtime, XDG_RUNTIME_DIR=self.runtime,
                        XDG_CONFIG_HOME=os.path.join(self.runtime, "config"),
                        XDG_DATA_HOME=os.path.join(self.runtime, "data"),
                        XDG_CACHE_HOME=os.path.join(self.runtime, "cache"),
                        NO_AT_BRIDGE="0")
        self.processes = []
        self.bus_pid = None

    def __enter__(self):
        # A test runner that gives up sends SIGTERM: stop everything first.
        signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped from outside"))
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self, argv, quiet=True, **options):
        """Starts a process in a session of its own, so that it and all it
        starts can be stopped together."""
        if quiet:
            options.setdefault("stdout", subprocess.DEVNULL)
            options.setdefault("stderr", subprocess.DEVNULL)
        env = options.pop("env", self.env)
        process = subprocess.Popen(argv, env=env, start_new_session=True, **options)
        self.processes.append(process)
        return process

    def start_program(self, argv, **options):
        """Starts the program under test with system configuration folders
        of its own, empty, so that no department file issued to this
        machine reaches it."""
        env = dict(self.env, XDG_CONFIG_DIRS=os.path.join(self.runtime, "xdg"))
        return self.start(argv, env=env, **options)

    def run(self, *argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=30)

    def start_x_server(self):
        """Xvfb on a free display. The number is drawn at random from a range
        that desktops and other tests leave alone, so that tests running at
        the same time cannot meet on one display. The server does not reset
        when its last client leaves: a client connecting during a reset is
        refused."""
        for _ in range(20):
            number = random.randrange(300, 3000)
            if os.path.exists(f"/tmp/.X{number}-lock") or \
                    os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            read_end, write_end = os.pipe()
            server = self.start(["Xvfb", f":{number}", "-displayfd", str(write_end),
                                 "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
                                pass_fds=(write_end,))
            os.close(write_end)
            with os.fdopen(read_end) as pipe:
                ready = pipe.readline().strip() == str(number)
            if not ready or server.poll() is not None:
                continue
            self.env["DISPLAY"] = f":{number}"
            # On a loaded machine the server may name its display a moment
            # before clients can open it.
            if wait_for(lambda: self.run("xprop", "-root", "-len", "0",
                                         "_NET_SUPPORTED").returncode == 0, 20):
                return
            raise RuntimeError(f"the X server on :{number} does not answer")
        raise RuntimeError("no free X display")

    def start_window_manager(self, argv):
        """Starts a window manager and waits until it has taken the screen."""
        log = os.path.join(self.runtime, "window-manager.log")
        with open(log, "w") as out:
            manager = self.start(argv, quiet=False, stdout=out, stderr=subprocess.STDOUT)
        if not wait_for(lambda: manager.poll() is None and "window id" in self.run(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout, 20):
            with open(log) as out:
                said = out.read()
            raise RuntimeError(f"{argv[0]} did not start (status {manager.poll()}): {said}")

    def start_session_bus(self, accessibility_on=True):
        out = self.run("dbus-launch", "--sh-syntax").stdout
        for line in out.splitlines():
            if line.startswith("DBUS_SESSION_BUS_ADDRESS="):
                self.env["DBUS_SESSION_BUS_ADDRESS"] = line.split("=", 1)[1].strip("';")
            if line.startswith("DBUS_SESSION_BUS_PID="):
                self.bus_pid = int(line.split("=", 1)[1].strip(";"))
        launcher = shutil.which("at-spi-bus-launcher") or "/usr/libexec/at-spi-bus-launcher"
        self.start([launcher, "--launch-immediately"])
        # What a desktop with assistive technology switched on says to programs.
        wait_for(lambda: self.run(
            "dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
            "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
            "string:IsEnabled", f"variant:boolean:{'true' if accessibility_on else 'false'}"
        ).returncode == 0)
        # pyatspi, in this process, reads the same session.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        if "DISPLAY" in self.env:
            os.environ["DISPLAY"] = self.env["DISPLAY"]

    def stop(self):
        # Last started, first stopped, each gone before the next is asked:
        # a client that outlives its server may start another one.
        for process in reversed(self.processes):
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(process.pid, sig)
                except (ProcessLookupError, PermissionError):
                    pass
                try:
                    process.wait(timeout=5)
                    break
                except subprocess.TimeoutExpired:
                    pass
        # Whatever they started and left behind in their sessions.
        for process in self.processes:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except (ProcessLookupError, PermissionError):
                pass
        if self.bus_pid:
            try:
                os.kill(self.bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.runtime, ignore_errors=True)


def application(name=TITLE):
    """The program's root on the accessibility bus, or None."""
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        child = desktop.getChildAtIndex(i)
        if child is not None and child.name == name:
            return child
    return None


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def find(root, role, name=None):
    for node in nodes(root):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def centre(node):
    import pyatspi
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2
