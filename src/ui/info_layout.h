// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

namespace quintavia::ui {

// The about window: a pale yellow surface for the credit lines and its OK button.
const WindowSpec& infoLayout();

// The colour of the credit lines drawn on the about window.
inline constexpr Rgb kInfoTextColour{0, 0, 192};

}  // namespace quintavia::ui
