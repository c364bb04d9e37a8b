#!/usr/bin/python3
"""Checks Tamurik from outside as assistive technology sees it: the main menu's icons are listed
by name, and pressing "Programminfo" opens the info box. Run under Xvfb inside a D-Bus session
(tools/a11y_check.sh does both)."""
import subprocess
import sys
import time

import pyatspi

EXPECTED = ["Beenden", "Verben zusammenpuzzeln", "Quatschverben", "Benutzereingabe", "Programminfo",
            "Verben trennen", "Verben schreiben", "Farben und Schrift", "Reimverben finden",
            "Verbbedeutung", "Reimverben Memory", "Belohnungsspiel", "ABC-Verben", "Verbformen",
            "Galgenspiel", "Verben zusammensetzen", "Verben schnell lesen", "Reimverben schreiben",
            "Anleitung", "Verbenwahl", "Verben verlängern"]


def find_app(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and name.lower() in app.name.lower():
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def window_named(app, title):
    for child in app:
        if child is not None and child.name == title and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


def wait_for_window(app, title, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        window = window_named(app, title)
        if window is not None:
            return window
        time.sleep(0.2)
    return None


def main():
    program, folder = sys.argv[1], sys.argv[2]
    proc = subprocess.Popen([program], cwd=folder)
    try:
        app = find_app("tamurik")
        if app is None:
            print("FAIL: Tamurik does not show up on the accessibility bus")
            return 1
        menu = wait_for_window(app, "Tamurik:  Freund und Gast")
        if menu is None:
            print("FAIL: no main menu window")
            return 1
        buttons = {}
        for node in walk(menu):
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name:
                buttons[node.name] = node
        missing = [name for name in EXPECTED if name not in buttons]
        print("icons listed:", len([n for n in EXPECTED if n in buttons]), "of", len(EXPECTED))
        if missing:
            print("FAIL: missing", missing)
            return 1
        info = buttons["Programminfo"]
        action = info.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        print("actions of Programminfo:", names)
        lower = [name.lower() for name in names]
        if "press" not in lower:
            print("FAIL: Programminfo offers no press action")
            return 1
        action.doAction(lower.index("press"))
        if wait_for_window(app, "Programm-Info") is None:
            print("FAIL: pressing Programminfo did not open the info box")
            return 1
        print("PASS: info box opened by the press action")
        return 0
    finally:
        proc.terminate()
        proc.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
