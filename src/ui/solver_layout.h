// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

namespace quintavia::ui {

// The solver window: document and answer boxes, message line, open and exit buttons, and the
// keypad frame with the help and confirm keys.
const WindowSpec& solverLayout();

// Colours of the open button while it blinks.
inline constexpr Rgb kOpenBright{0, 255, 0};
inline constexpr Rgb kOpenDark{0, 192, 0};

}  // namespace quintavia::ui
