// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

namespace quintavia::ui {

// The editor window's control tree: the document box, the four document buttons, the keypad
// frame (without the help row) and the exit button over the frame's free corner.
const WindowSpec& editorLayout();

}  // namespace quintavia::ui
