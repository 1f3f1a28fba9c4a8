// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

#include <vector>

namespace quintavia::ui {

enum class KeypadWindow { Solver, Editor };

// Object names of the controls both working windows have.
inline constexpr const char* kKeypadFrame = "Frame1";
inline constexpr const char* kConfirmKey = "Cmd_invio";
inline constexpr const char* kExitButton = "Cmd_esci";

// Where a working window puts its keypad inside `Frame1`: the key table's grid of 495-twip cells on
// the columns 120, 660, 1200 and 1740, rows 540 apart, the first key row (backspace and the curly
// brackets) at `firstRowTop`, and `Cmd_invio` ending the last row. In the solver Tab reads the keys
// as the eye does, row by row and left to right, from `firstKeyTabIndex`; the editor keeps the key
// table's tab indexes. The confirm key's tab index and font size are the window's.
std::vector<ControlSpec> keypadControls(KeypadWindow window, int firstRowTop, int invioTabIndex,
                                        double invioFontPoints, int firstKeyTabIndex = 0);

// The working windows' exit button `Cmd_esci`, standing at `top` over the frame's free lower-right
// cells. It belongs to the window, not the frame, so it stays usable while the keypad is disabled.
ControlSpec exitButton(int top);

}  // namespace quintavia::ui
