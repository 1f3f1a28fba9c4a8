// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

#include <string>

namespace quintavia::curriculum {

// What the rules of a level read in an expression.
struct LevelCheck {
    std::string fault;   // the first rule it breaks, in Italian; empty when it breaks none
    int fractions = 0;   // fractions a/b as written
    int unlikeSums = 0;  // sums and differences of fractions with unlike denominators
};

// Whether `expression` is one a textbook of the level (1 to kLevels) would print: its numbers,
// signs, brackets, powers, count of operations, every operation and partial result and its final
// value as the level's row of the table allows, no operation that does nothing (x 1, : 1, + 0 ...),
// no bracket that changes nothing, one blank each side of a sign, the keypad's signs, and a chain
// as the level writes it that fits kMaxLines, no line of it longer than kMaxLineCharacters. The
// rules are read from the expression's own tree.
LevelCheck checkLevel(int level, const arithmetic::Line& expression);

// checkLevel's fault alone.
std::string levelFault(int level, const arithmetic::Line& expression);

}  // namespace quintavia::curriculum
