#!/usr/bin/env python3
"""The game as a screen reader meets it, through AT-SPI (pyatspi).

Run by accessibility.sh inside a private D-Bus session with the AT-SPI
registry, the game already started. Usage: accessibility.py GAME_PID
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PATIENCE = 60
PET_TYPES = ["Normal", "Kattin", "Genkikki", "V.V.V.", "Stresser", "Kasutama", "Tabezo",
             "Funtaro", "Tamagoro", "Vex.Pro.", "Randoman", "Ikarin", "KaneQueen"]
BUTTONS_IN_ORDER = ["餌を与える", "医者に診せる", "掃除する", "卵を売る", "小休止", "Push to End"]
NOTICES = ["産卵!!", "変化!!!", "怒!!"]

game_pid = int(sys.argv[1])
failures = []


def step(text):
    print(f"a11y: {text}", file=sys.stderr, flush=True)


def fail(text):
    print(f"a11y: FAILED: {text}", file=sys.stderr, flush=True)
    sys.exit(1)


def check(condition, text):
    if not condition:
        failures.append(text)
        print(f"a11y: WRONG: {text}", file=sys.stderr, flush=True)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def dismiss_notices():
    # The pet's own notices may come up at any moment; a player presses Enter.
    for title in NOTICES:
        for window in xdotool("search", "--onlyvisible", "--name", f"^{title}$"):
            step(f'notice "{title}" answered')
            xdotool("windowfocus", "--sync", window, "key", "Return")


def wait_for(what, probe):
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        pump()
        found = probe()
        if found:
            return found
        dismiss_notices()
        time.sleep(0.1)
    fail(f"no {what} within {PATIENCE}s")


def x_window(title):
    found = xdotool("search", "--onlyvisible", "--name", f"^{title}$")
    return found[0] if found else None


def game_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == game_pid:
                return app
        except Exception:
            continue
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def top_window(title):
    app = game_application()
    if app is None:
        return None
    for window in app:
        if window is not None and window.name == title and showing(window):
            return window
    return None


def find(window, role, name):
    for node in walk(window):
        if node.getRole() == role and node.name == name:
            return node
    return None


def focused_button(window):
    for node in walk(window):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.getState().contains(pyatspi.STATE_FOCUSED):
            return node.name
    return None


def check_every_control_named(window):
    counted = 0
    for node in walk(window):
        if node.getRole() in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL) and showing(node):
            counted += 1
            check(node.name.strip() != "",
                  f'a {node.getRoleName()} without a name in "{window.name}"')
    check(counted > 0, f'no image, button or label in "{window.name}"')
    return counted


# --- The opening screen and the name entry, as a player goes through them.
opening = wait_for("opening screen", lambda: x_window("Let's play Nupel!!"))
reader_opening = wait_for("opening screen in the accessible tree", lambda: top_window("Let's play Nupel!!"))
check(reader_opening.getRole() == pyatspi.ROLE_DIALOG, f"the opening screen is a {reader_opening.getRoleName()}")
check_every_control_named(reader_opening)
xdotool("mousemove", "--window", opening, "168", "275", "click", "1")

entry = wait_for("name entry", lambda: x_window("名前の入力"))
reader_entry = wait_for("name entry in the accessible tree", lambda: top_window("名前の入力"))
check_every_control_named(reader_entry)
xdotool("mousemove", "--window", entry, "124", "132", "click", "1")
xdotool("type", "--delay", "40", "pochi")
xdotool("key", "Return")

main = wait_for("main window", lambda: x_window("Nupel"))
window = wait_for("main window in the accessible tree", lambda: top_window("Nupel"))
step("main window shown")

# --- The window and its controls.
check(window.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW),
      f"the main window is a {window.getRoleName()}, not a window")
named = check_every_control_named(window)
step(f"{named} images, buttons and labels, each with a name")

pet = find(window, pyatspi.ROLE_IMAGE, "ペット")
check(pet is not None, "no image named ペット")
if pet is not None:
    check(any(kind in pet.description for kind in PET_TYPES),
          f'the pet\'s description "{pet.description}" names no pet type')
    step(f'the pet: "{pet.description}"')
room = find(window, pyatspi.ROLE_IMAGE, "部屋")
check(room is not None and room.description != "", "the room has no name or description")

# --- The food face turns at the first tick (satiety 200 falls to 198).
food = find(window, pyatspi.ROLE_IMAGE, "餌について")
if food is None:
    fail("no image named 餌について")
wait_for("the food face to turn to 良い", lambda: food.description == "餌について 良い")
step(f'the food face: "{food.description}"')

# --- Every button by Tab, in the window's order.
xdotool("windowfocus", "--sync", main)
seen = []
for _ in range(len(BUTTONS_IN_ORDER) + 1):
    xdotool("key", "Tab")
    seen.append(wait_for("a focused button", lambda: focused_button(window)))
    dismiss_notices()
# The first Tab may land anywhere in the cycle; the cycle itself is fixed.
first_round = seen[:len(BUTTONS_IN_ORDER)]
start = first_round.index(BUTTONS_IN_ORDER[0]) if BUTTONS_IN_ORDER[0] in first_round else 0
check(first_round[start:] + first_round[:start] == BUTTONS_IN_ORDER and seen[-1] == seen[0],
      f"Tab reaches {seen}")
step(f"Tab reaches {seen}")

# --- Space presses the focused button: pause and resume.
def tab_to(name):
    for _ in range(len(BUTTONS_IN_ORDER) + 1):
        if focused_button(window) == name:
            return
        xdotool("key", "Tab")
        pump()
        time.sleep(0.1)
    fail(f'Tab never reaches "{name}"')

tab_to("小休止")
xdotool("key", "space")
wait_for("the pause button to read 休止解除", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "休止解除"))
xdotool("key", "space")
wait_for("the pause button to read 小休止 again", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "小休止"))
step("Space paused and resumed the game")

# --- Fed with the keyboard, the pet is full again: the face turns back.
tab_to("餌を与える")
xdotool("key", "space")
feeding = wait_for("feeding dialog", lambda: top_window("餌を与える"))
check(feeding.getRole() == pyatspi.ROLE_DIALOG, f"the feeding dialog is a {feeding.getRoleName()}")
check_every_control_named(feeding)
wait_for("わらわらＸ focused", lambda: focused_button(feeding) == "わらわらＸ")
xdotool("key", "space")
wait_for("the food face to turn to とても良い", lambda: food.description == "餌について とても良い")
step(f'fed: the food face now "{food.description}"')

# --- The pet speaks: its words are announced as the new name of the label.
announced = []


def on_name_change(event):
    if event.source is not None and event.source.name.startswith("ペットの言葉"):
        announced.append(event.source.name)


pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
if pet is not None:
    extents = pet.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(extents.x + extents.width // 2), str(extents.y + extents.height // 2), "click", "1")
    wait_for("the chatter to be announced", lambda: announced)
    step(f'announced: "{announced[0]}"')

if failures:
    fail(f"{len(failures)} checks failed")
step("passed")
