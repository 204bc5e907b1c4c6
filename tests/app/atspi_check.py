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


def find_app(name, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


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


app = find_app("Mezura")
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


def type_keys():
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Brellin Calculator$", "windowactivate", "--sync"],
                   check=False, stdout=subprocess.DEVNULL)
    subprocess.run(["xdotool", "type", "--delay", "50", "5'+7="], check=False)
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
sys.exit(1 if failures else 0)
