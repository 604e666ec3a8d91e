"""Reads the running program's tree over the accessibility bus and checks what a screen reader
needs: names and roles of the main window's controls, the list's entries, after Start the
flash window's name and description, and paused the line that tells the step shown. Prints the
tree it read."""
import re
import subprocess
import sys
import time

import pyatspi

DEADLINE_SECONDS = 30
ENTRIES = ["RGB(255, 0, 0)", "RGB(255, 127, 0)", "RGB(255, 255, 0)", "RGB(0, 255, 0)",
           "RGB(0, 0, 255)", "RGB(75, 0, 130)", "RGB(143, 0, 255)"]
BUTTONS = ["Add Color", "Delete Selected Color", "Clear List", "Load Default Colors",
           "Start Chromaflick (Press 'ESC' To Stop)"]
DELAY_FIELD = "Milliseconds Delay Between Each Color"
FLASH_NAME = "Chromaflick color flash"


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node, depth=0):
    yield node, depth
    for child in children(node):
        if child is not None:
            yield from walk(child, depth + 1)


def describe(node):
    text = f"{node.getRoleName()} \"{node.name}\""
    if node.description:
        text += f" ({node.description})"
    return text


def poll(find, what):
    end = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} did not appear within {DEADLINE_SECONDS} s")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == "chromaflick":
            return app
    return None


def frame(app, name):
    for node in children(app):
        if node is not None and node.getRoleName() == "frame" and node.name == name:
            return node
    return None


def print_tree(root):
    for node, depth in walk(root):
        print("  " * depth + describe(node))


failures = []


def check(condition, message):
    print(("ok   " if condition else "FAIL ") + message)
    if not condition:
        failures.append(message)


app = poll(application, 'the application "chromaflick"')
main = poll(lambda: frame(app, "Chromaflick"), 'the frame "Chromaflick"')
# The list fills during the load; wait until its last entry is there.
poll(lambda: any(n.name == ENTRIES[-1] for n, _ in walk(main)), "the list's entries")
print_tree(app)

nodes = [node for node, _ in walk(main)]
named = {(node.getRoleName(), node.name) for node in nodes}
check(("text", DELAY_FIELD) in named, f'a text field named "{DELAY_FIELD}"')
check(("tree", "RGB Colors") in named, 'a list (tree) named "RGB Colors"')
item_names = [n.name for n in nodes if n.getRoleName() == "table cell"]
check(item_names == ENTRIES, "list items read their entries: " + ", ".join(item_names))
for button in BUTTONS:
    check(("push button", button) in named, f'a push button "{button}"')

start = next(n for n in nodes if n.getRoleName() == "push button" and n.name == BUTTONS[-1])
actions = start.queryAction()
press = next(i for i in range(actions.nActions) if actions.getName(i) in ("Press", "press", "click"))
actions.doAction(press)


def flash_window():
    for node in children(app):
        if node is not None and node.name != "Chromaflick" and node.getRoleName() in (
                "frame", "window", "dialog"):
            return node
    return None


flash = poll(flash_window, "the flash window")
print_tree(flash)
check((flash.getRoleName(), flash.name) == ("frame", FLASH_NAME),
      f'the flash window is a frame "{FLASH_NAME}"')
check("Escape" in flash.description, "its description says Escape leaves it")
check("hide" in flash.description, "its description says how to hide the hint")
for key in ("Space", "Right", "Left", "Page Down", "Page Up", "Home"):
    check(key in flash.description, f"its description tells the key {key}")

# Paused on the list's first color, the step is told as the list writes it. With no window
# manager the keyboard follows the pointer, which goes over the flash first.
subprocess.run(["xdotool", "mousemove", "960", "540", "key", "space", "Home"], check=True)
READOUT = re.compile(r"RGB\(255, 0, 0\), step \d+")


def readout():
    return next((n for n, _ in walk(flash) if READOUT.fullmatch(n.name or "")), None)


told = poll(readout, "the paused step's line")
check(told.getRoleName() == "label", f'the step is told by a label "{told.name}"')
check(flash.description.startswith(told.name), "the flash window's description tells it first")
subprocess.run(["xdotool", "key", "space"], check=True)


def gone():
    return readout() is None or not told.getState().contains(pyatspi.STATE_SHOWING)


poll(gone, "the line gone on resuming")

sys.exit(1 if failures else 0)
