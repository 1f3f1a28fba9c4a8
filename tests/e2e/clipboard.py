# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the text on the X clipboard as a program pasting it gets it (UTF-8), through libX11."""
import ctypes
import ctypes.util
import sys
import time

x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XCreateSimpleWindow.restype = ctypes.c_ulong
x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 4 + [ctypes.c_uint] + [ctypes.c_ulong] * 2
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XConvertSelection.argtypes = [ctypes.c_void_p] + [ctypes.c_ulong] * 5
x11.XCheckTypedWindowEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_void_p]
x11.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
                                   ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]

SELECTION_NOTIFY = 31
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
window = x11.XCreateSimpleWindow(display, x11.XDefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)
atom = lambda name: x11.XInternAtom(display, name, 0)
x11.XConvertSelection(display, atom(b"CLIPBOARD"), atom(b"UTF8_STRING"), atom(b"QUINTAVIA_PASTE"), window, 0)
x11.XFlush(display)
event = ctypes.create_string_buffer(192)
for _ in range(50):
    if x11.XCheckTypedWindowEvent(display, window, SELECTION_NOTIFY, event):
        break
    time.sleep(0.1)
else:
    sys.exit("the clipboard's owner did not answer")
kind, size, items, left, data = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
x11.XGetWindowProperty(display, window, atom(b"QUINTAVIA_PASTE"), 0, 1 << 20, 1, 0, ctypes.byref(kind),
                       ctypes.byref(size), ctypes.byref(items), ctypes.byref(left), ctypes.byref(data))
if data.value:
    sys.stdout.write(ctypes.string_at(data.value, items.value).decode("utf-8"))
