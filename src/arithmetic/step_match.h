// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

namespace quintavia::arithmetic {

// A pupil's step matches the teacher's line when the two are the same character for character,
// raised flags included, apart from blanks, from a leading "=" on either side, and from the choice
// among signs that mean the same: every multiplication sign (x X · × ⋅ *), every minus (- − –), and
// : with ÷. A pupil's keypad cannot type some of them, and a line written in another editor may
// hold any. The solver and the diagnosis of a wrong step both use this one rule; blanks and signs
// are those the reader knows (arithmetic/characters.h).
bool stepsMatch(const Line& typed, const Line& expected);

}  // namespace quintavia::arithmetic
