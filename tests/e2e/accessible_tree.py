# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the running Quintavia's accessibility tree as 'role|name|description|states' lines (AT-SPI)."""
import sys
import time

import pyatspi


def find_app():
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and (app.name or "").lower() == "quintavia":
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    try:
        states = node.getState()
        flags = [name for name, state in (("showing", pyatspi.STATE_SHOWING),
                                          ("focused", pyatspi.STATE_FOCUSED),
                                          ("enabled", pyatspi.STATE_ENABLED),
                                          ("checked", pyatspi.STATE_CHECKED))
                 if states.contains(state)]
        print(f"{node.getRoleName()}|{node.name}|{node.description}|{','.join(flags)}")
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), depth + 1)
    except Exception as error:  # an object that went away while walking
        print(f"gone|{error}||", file=sys.stderr)


app = find_app()
if app is None:
    sys.exit("quintavia is not on the accessibility bus")
walk(app)
