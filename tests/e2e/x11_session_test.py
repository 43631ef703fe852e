#!/usr/bin/python3
"""Uses the real program as a person does: a real window on a private X
server, clicked with the mouse at the designed places, typed at, and read back
through the accessibility bus, the way a screen reader reads it."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PROGRAM = sys.argv[1]
failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: got {got!r}, expected {expected!r}")
        print(f"FAIL {what}: got {got!r}, expected {expected!r}", flush=True)
    else:
        print(f"ok   {what}", flush=True)


def start_x_server(env):
    for number in range(90, 190):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        server = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        if wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{number}") or server.poll(), 10) \
                and server.poll() is None:
            env["DISPLAY"] = f":{number}"
            return server
        server.kill()
    raise RuntimeError("no free X display")


def wait_for(predicate, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return None


def main():
    env = dict(os.environ)
    runtime = tempfile.mkdtemp(prefix="vardel-e2e-")
    env.update(HOME=runtime, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=runtime,
               NO_AT_BRIDGE="0")
    env.pop("QT_QPA_PLATFORM", None)
    processes = []
    try:
        processes.append(start_x_server(env))
        bus_pid = None
        bus = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, capture_output=True,
                             text=True, check=True).stdout
        for line in bus.splitlines():
            if line.startswith("DBUS_SESSION_BUS_ADDRESS="):
                env["DBUS_SESSION_BUS_ADDRESS"] = line.split("=", 1)[1].strip("';")
            if line.startswith("DBUS_SESSION_BUS_PID="):
                bus_pid = int(line.split("=", 1)[1].strip(";"))
        launcher = shutil.which("at-spi-bus-launcher") or "/usr/libexec/at-spi-bus-launcher"
        # In a session of its own: the bus it starts goes with it at the end.
        processes.append(subprocess.Popen([launcher, "--launch-immediately"], env=env,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                          start_new_session=True))
        # What a desktop with assistive technology switched on says to programs.
        wait_for(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
             "string:IsEnabled", "variant:boolean:true"],
            env=env, capture_output=True).returncode == 0)
        os.environ.update(DISPLAY=env["DISPLAY"],
                          DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"])
        program = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.PIPE, text=True,
                                   start_new_session=True)
        processes.append(program)
        run_session(env)
        program.terminate()
        stderr = program.communicate(timeout=10)[1]
        unexpected = [l for l in stderr.splitlines() if l and "XDG_RUNTIME_DIR" not in l]
        check("nothing written to stderr", unexpected, [])
    finally:
        for process in reversed(processes):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except (ProcessLookupError, PermissionError):
                pass
            if process.poll() is None:
                process.kill()
            process.wait()
        if bus_pid:
            try:
                os.kill(bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(runtime, ignore_errors=True)
    if failures:
        print(f"0 passed, {len(failures)} failed")
        sys.exit(1)
    print("x11 session: all checks passed")


def run_session(env):
    import pyatspi

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == "Vardel":
                return child
        return None

    app = wait_for(application, 20)
    if app is None:
        check("the program appears on the accessibility bus", False, True)
        return

    def nodes(node):
        yield node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from nodes(child)

    def extents(node):
        c = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (c.x, c.y, c.width, c.height)

    def find(role, name=None):
        for node in nodes(app):
            if node.getRoleName() == role and (name is None or node.name == name):
                return node
        return None

    panel = wait_for(lambda: find("filler"), 10)
    origin = extents(panel)[:2]  # the client area below the menu bar
    display = [n for n in nodes(app) if n.getRoleName() == "label" and extents(n)[2] == 288][0]

    def shown():
        return display.name

    def xdo(*args):
        subprocess.run(["xdotool", *args], env=env, check=True)

    def click_twips(left, top, width, height):
        """Clicks the middle of a control placed in twips, as the panel is designed."""
        x = origin[0] + (left + width / 2) / 15
        y = origin[1] + (top + height / 2) / 15
        xdo("mousemove", str(int(x)), str(int(y)), "click", "1")
        time.sleep(0.05)

    def type_text(text):
        for ch in text:
            if ch == "\n":
                xdo("key", "Return")
            else:
                xdo("type", ch)
            time.sleep(0.02)

    def settle(expected):
        wait_for(lambda: shown() == expected, 3)
        return shown()

    check("display at start", shown(), "VORNA")
    check("text1 at its designed place",
          tuple(extents(display)), (origin[0] + 16, origin[1] + 64, 288, 29))
    enter = find("push button", "Enter")
    check("Enter key at its designed place",
          tuple(extents(enter)), (origin[0] + 16, origin[1] + 224, 145, 25))

    # The keypad by mouse: 7 and then + 5 = typed.
    click_twips(1200, 5760, 735, 375)  # Command1(7)
    check("a clicked 7 is spoken with its blank", settle(" 7"), " 7")
    type_text("+5=")
    check("typed +5= after 7", settle(" 12"), " 12")
    type_text("c")
    check("typed c clears", settle(" 0"), " 0")

    # Engine pressure, English: 100 psi, 150 gpm, 1 3/4 in, one line, 200 ft, no floors.
    click_twips(240, 2040, 735, 375)  # ENGINE PRESSURE
    check("engine pressure asks for the nozzle pressure", settle("Nozzle PSI"), "Nozzle PSI")
    type_text("100\n150\n")
    check("then for the hose", settle("HOSE SIZE"), "HOSE SIZE")
    click_twips(2640, 4200, 855, 255)  # the 1 3/4 in hose key
    check("the hose key shows its size", settle("1.75"), "1.75")
    type_text("\n\n200\n\n")
    check("engine pressure result", settle("PSI 170"), "PSI 170")

    # F2 walks its inputs again: each Enter shows one stored value, the next
    # keeps it or takes a new one. All kept but the floors, now 3.
    xdo("key", "F2")
    check("F2 shows the first prompt again", settle("Nozzle PSI"), "Nozzle PSI")
    type_text("\n")
    check("then the stored nozzle pressure", settle("100"), "100")
    type_text("\n" * 10)
    check("the walk reaches the floors stored", settle("0"), "0")
    type_text("3\n")
    check("engine pressure walked with 3 floors", settle("PSI 183"), "PSI 183")

    # Metric friction loss: 600 L/min through 45 mm, one line, 60 m.
    click_twips(3000, 2880, 735, 375)  # ENGLISH METRIC
    indicator = find("text", "Unit system")
    check("indicator switched", wait_for(
        lambda: indicator.queryText().getText(0, -1) == "M", 3), True)
    click_twips(240, 2880, 735, 375)  # FRICTION LOSS
    type_text("600\n")
    click_twips(2640, 4200, 855, 255)
    type_text("\n\n60\n")
    check("metric friction loss", settle("kPa 531"), "kPa 531")

    # The display's context menu does what F2 does: the length walked to 90 m.
    # (A popup menu is not in the accessibility tree; its one item is chosen
    # with the arrow key.)
    x, y, w, h = extents(display)
    xdo("mousemove", str(x + w // 2), str(y + h // 2), "click", "3")
    time.sleep(0.3)
    xdo("key", "Down", "Return")
    check("Review inputs shows the first prompt again", settle("FLOW LPM"), "FLOW LPM")
    type_text("\n" * 7)
    check("the walk reaches the length stored", settle("60"), "60")
    type_text("90\n")
    check("friction loss walked to 90 m", settle("kPa 797"), "kPa 797")

    # A lone zero where a value is needed ends the calculation with ERROR.
    click_twips(3000, 2040, 735, 375)  # APPLIC. RATE
    type_text("0\n")
    check("lone zero", settle("ERROR"), "ERROR")

    # The About box, by the menu's access keys, and Esc closes it.
    xdo("key", "alt+h")
    time.sleep(0.3)
    xdo("key", "a")
    about = wait_for(lambda: find("dialog"), 5)
    check("About box opens from Alt+H, A", about is not None, True)
    if about is not None:
        texts = [n.name for n in nodes(about) if n.getRoleName() == "label"]
        check("About box shows the version", "Version 2.0.0" in texts, True)
        check("About box title", about.name, "About Vardel")
        type_text("9")
        check("the main window takes no input while the About box is open", shown(), "ERROR")
        xdo("key", "Escape")
        check("Esc closes the About box", wait_for(lambda: find("dialog") is None, 5), True)

    # Typed Enter with the focus on a digit key runs Enter once.
    click_twips(3000, 2880, 735, 375)  # back to English units
    click_twips(1080 + 120, 1680 + 360, 735, 375)  # FLOW RATE, STRAIGHT TIP
    click_twips(2040, 6240, 735, 375)  # Command1(5): also takes the focus
    type_text("0\n")
    check("typed Enter runs one step", settle("TIP in"), "TIP in")
    type_text("1.125\n")
    check("straight-tip flow", settle("GPM 266"), "GPM 266")


if __name__ == "__main__":
    main()
