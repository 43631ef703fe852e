#!/usr/bin/python3
"""Uses the real program as a person does: a real window on a private X
server, clicked with the mouse at the designed places, typed at, and read back
through the accessibility bus, the way a screen reader reads it."""

import re
import subprocess
import sys

from desktop import Checks, Desktop, application, nodes, wait_for

PROGRAM = sys.argv[1]
checks = Checks()
check = checks.check


def main():
    with Desktop() as desktop:
        desktop.start_x_server()
        desktop.start_session_bus()
        program = desktop.start_program([PROGRAM], quiet=False, stderr=subprocess.PIPE, text=True)
        run_session(desktop)
        program.terminate()
        stderr = program.communicate(timeout=10)[1]
        unexpected = [l for l in stderr.splitlines() if l and "XDG_RUNTIME_DIR" not in l]
        check("nothing written to stderr", unexpected, [])


def run_session(desktop):
    import pyatspi

    app = wait_for(application, 20)
    if app is None:
        check("the program appears on the accessibility bus", False, True)
        return

    def extents(node):
        c = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (c.x, c.y, c.width, c.height)

    def find(role, name=None):
        for node in nodes(app):
            if node.getRoleName() == role and (name is None or node.name == name):
                return node
        return None

    def largest_filler():
        fillers = [n for n in nodes(app) if n.getRoleName() == "filler"]
        return max(fillers, key=lambda n: extents(n)[2] * extents(n)[3], default=None)

    panel = wait_for(largest_filler, 10)
    origin = extents(panel)[:2]  # the client area below the menu bar
    display = [n for n in nodes(app) if n.getRoleName() == "label" and extents(n)[2] == 288][0]

    def shown():
        return display.name

    def xdo(*args):
        subprocess.run(["xdotool", *args], env=desktop.env, check=True)

    def popup_shown():
        """Whether a menu is open: a window mapped over the others, as the
        toolkit maps its popups (override-redirect)."""
        tree = desktop.run("xwininfo", "-root", "-children").stdout
        for window in re.findall(r"^\s+(0x[0-9a-f]+)", tree, re.M):
            info = desktop.run("xwininfo", "-id", window).stdout
            if "Map State: IsViewable" in info and "Override Redirect State: yes" in info:
                return True
        return False

    def click_twips(left, top, width, height):
        """Clicks the middle of a control placed in twips, as the panel is designed."""
        x = origin[0] + (left + width / 2) / 15
        y = origin[1] + (top + height / 2) / 15
        xdo("mousemove", str(int(x)), str(int(y)), "click", "1")

    def type_text(text):
        for ch in text:
            if ch == "\n":
                xdo("key", "Return")
            else:
                xdo("type", ch)

    def settle(expected):
        wait_for(lambda: shown() == expected, 10)
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
        lambda: indicator.queryText().getText(0, -1) == "M", 10), True)
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
    check("a right click on the display opens its menu", wait_for(popup_shown, 10), True)
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
    check("Alt+H opens the Help menu", wait_for(popup_shown, 10), True)
    xdo("key", "a")
    about = wait_for(lambda: find("dialog"), 5)
    check("About box opens from Alt+H, A", about is not None, True)
    if about is not None:
        texts = [n.name for n in nodes(about) if n.getRoleName() == "label"]
        check("About box shows the version", "Version 2.0.0" in texts, True)
        check("About box title", about.name, "About Vardel")
        # The 9 goes before the Esc that closes the box: had the main window
        # taken it, the display would show it once the box is gone.
        type_text("9")
        xdo("key", "Escape")
        check("Esc closes the About box", wait_for(lambda: find("dialog") is None, 5), True)
        check("the main window takes no input while the About box is open", shown(), "ERROR")

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
    checks.finish("x11 session")
