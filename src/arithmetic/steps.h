// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "arithmetic/reader.h"

#include <vector>

namespace quintavia::arithmetic {

// How a chain is worked. School and Primary write a textbook's lines: the reciprocal before a
// division by a fraction ("3/4 : 2/5" = "3/4 x 5/2"), the sign rule before a sum of relative numbers
// in brackets ("6 - (-14)" = "6 + 14").
enum class StepMode {
    School,        // one level of every innermost group per line
    OneOperation,  // one operation per line, for younger pupils
    Primary,       // as School, but a chain of x and : one operation a line, left to right
};

struct Steps {
    std::vector<Line> lines;  // each starts with "= "; the last is a single number
    Problem problem;          // column 0: about the whole expression
    bool ok() const { return problem.message.empty(); }
};

// Longest expression the generator takes, in characters.
inline constexpr std::size_t kMaxExpressionLength = 2000;

// The lines that solve `expression` in school order; when the expression holds no decimal comma,
// neither does any line ("-41 : 4" = "-41/4"). `maxLines` is the most lines the document
// may hold, the expression's included: a longer chain is refused with its count, never cut.
Steps generateSteps(const Line& expression, StepMode mode, int maxLines);

}  // namespace quintavia::arithmetic
