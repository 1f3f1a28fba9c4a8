// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/exercise_chain.h"

#include "arithmetic/steps.h"
#include "curriculum/generator.h"

namespace quintavia::curriculum {

std::vector<arithmetic::Line> exerciseWithChain(int level, std::uint64_t seed)
{
    std::vector<arithmetic::Line> lines{arithmetic::plainLine(generate(level, 1, seed).front())};
    // The generator accepts an expression only once its chain fits kMaxLines.
    const arithmetic::Steps steps = arithmetic::generateSteps(lines.front(), arithmetic::StepMode::School, kMaxLines);
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    return lines;
}

}  // namespace quintavia::curriculum
