# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the solver window on the screen can be read, from its accessibility tree (AT-SPI
extents, in screen pixels) and a screenshot of the whole screen:

  readable_check.py SCREENSHOT.png [--hint] [--line TEXT]

- every character of the document box ("Espressione") lies inside the box, and every line of it
  is drawn down to its middle and up from it: no line is cut in width or in height;
- with --line, the box's first line is TEXT, all of it;
- with --hint, a hint is showing, and its rectangle meets no other control; every pixel in it is
  its ground or that ground blended with the hint's dark blue (plain ground, nothing of the
  picture behind the text); and just around it, outside the controls, the window's own colour
  shows, so the picture gives way there.

Prints what is wrong and exits 1; exits 0 when all is right.
"""
import subprocess
import sys
import time

import pyatspi

WINDOW_TITLE = "Risoluzione"
WINDOW_GROUND = (255, 192, 192)
HINT_TEXT = (0, 0, 128)
# How far a pixel may lie from the blend of ground and text: antialiasing rounds each channel.
BLEND_TOLERANCE = 24
RING = 2  # pixels around the hint where the window's colour must show


class Node:
    def __init__(self, role, name, description, rect, accessible):
        self.role, self.name, self.description, self.rect, self.accessible = role, name, description, rect, accessible

    def __repr__(self):
        return f"{self.role} '{self.name}' {self.rect}"


def find_window():
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None or (app.name or "").lower() != "quintavia":
                continue
            for j in range(app.childCount):
                window = app.getChildAtIndex(j)
                if window is not None and window.name == WINDOW_TITLE and \
                        window.getState().contains(pyatspi.STATE_SHOWING):
                    return window
        time.sleep(0.2)
    return None


def showing(node, found, depth=0):
    """Every object showing under `node`, with its rectangle (x, y, width, height)."""
    if node is None or depth > 12:
        return
    try:
        if not node.getState().contains(pyatspi.STATE_SHOWING):
            return
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        rect = (extents.x, extents.y, extents.width, extents.height)
        found.append(Node(node.getRoleName(), node.name or "", node.description or "", rect, node))
        for i in range(node.childCount):
            showing(node.getChildAtIndex(i), found, depth + 1)
    except Exception as error:  # an object that went away while walking
        print(f"gone: {error}", file=sys.stderr)


def intersects(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def inside(point, rect):
    return rect[0] <= point[0] < rect[0] + rect[2] and rect[1] <= point[1] < rect[1] + rect[3]


class Screenshot:
    def __init__(self, path):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
        fields, at = [], 0
        while len(fields) < 4:  # P6, width, height, maximum, separated by blanks
            while data[at:at + 1].isspace():
                at += 1
            start = at
            while not data[at:at + 1].isspace():
                at += 1
            fields.append(data[start:at])
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[at + 1:]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])


def distance_to_blend(pixel, ground, text):
    """How far `pixel` lies from the segment between the colours `ground` and `text`."""
    direction = [t - g for g, t in zip(ground, text)]
    length = sum(d * d for d in direction) or 1
    share = max(0.0, min(1.0, sum((p - g) * d for p, g, d in zip(pixel, ground, direction)) / length))
    return sum((p - g - share * d) ** 2 for p, g, d in zip(pixel, ground, direction)) ** 0.5


def luminance(colour):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def check_hint(nodes, shot, problems):
    hints = [n for n in nodes if n.role == "label" and n.name and
             n.description in ("Suggerimento", n.name)]
    if len(hints) != 1:
        problems.append(f"{len(hints)} hints showing, not one: {hints}")
        return
    hint = hints[0]
    x, y, w, h = hint.rect
    # The window itself and the boxes' viewports are fillers; the picture is looked at pixel by pixel.
    controls = [n for n in nodes if n is not hint and n.role not in ("filler", "image")
                and n.rect[2] > 0 and n.rect[3] > 0]
    for control in controls:
        if intersects(hint.rect, control.rect):
            problems.append(f"the hint {hint.rect} meets {control}")
    counts = {}
    for py in range(y, y + h):
        for px in range(x, x + w):
            pixel = shot.at(px, py)
            counts[pixel] = counts.get(pixel, 0) + 1
    ground = max(counts, key=counts.get)
    ratio = (luminance(ground) + 0.05) / (luminance(HINT_TEXT) + 0.05)
    if ratio < 7:
        problems.append(f"the hint's ground {ground} gives its text a contrast of only {ratio:.1f}")
    stray = [(p, n) for p, n in counts.items() if distance_to_blend(p, ground, HINT_TEXT) > BLEND_TOLERANCE]
    if stray:
        stray.sort(key=lambda item: -item[1])
        problems.append(f"the hint's ground is not plain: {sum(n for _, n in stray)} pixels of other colours "
                        f"behind its text, most {stray[:3]} (ground {ground})")
    around = 0
    for py in range(y - RING, y + h + RING):
        for px in range(x - RING, x + w + RING):
            if inside((px, py), hint.rect) or any(inside((px, py), c.rect) for c in controls):
                continue
            if shot.at(px, py) != WINDOW_GROUND:
                around += 1
    if around:
        problems.append(f"{around} pixels just around the hint are not the window's ground: the picture touches it")


def check_ink(lines, shot, problems):
    """Each line's glyphs reach both halves of its height: neither its foot nor its top is cut."""
    for (top, height), xs in sorted(lines.items()):
        left, right = min(x for x, _ in xs), max(x + w for x, w in xs)
        rows = [y for y in range(top, top + height)
                if any(sum(shot.at(x, y)) < 3 * 160 for x in range(left, right))]
        middle = top + height / 2
        if not rows or rows[-1] < middle or rows[0] > middle:
            problems.append(f"the line at {top} (height {height}) is cut: its ink spans rows "
                            f"{rows[0] if rows else '-'} to {rows[-1] if rows else '-'}")


def check_document(nodes, shot, line, problems):
    boxes = [n for n in nodes if n.name == "Espressione" and n.role in ("text", "paragraph", "entry")]
    if len(boxes) != 1:
        problems.append(f"no document box showing: {[n for n in nodes if n.role != 'push button']}")
        return
    box = boxes[0]
    text = box.accessible.queryText()
    content = text.getText(0, -1)
    if line is not None and content.split("\n")[0].split("\u2029")[0] != line:
        problems.append(f"the first line shown is '{content.splitlines()[0] if content else ''}', not '{line}'")
    cut = []
    lines = {}  # (top, height) of a line: its characters' (x, width)
    for offset, character in enumerate(content):
        if character.isspace() or character == "\u2029":
            continue
        cx, cy, cw, ch = text.getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
        lines.setdefault((cy, ch), []).append((cx, max(cw, 1)))
        corners = ((cx, cy), (cx + max(cw, 1) - 1, cy + ch - 1))
        if not all(inside(corner, box.rect) for corner in corners):
            cut.append(f"'{character}' at {offset} {(cx, cy, cw, ch)}")
    if cut:
        problems.append(f"characters outside the document box {box.rect}: {', '.join(cut[:5])}"
                        f"{' ...' if len(cut) > 5 else ''}")
    else:
        check_ink(lines, shot, problems)


def main():
    args = sys.argv[1:]
    if not args:
        sys.exit(__doc__)
    shot_path = args[0]
    line = args[args.index("--line") + 1] if "--line" in args else None
    window = find_window()
    if window is None:
        sys.exit(f"no window '{WINDOW_TITLE}' on the accessibility bus")
    nodes = []
    showing(window, nodes)
    if "--dump" in args:
        for node in nodes:
            print(f"{node.role}|{node.name}|{node.description}|{node.rect}")
    problems = []
    shot = Screenshot(shot_path)
    check_document(nodes, shot, line, problems)
    if "--hint" in args:
        check_hint(nodes, shot, problems)
    for problem in problems:
        print(f"{shot_path}: {problem}")
    sys.exit(1 if problems else 0)


main()
