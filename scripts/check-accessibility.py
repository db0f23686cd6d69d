#!/usr/bin/python3
"""Checks what a screen reader hears of Quillane, through the accessibility bus (AT-SPI).

Run inside a display and a session bus of its own, as scripts/check-accessibility.sh
does: starts the accessibility bus, starts `quillane` with two photos, and walks the
tree of its windows as Orca would: the project type dialog (its choices must be radio
buttons), then the main window in a Shape project (the photo table's cells, the sliders
with the values and ranges they show, the preview as an image with its description, the
zoom level, the shape's image), then the Share sheet. Every control shown must have a
name; the table below says what some of them must be. Prints how many controls it
found and named, and ends with status 1 on any failure.
"""

import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

# Roles of the controls a user reaches or reads (not layout containers).
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_CELL,
    pyatspi.ROLE_IMAGE, pyatspi.ROLE_MENU, pyatspi.ROLE_LABEL, pyatspi.ROLE_SCROLL_PANE,
}

# (window, role, name pattern, description pattern or None): each must be found.
EXPECTED = [
    ("project type", pyatspi.ROLE_RADIO_BUTTON, r"^Composite$", None),
    ("project type", pyatspi.ROLE_RADIO_BUTTON, r"^Shape$", None),
    ("project type", pyatspi.ROLE_RADIO_BUTTON, r"^Linear$", None),
    ("project type", pyatspi.ROLE_RADIO_BUTTON, r"^Horizontal$", None),
    ("project type", pyatspi.ROLE_RADIO_BUTTON, r"^Transparency$", None),
    ("main", pyatspi.ROLE_TABLE_CELL, r"^Photo 1 of 2: red\.png$", None),
    ("main", pyatspi.ROLE_TABLE_CELL, r"^Photo 2 of 2: blue\.png$", None),
    ("main", pyatspi.ROLE_IMAGE, r"^Preview of the mixed picture$",
     r"^Shape of 2 photos, 160 × 120, Fit \(\d+ %\)$"),
    ("main", pyatspi.ROLE_LABEL, r"^Zoom: Fit \(\d+ %\)$", None),
    ("main", pyatspi.ROLE_IMAGE, r"^Shape: ", None),
    ("main", pyatspi.ROLE_SLIDER, r"^Size$", None),
    ("main", pyatspi.ROLE_SLIDER, r"^X$", None),
    ("main", pyatspi.ROLE_SLIDER, r"^Y$", None),
    ("share", pyatspi.ROLE_TEXT, r"^Text to share$", None),
]

# The Size slider shows per cent of enlargement: its range must be the shown one.
SIZE_RANGE = (-90.0, 400.0)


def wait_for(condition, seconds=20.0, what="the application"):
    end = time.time() + seconds
    while time.time() < end:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit(f"check-accessibility: timed out waiting for {what}")


def walk(node, depth=0):
    if node is None or depth > 60:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def controls_of(window):
    return [n for n in walk(window) if n.getRole() in CONTROL_ROLES and showing(n)]


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name in ("quillane", "Quillane"):
            return app
    return None


def window_titled(app, pattern):
    for window in app:
        if window is not None and re.search(pattern, window.name or "") and showing(window):
            return window
    return None


def press(window, roles, name):
    for node in walk(window):
        if node.getRole() in roles and node.name == name:
            action = node.queryAction()
            for i in range(action.nActions):
                if action.getName(i).lower() in ("press", "click", "toggle"):
                    action.doAction(i)
                    return True
    seen = [f"{n.getRoleName()} {n.name!r}" for n in controls_of(window)]
    raise SystemExit(f"check-accessibility: nothing named {name!r} to press among {seen}")


class Report:
    def __init__(self):
        self.found = 0
        self.named = 0
        self.failures = []

    def audit(self, where, window):
        controls = controls_of(window)
        self.found += len(controls)
        for node in controls:
            if (node.name or "").strip():
                self.named += 1
            elif node.getRole() not in (pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_LABEL):
                self.failures.append(f"{where}: unnamed {node.getRoleName()}")
            else:
                self.named += 0  # a bare label or scroll pane reads its contents
        for window_name, role, name, description in EXPECTED:
            if window_name != where:
                continue
            match = [n for n in controls if n.getRole() == role and re.search(name, n.name or "")]
            if not match:
                self.failures.append(f"{where}: no {pyatspi.Role(role)} named /{name}/")
            elif description and not re.search(description, match[0].description or ""):
                self.failures.append(
                    f"{where}: {match[0].name!r} described {match[0].description!r}, not /{description}/")
        if where == "project type":
            boxes = [n.name for n in controls if n.getRole() == pyatspi.ROLE_CHECK_BOX]
            if boxes:
                self.failures.append(f"project type: choices read as check boxes: {boxes}")
        if where == "main":
            self.check_size_slider(controls)

    def check_size_slider(self, controls):
        for node in controls:
            if node.getRole() == pyatspi.ROLE_SLIDER and node.name == "Size":
                value = node.queryValue()
                shown = (round(value.minimumValue, 3), round(value.maximumValue, 3))
                if shown != SIZE_RANGE:
                    self.failures.append(f"main: Size slider spans {shown}, not {SIZE_RANGE}")


def write_photo(path, colour):
    # A 160 x 120 PNG of one colour, without any imaging module.
    import struct
    import zlib
    row = b"\x00" + bytes(colour) * 160
    raw = row * 120

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", 160, 120, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw))
                  + chunk(b"IEND", b""))


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build/dev/src/quillane"
    home = tempfile.mkdtemp(prefix="quillane-a11y-")
    photos = [os.path.join(home, "red.png"), os.path.join(home, "blue.png")]
    write_photo(photos[0], (200, 30, 30))
    write_photo(photos[1], (30, 30, 200))
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                       QT_QPA_PLATFORM="xcb", LANGUAGE="en", LANG="C.UTF-8")
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(1.0)
    app_process = subprocess.Popen([program] + photos, env=environment)
    report = Report()
    try:
        app = wait_for(find_app)
        dialog = wait_for(lambda: window_titled(app, "[Pp]roject"), what="the project type dialog")
        report.audit("project type", dialog)
        # Pressed as what it is announced as, so that the rest is checked too.
        press(dialog, (pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX), "Shape")
        press(dialog, (pyatspi.ROLE_PUSH_BUTTON,), "OK")
        main_window = wait_for(lambda: window_titled(app, "Quillane$"), what="the main window")
        # Both rows in the table (two cells each), then a moment for the preview's pass.
        wait_for(lambda: sum(n.getRole() == pyatspi.ROLE_TABLE_CELL for n in controls_of(main_window)) >= 4,
                 what="the photos")
        time.sleep(3.0)
        report.audit("main", main_window)
        press(main_window, (pyatspi.ROLE_PUSH_BUTTON,), "Share")
        sheet = wait_for(lambda: window_titled(app, "Share"), what="the Share sheet")
        report.audit("share", sheet)
    finally:
        app_process.kill()
        bus.terminate()  # the launcher ends its bus with it
        bus.wait()
    print(f"check-accessibility: {report.found} controls found, {report.named} named")
    for failure in report.failures:
        print(f"  FAIL {failure}")
    return 1 if report.failures else 0


if __name__ == "__main__":
    sys.exit(main())
