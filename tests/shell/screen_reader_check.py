"""Reads the program's windows over AT-SPI, as a screen reader reads them.

Starts the program on a fresh data folder with the business phone book as its start-up window,
checks the frame's toolbar buttons and the business phone book, opens the lists through the
"Lists" toolbar button's own AT-SPI action and checks them too: every control that can take the
focus must have a name, and a few must read exactly as the user sees them beside the boxes.

Usage: screen_reader_check.py PROGRAM (on an X display and a session bus, see the .sh beside it)
"""

import os
import struct
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
    from gi.repository import Atspi
except ImportError as missing:
    sys.exit(f"FAIL: {missing}: this interpreter has no AT-SPI reader (python3-pyatspi, "
             "gir1.2-atspi-2.0; see scripts/deps.sh)")

TIMEOUT = 30.0  # seconds for the program, a window or a text to appear

FRAME_CAPTION = "Velmora (32 bit)"
TOOLBAR_NAMES = ["Calender", "Todo", "Appointments", "Business Phone", "Lists", "Reminder",
                 "Launcher", "Expenses", "Small Calendar", "Sound", "Dialer"]
BUSINESS_BOXES = ["Company", "Contact", "Address", "City", "State", "Zip", "Phone 1",
                  "Phone 1 extension", "Phone 2", "Phone 2 extension", "Fax", "Email", "Notes"]
BUSINESS_OPTIONS = ["List by company", "List by contact"]
LISTS_BOXES = ["List name", "List body"]
LISTS_HINT = "HINT : Enter LIST NAME in upper left hand box - then SAVE IT!"

# Controls whose rows a reader reads as items, not as controls of the window.
ITEM_HOLDERS = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
                pyatspi.ROLE_TREE_TABLE}


class Failure(Exception):
    pass


def setup_record(startup_window):
    """setup.dat record 1: start hour, start-up window, port, sound program and file."""
    def padded(text, width):
        return text.encode("latin-1").ljust(width, b" ")[:width]
    return (struct.pack("<h", 0) + padded("9", 10) + struct.pack("<hh", startup_window, 0) +
            padded("C:\\WINDOWS\\sndrec32.exe", 50) + padded("c:\\WINDOWS\\DING.WAV", 50))


def wait_for(what, find, program):
    """Polls find() until it returns something, the program ends or the time is up."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        found = find()
        if found:
            return found
        if program.poll() is not None:
            raise Failure(f"{what}: the program ended with status {program.returncode}")
        if time.monotonic() > deadline:
            raise Failure(f"{what}: not there after {TIMEOUT:.0f} s")
        time.sleep(0.1)


def children(node):
    try:
        return [child for child in node if child is not None]
    except Exception:  # an object that went away while it was read
        return []


def walk(node):
    yield node
    if node.getRole() in ITEM_HOLDERS:
        return
    for child in children(node):
        yield from walk(child)


def showing(node, state=pyatspi.STATE_SHOWING):
    return node.getState().contains(state)


def find(node, role, name=None):
    for found in walk(node):
        if found.getRole() == role and (name is None or found.name == name) and showing(found):
            return found
    return None


def application_of(pid):
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app.get_process_id() == pid:
                # Read every name afresh: this reader runs no event loop to keep a cache up to date.
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
        except Exception:
            continue
    return None


def describe(node, window):
    """A control as a failure names it: its role, the last named control before it, its place."""
    place, before = [], None
    for found in walk(window):
        if found == node:
            break
        if found.name.strip() and found.getRole() != pyatspi.ROLE_FRAME:
            before = found.name
    up = node
    while up is not None and up != window:
        place.append(str(up.getIndexInParent()))
        up = up.parent
    text = f"{node.getRoleName()} at {'/'.join(reversed(place))}"
    return text + (f" after '{before}'" if before else "")


def unnamed_controls(window):
    found = []
    for node in walk(window):
        if not (showing(node) and showing(node, pyatspi.STATE_FOCUSABLE)):
            continue
        if not node.name.strip():
            found.append(describe(node, window) + " (no name)")
        elif node.getRole() == pyatspi.ROLE_FILLER:
            found.append(describe(node, window) + " (role filler)")
    return found


def names_of(window, role):
    return [node.name for node in walk(window)
            if node.getRole() == role and showing(node) and
            showing(node, pyatspi.STATE_FOCUSABLE)]


def expect(failures, what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: read {actual}, expected {expected}")


def check_window(failures, frame, caption, program):
    window = wait_for(f"window '{caption}'", lambda: find(frame, pyatspi.ROLE_FRAME, caption),
                      program)
    unnamed = unnamed_controls(window)
    if unnamed:
        failures.append(f"{caption}: focusable controls without a name: " + ", ".join(unnamed))
    return window


def press(button):
    action = button.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    index = names.index("press") if "press" in names else 0
    if action.nActions == 0 or not action.doAction(index):
        raise Failure(f"the button '{button.name}' could not be pressed over AT-SPI")


def run(program_path, failures):
    with tempfile.TemporaryDirectory() as data:
        with open(os.path.join(data, "setup.dat"), "wb") as setup:
            setup.write(setup_record(2))  # the business phone book opens at start
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        program = subprocess.Popen([os.path.abspath(program_path), "--data-dir", data], env=environment,
                                   cwd=data)
        try:
            app = wait_for("the program on the accessibility bus",
                           lambda: application_of(program.pid), program)
            frame = wait_for(f"frame '{FRAME_CAPTION}'",
                             lambda: find(app, pyatspi.ROLE_FRAME, FRAME_CAPTION), program)

            toolbar = wait_for("the toolbar", lambda: find(frame, pyatspi.ROLE_TOOL_BAR), program)
            buttons = [node for node in children(toolbar)
                       if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
            expect(failures, "toolbar buttons", [button.name for button in buttons],
                   TOOLBAR_NAMES)

            business = check_window(failures, frame, "BUSINESS PHONE", program)
            expect(failures, "business phone boxes", names_of(business, pyatspi.ROLE_TEXT),
                   BUSINESS_BOXES)
            expect(failures, "business phone options",
                   names_of(business, pyatspi.ROLE_RADIO_BUTTON), BUSINESS_OPTIONS)
            expect(failures, "business phone list", names_of(business, pyatspi.ROLE_LIST),
                   ["Names"])

            # By its place when it reads no name, so the lists are checked all the same.
            place = TOOLBAR_NAMES.index("Lists")
            lists_button = next((b for b in buttons if b.name == "Lists"),
                                buttons[place] if len(buttons) > place else None)
            if lists_button is None:
                raise Failure("the toolbar has no button for the lists")
            press(lists_button)
            lists = check_window(failures, frame, "LISTS", program)
            expect(failures, "lists boxes", names_of(lists, pyatspi.ROLE_TEXT), LISTS_BOXES)
            expect(failures, "lists list", names_of(lists, pyatspi.ROLE_LIST), ["List names"])

            # The status bar reads the hint the toolbar just wrote.
            status = wait_for("the status bar", lambda: find(frame, pyatspi.ROLE_STATUS_BAR),
                              program)
            try:
                wait_for("the lists' hint in the status bar",
                         lambda: LISTS_HINT in [panel.name for panel in children(status)],
                         program)
            except Failure as failure:
                failures.append(f"{failure}; the panels read "
                                f"{[panel.name for panel in children(status)]}")
        finally:
            program.terminate()
            try:
                program.wait(timeout=10)
            except subprocess.TimeoutExpired:
                program.kill()
                program.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    failures = []
    try:
        run(sys.argv[1], failures)
    except Failure as failure:
        failures.append(str(failure))
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    if not failures:
        print("The frame's toolbar, the business phone book and the lists read their names.")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
