// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/exercise_chain.h"

#include "arithmetic/steps.h"
#include "curriculum/generator.h"

namespace quintavia::curriculum {

std::vector<arithmetic::Line> exerciseLines(const std::string& expression, arithmetic::StepMode mode)
{
    std::vector<arithmetic::Line> lines{arithmetic::plainLine(expression)};
    const arithmetic::Steps steps = arithmetic::generateSteps(lines.front(), mode, kMaxLines);
    if (!steps.ok())
        return {};
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    return lines;
}

std::vector<arithmetic::Line> exerciseWithChain(int level, std::uint64_t seed)
{
    // The generator accepts an expression only once its chain, as the level works it, fits kMaxLines.
    return exerciseLines(generate(level, 1, seed).front(), curriculum::level(level).steps);
}

}  // namespace quintavia::curriculum
