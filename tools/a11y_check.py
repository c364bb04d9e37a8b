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
            "Anleitung", "Verbenwahl"]


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


def main():
    program, folder = sys.argv[1], sys.argv[2]
    proc = subprocess.Popen([program], cwd=folder)
    try:
        app = find_app("tamurik")
        if app is None:
            print("FAIL: Tamurik does not show up on the accessibility bus")
            return 1
        menu = None
        end = time.time() + 10
        while menu is None and time.time() < end:
            menu = window_named(app, "Tamurik:  Freund und Gast")
            time.sleep(0.2)
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
        action.doAction(names.index("press") if "press" in names else 0)
        end = time.time() + 10
        box = None
        while box is None and time.time() < end:
            box = window_named(app, "Programm-Info")
            time.sleep(0.2)
        if box is None:
            print("FAIL: pressing Programminfo did not open the info box")
            return 1
        print("PASS: info box opened by the press action")
        return 0
    finally:
        proc.terminate()
        proc.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
