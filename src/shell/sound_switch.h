// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

namespace quintavia {

// The program-wide sound switch: empty at start, then 1 (sounds off) or 0 (sounds on).
// Only the start window's switch writes it.
std::optional<int>& soundSwitch();

// Sounds are on while the switch is empty or 0.
bool soundsOn();

}  // namespace quintavia
