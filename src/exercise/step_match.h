// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

namespace quintavia::exercise {

// A pupil's step matches the teacher's line when the two are the same character for character,
// raised flags included, apart from blanks and from the choice among signs that mean the same:
// every multiplication sign (x X · × ⋅ *), every minus (- − –), and : with ÷. A pupil's keypad cannot
// type some of them, and a line written in another editor may hold any.
bool stepsMatch(const arithmetic::Line& typed, const arithmetic::Line& expected);

}  // namespace quintavia::exercise
