// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quintavia {

// Keeps `window` above all other windows of the desktop, without activating it.
void inPrimoPiano(QWidget* window);

// Takes away the window's close box and refuses close requests from the window manager
// (title bar, Alt+F4): the window is left only through its own buttons. Returns false, and leaves
// the window as it was, when the step cannot be done.
bool removeCloseCommand(QWidget* window);

// What every window does first when it is created: the close step, then inPrimoPiano.
// A failed close step does not stop the window from being made topmost. From then on Enter (and
// the keypad's Enter) presses the window's focused button, or toggles its focused check box, as
// Space does.
void prepareWindow(QWidget* window);

// True once removeCloseCommand has succeeded on `window`.
bool closeCommandRemoved(const QWidget* window);

}  // namespace quintavia
