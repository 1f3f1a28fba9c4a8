// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

#include <string>

namespace quintavia::curriculum {

// Empty when `expression` is one a textbook of the level (1 to kLevels) would print: its numbers,
// signs, brackets, powers, count of operations and every partial result as the level allows, no
// operation that does nothing (x 1, : 1, + 0 ...), no bracket that changes nothing, one blank each
// side of a sign, the keypad's signs, and a chain in school order that fits kMaxLines. Otherwise
// the first rule it breaks, in Italian. The rules are read from the expression's own tree.
std::string levelFault(int level, const arithmetic::Line& expression);

}  // namespace quintavia::curriculum
