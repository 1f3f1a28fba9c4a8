// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the step generator. The bytes choose a random valid expression (brackets,
// powers, decimals, fractions, signs); in every mode its chain must verify line by line, end with
// a single number, hold no decimal when the expression holds none, and every problem of the
// expression must be the reader's.
#include "arithmetic/arithmetic.h"
#include "random_expression.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void failWith(const std::string& expression, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", expression.c_str(), what);
    std::abort();
}

// `reading` is the reader's own verdict on `first`, the same for both modes. `verified` is a chain
// already checked, whose lines need no second reading; returns the chain checked.
std::vector<quintavia::arithmetic::Line> checkChain(const std::string& expression,
                                                    const quintavia::arithmetic::Line& first,
                                                    const quintavia::arithmetic::Reading& reading,
                                                    quintavia::arithmetic::StepMode mode,
                                                    const std::vector<quintavia::arithmetic::Line>& verified)
{
    using namespace quintavia::arithmetic;
    Steps steps = generateSteps(first, mode, 1000000);
    if (reading.kind != Reading::Kind::Valued) {
        if (steps.ok() || steps.problem.message != reading.problem.message)
            failWith(expression, "the reader's problem not reported");
        return {};
    }
    if (!steps.ok())
        failWith(expression, "refused");
    std::vector<Line> lines = std::move(steps.lines);  // the expression, then its steps
    lines.insert(lines.begin(), first);
    if (lines != verified) {  // the chain checker gives the same lines the same verdicts
        const std::vector<LineVerdict> verdicts = checkChain(lines);
        for (std::size_t i = 1; i < verdicts.size(); ++i)
            if (verdicts[i].status != LineVerdict::Status::Right || lines[i] == lines[i - 1])
                failWith(expression, "a step does not verify");
        if (!(verdicts.back().value == reading.value))
            failWith(expression, "the chain ends with another value");
    }
    const auto comma = [](const Line& line) {
        return std::any_of(line.begin(), line.end(), [](const Char& c) { return c.code == U','; });
    };
    if (!comma(first) && std::any_of(lines.begin(), lines.end(), comma))
        failWith(expression, "a decimal in the chain of an expression without one");
    if (lines.size() > 1) {
        const Line last(lines.back().begin() + 2, lines.back().end());
        if (!generateSteps(last, mode, 100).lines.empty())
            failWith(expression, "the last line is no single number");
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quintavia::testing::ByteDraw draw{data, size};
    using namespace quintavia::arithmetic;
    const std::string expression = quintavia::testing::randomExpression(draw);
    const Line first = plainLine(expression);
    const Reading reading = readLine(first);
    const std::vector<Line> school = checkChain(expression, first, reading, StepMode::School, {});
    checkChain(expression, first, reading, StepMode::OneOperation, school);
    checkChain(expression, first, reading, StepMode::Primary, school);
    return 0;
}
