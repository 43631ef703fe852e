#!/usr/bin/python3
"""The program's windows as a real window manager (icewm) on a private X
server shows them: which actions it allows on each window, and the title
bars of the main window, the About box and the message boxes, read from the
X server as the window manager reads them."""

import sys

from desktop import Checks, Desktop, application, centre, find, wait_for

PROGRAM = sys.argv[1]
checks = Checks()
check = checks.check


def main():
    with Desktop() as desktop:
        desktop.start_x_server()
        desktop.start_session_bus()
        desktop.start_window_manager(["icewm"])
        program = desktop.start_program([PROGRAM])
        session(desktop, program.pid)


def session(desktop, pid):
    def prop(window, name):
        where = ["-root"] if window == "-root" else ["-id", window]
        out = desktop.run("xprop", "-notype", *where, name).stdout.strip()
        return out.split(" = ", 1)[1] if " = " in out else None

    def windows():
        """The program's managed windows, in the order the manager took them."""
        listed = desktop.run("xprop", "-root", "_NET_CLIENT_LIST").stdout
        ids = [w.strip() for w in listed.partition("#")[2].split(",") if w.strip()]
        return [w for w in ids if prop(w, "_NET_WM_PID") == str(pid)]

    def actions(window):
        return set((prop(window, "_NET_WM_ALLOWED_ACTIONS") or "").replace(" ", "").split(","))

    def title(window):
        value = prop(window, "_NET_WM_NAME")
        print(f"{window} _NET_WM_NAME = {value}")
        return value[1:-1] if value and value.startswith('"') else value

    def xdo(*args):
        desktop.run("xdotool", *args)

    def buttons_as_designed(what, window):
        """Neither minimize nor maximize, and the close box; returns the
        allowed actions."""
        # The manager has set the allowed actions once it has mapped the window.
        wait_for(lambda: "_NET_WM_ACTION_CLOSE" in actions(window), 10)
        allowed = actions(window)
        print(f"{what} _NET_WM_ALLOWED_ACTIONS =", ", ".join(sorted(allowed)))
        check(f"{what}: no minimize", "_NET_WM_ACTION_MINIMIZE" in allowed, False)
        check(f"{what}: no maximize", bool(allowed & {"_NET_WM_ACTION_MAXIMIZE_HORZ",
                                                      "_NET_WM_ACTION_MAXIMIZE_VERT"}), False)
        check(f"{what}: closable", "_NET_WM_ACTION_CLOSE" in allowed, True)
        return allowed

    main_window = wait_for(lambda: (windows() or [None])[0], 30)
    check("the main window is managed", main_window is not None, True)
    if main_window is None:
        return
    allowed = buttons_as_designed("main window", main_window)
    check("main window: resizable", "_NET_WM_ACTION_RESIZE" in allowed, True)
    # The designed title is empty; the toolkit shows the program's name.
    check("main window title", title(main_window), "Vardel")

    app = wait_for(application, 20)
    check("the program is on the accessibility bus", app is not None, True)
    if app is None:
        return

    def new_window():
        """Waits for a second window of the program: a box over the main one."""
        return wait_for(lambda: next((w for w in windows() if w != main_window), None), 10)

    def gone(window):
        return wait_for(lambda: window not in windows(), 10) is not None

    xdo("windowactivate", "--sync", main_window)

    # The About box: Alt+H, A.
    import pyatspi
    xdo("key", "alt+h")
    item = wait_for(lambda: find(app, "menu item", "About Vardel"), 5)
    wait_for(lambda: item.getState().contains(pyatspi.STATE_SHOWING), 5)
    xdo("key", "a")
    about = new_window()
    check("the About box opens", about is not None, True)
    if about is not None:
        buttons_as_designed("About box", about)
        # The toolkit always offers the resize function in its hints; the
        # size hints hold the box at one size.
        hints = desktop.run("xprop", "-id", about, "WM_NORMAL_HINTS").stdout
        sizes = [line.split(":", 1)[1].strip() for line in hints.splitlines()
                 if "minimum size" in line or "maximum size" in line]
        check("About box: fixed size", len(sizes) == 2 and sizes[0] == sizes[1], True)
        check("About box title", title(about), "About Vardel")
        xdo("key", "Escape")
        check("Esc closes the About box", gone(about), True)

    def message_box(what, expected_title, make_it):
        make_it()
        box = new_window()
        check(f"{what}: a message box opens", box is not None, True)
        if box is None:
            return
        check(f"{what}: title", title(box), expected_title)
        xdo("key", "Return")
        check(f"{what}: OK closes it", gone(box), True)

    def click(name):
        key = find(app, "push button", name)
        x, y = centre(key)
        xdo("mousemove", str(x), str(y), "click", "1")

    message_box("a negative root", "Error",
                lambda: (xdo("type", "5"), click("Change sign"), click("Square root")))
    message_box("a divide by zero", "Vardel", lambda: xdo("type", "8/0="))
    message_box("a second point", "Vardel", lambda: xdo("type", "1.."))


if __name__ == "__main__":
    main()
    checks.finish("window manager")
