#!/usr/bin/python3
"""Checks Tamurik from outside as assistive technology sees it: the main menu's icons are listed
by name, pressing "Programminfo" opens the info box, whose text is read to its end, and the
manual is a document with its whole text. Run under Xvfb inside a D-Bus session
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


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    action.doAction(names.index("press"))


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
        info_box = wait_for_window(app, "Programm-Info")
        if info_box is None:
            print("FAIL: pressing Programminfo did not open the info box")
            return 1
        print("PASS: info box opened by the press action")
        # The info text is read whole, as text.
        if not any("Viel Spaß beim Üben!" in (node.name or "") for node in walk(info_box)):
            print("FAIL: the info text is not read out to its end")
            return 1
        print("PASS: the info text is read to its end")
        for node in walk(info_box):
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == "Schließen":
                press(node)
                break
        # "Anleitung" asks in a box, read out as it comes up, whether to read the manual: "Ja".
        press(buttons["Anleitung"])
        box = wait_for_window(app, "Tamurik")
        yes = [node for node in walk(box) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
               and node.name == "Ja"] if box is not None else []
        if not yes:
            print("FAIL: the introduction's box offers no Ja button")
            return 1
        press(yes[0])
        manual = wait_for_window(app, "Tamurik: Anleitung")
        if manual is None:
            print("FAIL: Ja in the introduction's box did not open the manual")
            return 1
        documents = [node for node in walk(manual)
                     if node.getRole() == pyatspi.ROLE_DOCUMENT_FRAME and node.name == "Anleitung"]
        text = documents[0].queryText().getText(0, -1) if documents else ""
        if "Lesehilfen für die Farben" not in text:
            print("FAIL: the manual is not read as a document with its text")
            return 1
        print("PASS: the manual is a document of", len(text), "characters")
        return 0
    finally:
        proc.terminate()
        proc.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
