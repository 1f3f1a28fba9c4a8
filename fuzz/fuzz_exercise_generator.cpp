// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the exercise generator. The bytes choose a level, a seed and a count; every
// expression must keep to every bound of its level's row (the rules' checker and, read again here,
// the final value), and its chain as the level works it must verify line by line, fit 15 lines,
// hold no decimal unless the level has them, and end with a single number.
#include "arithmetic/arithmetic.h"
#include "curriculum/generator.h"
#include "curriculum/level_rules.h"
#include "curriculum/levels.h"

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void failWith(const std::string& expression, const std::string& what)
{
    std::fprintf(stderr, "%s: %s\n", expression.c_str(), what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quintavia;
    if (size == 0)
        return 0;
    const int level = data[0] % curriculum::kLevels + 1;
    std::uint64_t seed = 0;
    for (std::size_t i = 1; i < 9 && i < size; ++i)
        seed |= std::uint64_t(data[i]) << (8 * (i - 1));
    const int count = size > 9 ? data[9] % 8 + 1 : 1;
    for (const std::string& expression : curriculum::generate(level, count, seed)) {
        const arithmetic::Line line = arithmetic::plainLine(expression);
        if (const std::string fault = curriculum::levelFault(level, line); !fault.empty())
            failWith(expression, fault);
        const curriculum::Level& rules = curriculum::level(level);
        const arithmetic::Reading reading = arithmetic::readLine(line);
        if (!curriculum::fitsFinal(rules, reading.value))
            failWith(expression, "final value out of the level");
        const arithmetic::Steps steps = arithmetic::generateSteps(line, rules.steps, curriculum::kMaxLines);
        if (!steps.ok() || steps.lines.empty() || steps.lines.size() + 1 > std::size_t(curriculum::kMaxLines))
            failWith(expression, "no chain");
        for (const arithmetic::Line& step : steps.lines)
            if (!rules.decimals && std::any_of(step.begin(), step.end(), [](auto c) { return c.code == U','; }))
                failWith(expression, "a decimal in the chain");
        std::vector<arithmetic::Line> chain{line};
        chain.insert(chain.end(), steps.lines.begin(), steps.lines.end());
        const std::vector<arithmetic::LineVerdict> verdicts = arithmetic::checkChain(chain);
        for (const arithmetic::LineVerdict& verdict : verdicts)
            if (verdict.status != arithmetic::LineVerdict::Status::Right)
                failWith(expression, "chain line flagged: " + verdict.message());
        const arithmetic::Line& last = steps.lines.back();
        if (!arithmetic::generateSteps(arithmetic::Line(last.begin() + 2, last.end()), rules.steps, 15)
                 .lines.empty())
            failWith(expression, "the last line is no single number");
    }
    return 0;
}
