// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "arithmetic/reader.h"

#include <vector>

namespace quintavia::arithmetic {

enum class StepMode {
    School,        // one level of every innermost group per line
    OneOperation,  // one operation per line, for younger pupils
};

struct Steps {
    std::vector<Line> lines;  // each starts with "= "; the last is a single number
    Problem problem;          // column 0: about the whole expression
    bool ok() const { return problem.message.empty(); }
};

// Longest expression the generator takes, in characters.
inline constexpr std::size_t kMaxExpressionLength = 2000;

// The lines that solve `expression` in school order. `maxLines` is the most lines the document
// may hold, the expression's included: a longer chain is refused with its count, never cut.
Steps generateSteps(const Line& expression, StepMode mode, int maxLines);

}  // namespace quintavia::arithmetic
