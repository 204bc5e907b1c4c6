#!/usr/bin/python3
"""What a screen reader meets over AT-SPI, read from the running program:
prints the tree it walks (menus left out), types 5'+7= with xdotool, opens a
memory cell and the converter through their menu items' actions, and checks
the display, its change events, the tape, the cell and the figures.
Run by atspi_names.sh, inside a session bus, with DISPLAY set."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, what):
    print(("ok: " if condition else "FAILED: ") + what)
    failures.extend([] if condition else [what])


def text_of(obj):
    try:
        return obj.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def walk(obj, depth=0, found=None):
    """Prints the tree below obj (menus left out, tables cut short); returns {(role, name): obj}."""
    found = {} if found is None else found
    role, showing = obj.getRoleName(), obj.getState().contains(pyatspi.STATE_SHOWING)
    text = text_of(obj) if role == "label" else None
    print("  " * depth + "%s %r%s%s" % (role, obj.name, "" if text is None else " text=%r" % text,
                                         "" if showing else " (not showing)"))
    found.setdefault((role, obj.name), obj)
    if role == "push button" and showing and not obj.name:
        unnamed.append(obj)
    for i, child in enumerate(obj):
        if child is not None and "menu" not in child.getRoleName() and (role != "table" or i < 8):
            walk(child, depth + 1, found)
    return found


unnamed = []


def windows(app):
    return {w.name: w for w in app if w is not None}


# The calculator shows its tape once the window manager has framed it.
app = None
for _ in range(75):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Mezura"), None)
    if app is not None and {"Brellin Calculator", "Tape"} <= windows(app).keys():
        break
    time.sleep(0.2)
if app is None:
    sys.exit("FAILED: the program is not on the accessibility bus")
found = walk(app)
display = found.get(("label", "Display"))
check(display is not None and text_of(display) == "0.", "a label named Display reads '0.'")
check(("table", "Tape: Calculator") in found, "the tape's table is named 'Tape: Calculator'")
check(not unnamed, "every showing key has a name")
if display is None:
    sys.exit(1)

events = []
pyatspi.Registry.registerEventListener(lambda e: events.append(str(e.type)) if e.source == display else None,
                                       "object:text-changed")
loop = GLib.MainLoop()


def type_keys():
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Brellin Calculator$", "windowactivate", "--sync"],
                   stdout=subprocess.DEVNULL)
    # Keys typed before the calculator is the active window would go elsewhere.
    for _ in range(50):
        if windows(app)["Brellin Calculator"].getState().contains(pyatspi.STATE_ACTIVE):
            break
        time.sleep(0.1)
    subprocess.run(["xdotool", "type", "--delay", "80", "5'+7="])
    GLib.timeout_add(1500, loop.quit)
    return False


GLib.timeout_add(200, type_keys)
GLib.timeout_add(10000, loop.quit)
loop.run()
print("display after typing 5'+7=: name=%r text=%r; its events: %s" % (display.name, text_of(display), sorted(set(events))))
check(display.name == "Display" and text_of(display) == "5'- 7\"", "the display reads the result 5'- 7\"")
check("object:text-changed:insert" in events, "the display told its new text")
table = found[("table", "Tape: Calculator")].queryTable()
lines = [table.getAccessibleAt(row, 0).name for row in range(min(table.nRows, 6))]
print("the tape's lines: %r" % lines)
check("5'- 7\"" in lines, "the tape's result line reads 5'- 7\" without its blanks")



def find_item(obj, name):
    if obj.getRoleName() == "menu item" and obj.name == name:
        return obj
    return next((hit for c in obj if c is not None for hit in [find_item(c, name)] if hit is not None), None)


for item in ("New Memory", "Converter"):
    find_item(app, item).queryAction().doAction(0)
time.sleep(1.5)
print("after New Memory and Converter:")
found = {}
for name, window in windows(app).items():
    if name in ("Memory", "Converter"):
        walk(window, 1, found)
cell = found.get(("label", "Memory 1"))
check(cell is not None and text_of(cell) == "0.", "the new cell's value is named by its cell and reads '0.'")
check(("label", "Value to convert") in found and ("label", "Conversion 8") in found, "the converter's figures are named")
sys.exit(1 if failures else 0)
