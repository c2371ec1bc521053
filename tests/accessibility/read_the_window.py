# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
"""Reads the tutor's window as a screen reader does, over AT-SPI, before and
during a key drill and in word typing: every control a learner can see or use,
with its role, its name and its value, and the changes the window announces.
The expected names are the window's captions as designed. Keys are pressed
through the X server (xdotool), by their X key codes."""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The drawn keyboard's keys in slot order, as the English layout names them,
# and their X key codes (evdev + 8).
KEY_NAMES = ["Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "{[", "]}", "|",
             "A", "S", "D", "F", "G", "H", "J", "K", "L", ":;", "'",
             "Z", "X", "C", "V", "B", "N", "M", "<,", ">.", "?/", "Space"]
KEY_CODES = [24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 51,
             38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
             52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 65]
ALT = 64
# The practice text opens with "х", which the H key writes.
PRACTICE_TEXT_OPENS = ("х", 43)

failures = []
announced = []


def check(holds, what):
    if not holds:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def pump(seconds=0.0):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(condition, what, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        if condition():
            return True
        time.sleep(0.05)
    check(False, "timed out waiting for " + what)
    return False


def states(node):
    return node.get_state_set()


def has(node, state):
    return states(node).contains(state)


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def find_all(root, role, name=None):
    return [n for n in walk(root) if n.get_role_name() == role
            and (name is None or n.get_name() == name)]


def find(root, role, name):
    found = find_all(root, role, name)
    check(len(found) == 1, f"one {role} named {name!r}, found {len(found)}")
    return found[0] if found else None


def offers(node, interface):
    return node is not None and interface in node.get_interfaces()


def value_of(node):
    return Atspi.Value.get_current_value(node) if offers(node, "Value") else None


def press(node):
    check(offers(node, "Action"), f"{node.get_name() if node else None!r} can be pressed")
    if offers(node, "Action"):
        Atspi.Action.do_action(node, 0)


def key(code):
    subprocess.run(["xdotool", "key", str(code)], check=True)


def selected_keys(keyboard):
    return [i for i in range(keyboard.get_child_count())
            if has(keyboard.get_child_at_index(i), Atspi.StateType.SELECTED)]


def on_event(event):
    announced.append((event.type, event.source.get_name() if event.source else None))


def main():
    window = None
    end = time.monotonic() + 30
    while window is None and time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "arvan" and app.get_child_count() > 0:
                window = app.get_child_at_index(0)
        time.sleep(0.1)
    if window is None:
        print("FAIL: the tutor's window never showed on the accessibility bus", file=sys.stderr)
        return 1
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:state-changed:selected", "object:property-change:accessible-value",
                 "object:property-change:accessible-name", "object:text-caret-moved"):
        listener.register(kind)

    # The idle window.
    start = find(window, "push button", "Эхлэх")
    exit_ = find(window, "push button", "Гарах")
    menu = find(window, "push button", "Дасгал")
    for name in ("Үсгээ харж бичих", "Үсгээ харахгүй бичиж сурах"):
        find(window, "push button", name)
    entries = [find(menu, "menu item", name) if menu else None
               for name in ("Үг харж бичих", "Текст бичих", "Буцах")]
    check(all(e is not None and not has(e, Atspi.StateType.SHOWING) for e in entries),
          "the menu's entries are hidden until the menu opens")
    for group, options, chosen in (("Хурдны сонголт", ("Хурдан", "Дунд", "Удаан"), "Удаан"),
                                   ("Гарны сонголт", ("Монгол", "Англи"), "Англи")):
        frame = find(window, "panel", group)
        for option in options:
            button = find(frame, "radio button", option) if frame else None
            check(button is not None and has(button, Atspi.StateType.CHECKED) == (option == chosen),
                  f"{option!r} is {'checked' if option == chosen else 'not checked'}")
    for text in ("Alt - Товчлуурыг дарж зогсооно.", "Time", "Буруу дарагдсан", "Зөв дарагдсан"):
        check(len(find_all(window, "label", text)) >= 1, f"a label {text!r}")
    misses, hits = (next((n for n in find_all(window, "label", name) if value_of(n) is not None),
                         None) for name in ("Буруу дарагдсан", "Зөв дарагдсан"))
    check(misses is not None and hits is not None, "both counters with a value")
    bar = find(window, "progress bar", "")
    check(value_of(bar) == 0, "the pressure bar stands at 0")
    keyboard = find(window, "list", "Гар")
    if keyboard is None:
        return 1
    names = [keyboard.get_child_at_index(i).get_name() for i in range(keyboard.get_child_count())]
    check(names == KEY_NAMES, f"the keyboard's keys are named by their captions: {names}")
    check(selected_keys(keyboard) == [], "no key is the target while idle")

    # A drill, started and played as through a screen reader.
    press(start)
    wait_for(lambda: not has(start, Atspi.StateType.SENSITIVE), "Start to be disabled in a drill")
    check(not has(exit_, Atspi.StateType.SENSITIVE), "Exit is disabled in a drill")
    wait_for(lambda: len(selected_keys(keyboard)) == 1, "one key to be the target")
    check(find_all(window, "label", "00:00:00") != [], "the clock reads 00:00:00")
    for hit in range(1, 4):
        target = selected_keys(keyboard)[0]
        announced.clear()
        key(KEY_CODES[target])
        wait_for(lambda: value_of(hits) == hit, f"the hit counter to read {hit}")
        wait_for(lambda: len(selected_keys(keyboard)) == 1 and selected_keys(keyboard) != [target],
                 "another key to be the target")
        pump(0.2)
        kinds = {kind for kind, _ in announced}
        check("object:state-changed:selected" in kinds, f"hit {hit}: the new target is announced")
        check("object:property-change:accessible-value" in kinds,
              f"hit {hit}: the counter's change is announced")
    wrong = next(i for i in range(len(KEY_CODES)) if i not in selected_keys(keyboard))
    key(KEY_CODES[wrong])
    wait_for(lambda: value_of(misses) == 1, "the miss counter to read 1")
    key(ALT)
    wait_for(lambda: has(start, Atspi.StateType.SENSITIVE), "Alt to stop the drill")
    check(selected_keys(keyboard) == [], "no key is the target after the drill")

    # Word typing: the practice text, read-only, its caret on the next
    # character to type.
    press(menu)
    wait_for(lambda: has(entries[0], Atspi.StateType.SHOWING), "the menu to open")
    press(entries[0])
    wait_for(lambda: find_all(window, "text", "Үг харж бичих"), "the practice text")
    for text in find_all(window, "text", "Үг харж бичих")[:1]:
        check(not has(text, Atspi.StateType.EDITABLE), "the practice text is read-only")
        letter, code = PRACTICE_TEXT_OPENS
        check(Atspi.Text.get_text(text, 0, 1) == letter, f"the practice text opens with {letter!r}")
        check(Atspi.Text.get_caret_offset(text) == 0, "the caret stands on the first character")
        key(code)
        wait_for(lambda: Atspi.Text.get_caret_offset(text) == 1,
                 "the caret to move to the next character")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
