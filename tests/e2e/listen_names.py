# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes every accessible-name change that the running Quintavia announces, one a line, until killed."""
import sys

import pyatspi


def on_change(event):
    try:
        if event.host_application and (event.host_application.name or "").lower() == "quintavia":
            print(f"{event.source.getRoleName()}|{event.source.name}", flush=True)
    except Exception:
        pass


pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-name")
print("listening", flush=True)
pyatspi.Registry.start()
