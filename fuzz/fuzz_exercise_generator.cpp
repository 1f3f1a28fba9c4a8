// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the exercise generator. The bytes choose a level, a seed and a count; every
// expression must obey its level's rules and its chain in school order must verify line by line
// and end with a single number.
#include "arithmetic/arithmetic.h"
#include "curriculum/generator.h"
#include "curriculum/level_rules.h"

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
        const arithmetic::Steps steps = arithmetic::generateSteps(line, arithmetic::StepMode::School, 15);
        if (!steps.ok() || steps.lines.empty())
            failWith(expression, "no chain");
        std::vector<arithmetic::Line> chain{line};
        chain.insert(chain.end(), steps.lines.begin(), steps.lines.end());
        const std::vector<arithmetic::LineVerdict> verdicts = arithmetic::checkChain(chain);
        for (const arithmetic::LineVerdict& verdict : verdicts)
            if (verdict.status != arithmetic::LineVerdict::Status::Right)
                failWith(expression, "chain line flagged: " + verdict.message());
        const arithmetic::Line& last = steps.lines.back();
        if (!arithmetic::generateSteps(arithmetic::Line(last.begin() + 2, last.end()), arithmetic::StepMode::School, 15)
                 .lines.empty())
            failWith(expression, "the last line is no single number");
    }
    return 0;
}
