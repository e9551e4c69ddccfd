"""What a screen reader meets in the running program.

Walks the program's windows through the accessibility bus the way a user of
a screen reader would, opening them with real clicks, and checks in each:
every control that shows has a name a person can say, no name is a
program-internal one (txtFile, Image1, List1(0), ...), no two buttons of a
window share a name, and hidden panels are not in the tree.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

APP = "The Vireon Anthology"
NAMED_ROLES = {
    "push button", "check box", "radio button", "image", "scroll bar", "progress bar",
    "spin button", "slider", "list", "text", "combo box", "toggle button",
}
# Designed control names: a lower-case prefix and a capital (txtFile,
# picClipArt, ssCmdSlide) or a word and an index (Image1, List1(0), Label10).
INTERNAL = re.compile(r"^([a-z]{2,5}[A-Z]\w*|[A-Z][A-Za-z]*\d+(\(\d+\))?)$")

# The checked build (address and behaviour checkers) runs several times slower.
SLOWDOWN = int(os.environ.get("VIREON_TEST_SLOWDOWN", "1"))
# How long a click or a key is given to take effect.
SETTLE = 1.5 if SLOWDOWN == 1 else 3
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def application():
    for _ in range(120):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP:
                return app
        time.sleep(0.5)
    sys.exit("the program did not appear on the accessibility bus")


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def descendants(acc):
    """Showing descendants, not entering menus or the rows of lists."""
    for child in acc:
        if child is None or not showing(child):
            continue
        yield child
        if child.getRoleName() not in ("menu bar", "list", "tree", "table", "combo box", "page tab list"):
            yield from descendants(child)


def windows(app):
    return [w for w in app if w is not None and showing(w)]


def wait_for(condition, timeout):
    deadline = time.time() + timeout * SLOWDOWN
    while time.time() < deadline:
        found = condition()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def main_window(app):
    """The main window once the splash screen has gone."""
    def shown():
        frames = [w for w in windows(app) if w.getRoleName() == "frame" and w.name == APP]
        return frames[0] if frames and len(windows(app)) == 1 else None
    window = wait_for(shown, 60)
    if window is None:
        sys.exit("the main window did not show alone")
    return window


def new_window(app, timeout=10):
    """The window opened over the main window."""
    return wait_for(lambda: next((w for w in windows(app) if w.getRoleName() != "frame"), None), timeout)


def find(root, role, name):
    for acc in descendants(root):
        if acc.getRoleName() == role and acc.name == name:
            return acc
    return None


def click(acc):
    """A real press and release of the mouse in the middle of the control."""
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
    time.sleep(SETTLE)


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)
    time.sleep(SETTLE)


def press(root, name, role="push button"):
    control = find(root, role, name)
    if control is None:
        fail(f"{root.name!r}: no {role} {name!r} to press")
        return False
    click(control)
    return True


def choose_menu(main, menu, entry=None):
    top = None
    for acc in main:
        if acc is not None and acc.getRoleName() == "menu bar":
            top = next((m for m in acc if m is not None and m.name == menu), None)
    if top is None:
        fail(f"no menu {menu!r}")
        return
    click(top)
    if entry is None:
        return
    popup = top[0]
    item = next((i for i in popup if i is not None and i.name == entry), None)
    if item is None or not showing(popup):
        fail(f"menu {menu!r} has no entry {entry!r} on screen")
        key("Escape")
        return
    click(item)


def check_window(window, what, expect=()):
    """The names of one window's showing controls."""
    print(f"-- {what}: {window.name!r}")
    buttons = {}
    names = set()
    for acc in descendants(window):
        role, name = acc.getRoleName(), acc.name.strip()
        names.add(name)
        if role in NAMED_ROLES and not name:
            fail(f"{what}: a {role} without a name")
        if name and INTERNAL.match(name):
            fail(f"{what}: a {role} named after its internal name {name!r}")
        if role == "push button" and name:
            if name in buttons:
                fail(f"{what}: two buttons named {name!r}")
            buttons[name] = acc
    for name in expect:
        if name not in names:
            fail(f"{what}: nothing named {name!r}")
    return names


def check_panel(app, menu, entry, what, expect, close, gone):
    main = main_window(app)
    choose_menu(main, menu, entry)
    check_window(main, what, expect)
    if close is None:
        key("Escape")
    else:
        press(main, close)
    if find(main_window(app), "push button", gone) is not None:
        fail(f"{what}: {gone!r} still in the tree after the panel closed")


def check_dialog(app, what, expect, close_keys, title=None):
    window = new_window(app)
    if window is None:
        fail(f"{what}: no window opened")
        return
    if title is not None and window.name != title:
        fail(f"{what}: the window is named {window.name!r}, not {title!r}")
    check_window(window, what, expect)
    key(*close_keys)
    if wait_for(lambda: None if new_window(app, 0.5) else True, 5) is None:
        fail(f"{what}: {close_keys} did not close {window.name!r}")


def run():
    app = application()
    main = main_window(app)
    check_window(main, "main window at start", ["1957", "SlideShow", "Exit", "Model years"])
    if find(main, "push button", "Play Car Door") is not None:
        fail("main window: the sound panel's buttons are in the tree while it is hidden")

    press(main, "1957")
    check_window(main, "main window with a year", ["Photograph 1", "Next photograph", "Previous photograph"])
    key("Right")  # the photograph steps from the keyboard once it has the focus
    press(main, "Description")
    check_dialog(app, "document viewer", ["OK", "Print"], ["Escape"])

    check_panel(app, "Sound Effects", None, "sound panel",
                ["Play Car Door", "Stop", "Close"], None, "Play Car Door")
    check_panel(app, "File", "Copy CD-ROM photos to hard drive", "copy panel",
                ["Cancel"], "Cancel", "Cancel")
    check_panel(app, "File", "Install Screen saver", "screen-saver panel",
                ["All Photos", "Install", "Help"], "Cancel", "Install")
    check_panel(app, "File", "Print Booklet", "booklet panel",
                ["From", "To", "Cancel"], None, "Print")

    choose_menu(main_window(app), "Movies")
    check_dialog(app, "movie window", ["Play", "Exit"], ["Escape"], "Vireon Movies")
    choose_menu(main_window(app), "Help", "About")
    check_dialog(app, "about window", ["OK"], ["Escape"], "About The Vireon Anthology")

    press(main_window(app), "SlideShow")
    check_dialog(app, "slide show", ["Photograph", "Slide show controls"], ["Escape"],
                 "The Vireon Anthology Slide Show")

    # Without a window manager nothing gives the main window back the
    # keyboard; a click on its year strip does.
    click(find(main_window(app), "panel", "Model years"))
    key("ctrl+q")
    if wait_for(lambda: None if any(a is not None and a.name == APP for a in pyatspi.Registry.getDesktop(0)) else True,
                10) is None:
        fail("Ctrl+Q did not end the program")


run()
if failures:
    print(f"{len(failures)} failure(s)")
    sys.exit(1)
print("every window checked")
