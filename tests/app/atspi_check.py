#!/usr/bin/python3
"""What a screen reader meets, read over AT-SPI from the running program:
the names of the display and the keys, the tape's table, and the display's
value and change events after keys typed with xdotool. Prints the tree it
walked. Run by atspi_names.sh, inside a session bus, with DISPLAY set."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, what):
    print(("ok: " if condition else "FAILED: ") + what)
    if not condition:
        failures.append(what)


def find_app(name, windows, seconds=15):
    """The application once all its `windows` show (or whatever there is after `seconds`)."""
    end = time.time() + seconds
    found = None
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                found = app
                if windows <= {w.name for w in app if w is not None}:
                    return app
        time.sleep(0.2)
    return found


def text_of(obj):
    try:
        return obj.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def walk(obj, depth, found):
    """Prints the tree (menus left out) and collects (role, name, showing, obj)."""
    role = obj.getRoleName()
    if role in ("menu bar", "popup menu"):
        return
    showing = obj.getState().contains(pyatspi.STATE_SHOWING)
    text = text_of(obj) if role == "label" else None
    print("  " * depth + "%s %r%s%s" % (role, obj.name, "" if text is None else " text=%r" % text,
                                         "" if showing else " (not showing)"))
    found.append((role, obj.name, showing, obj))
    # A table lists its cells: the first few are enough to see them read.
    for i, child in enumerate(obj):
        if child is not None and (role != "table" or i < 8):
            walk(child, depth + 1, found)


# The calculator shows its tape once the window manager has framed it.
app = find_app("Mezura", {"Brellin Calculator", "Tape"})
check(app is not None, "the program is on the accessibility bus")
if app is None:
    sys.exit(1)
found = []
walk(app, 0, found)


def named(role, name):
    return [f for f in found if f[0] == role and f[1] == name]


displays = named("label", "Display")
check(len(displays) == 1, "one label named Display")
for key in ["7", "0", "Plus", "Minus", "Times", "Divided by", "Feet", "Inches", "Equals", "Space", "Clear"]:
    check(len(named("push button", key)) == 1, "a key named %r" % key)
unnamed = [f for f in found if f[0] == "push button" and f[2] and not f[1]]
check(not unnamed, "no showing key without a name")
check(all(not f[2] for f in named("push button", "Backspace") + named("push button", "Pi")),
      "Backspace and Pi are not showing")
check(len(named("table", "Tape: Calculator")) == 1, "the tape's table is named 'Tape: Calculator'")
if not displays:
    sys.exit(1)
display = displays[0][3]
check(text_of(display) == "0.", "the display reads '0.' at the start (read %r)" % text_of(display))

# Type 5' + 7 = on the calculator and listen for what the display tells.
events = []
pyatspi.Registry.registerEventListener(
    lambda e: events.append(e.type) if e.source == display else None,
    "object:text-changed")
loop = GLib.MainLoop()


frame = next(w for w in app if w is not None and w.name == "Brellin Calculator")


def type_keys():
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Brellin Calculator$", "windowactivate", "--sync"],
                   check=False, stdout=subprocess.DEVNULL)
    # Keys typed before the calculator is the active window would go elsewhere.
    for _ in range(50):
        if frame.getState().contains(pyatspi.STATE_ACTIVE):
            break
        time.sleep(0.1)
    subprocess.run(["xdotool", "type", "--delay", "80", "5'+7="], check=False)
    GLib.timeout_add(1500, loop.quit)
    return False


GLib.timeout_add(200, type_keys)
GLib.timeout_add(10000, loop.quit)
loop.run()
after = text_of(display)
print("display after typing 5'+7=: name=%r text=%r" % (display.name, after))
print("events from the display: %s" % sorted(set(str(e) for e in events)))
check(display.name == "Display", "the display keeps its name")
check(after == "5'- 7\"", "the display reads the result 5'- 7\" (read %r)" % after)
check(any(str(e).startswith("object:text-changed:insert") for e in events), "the display sent the new text")


def find(obj, role, name):
    """The first object of `role` named `name` under obj, menus included."""
    if obj.getRoleName() == role and obj.name == name:
        return obj
    for child in obj:
        hit = find(child, role, name) if child is not None else None
        if hit is not None:
            return hit
    return None


# A memory cell and the converter, opened through their menu items' actions.
for item in ("New Memory", "Converter"):
    menu_item = find(app, "menu item", item)
    check(menu_item is not None, "a menu item %r" % item)
    if menu_item is not None:
        menu_item.queryAction().doAction(0)
time.sleep(1.5)
print("after New Memory and Converter:")
found = []
for window in app:
    if window is not None and window.name != "Brellin Calculator":
        walk(window, 1, found)
cells = [f for f in found if f[0] == "label" and f[1].startswith("Memory ")]
check(len(cells) == 1 and text_of(cells[0][3]) == "0.", "the new cell's label is named by the cell and reads '0.'")
check(len(named("label", "Value to convert")) == 1, "the converter's drop label is named")
check(len([f for f in found if f[0] == "label" and f[1].startswith("Conversion ")]) == 8,
      "the converter's eight figures are named")
sys.exit(1 if failures else 0)
