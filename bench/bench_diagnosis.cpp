// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One diagnosis of a wrong step on the longest line of a 15-line exercise: the expression, one
// operation a line, and a pupil's slip in the next line (aim: under a millisecond).
#include "arithmetic/arithmetic.h"
#include "diagnosis/diagnosis.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

namespace ar = quintavia::arithmetic;

const char kExpression[] = "{[(3^2 + 4) x 2 - 5] : 7 + 2^3 x (1,5 + 0,5)} : 3/4";

void diagnoseLongestLine(benchmark::State& state)
{
    std::vector<ar::Line> lines{ar::plainLine(kExpression)};
    const ar::Steps steps = ar::generateSteps(lines.front(), ar::StepMode::OneOperation, 15);
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    const auto longest = std::max_element(lines.begin(), lines.end() - 1,
                                          [](const ar::Line& a, const ar::Line& b) { return a.size() < b.size(); });
    const ar::Line& previous = *longest;
    const ar::Line& expected = *(longest + 1);
    ar::Line answer = expected;
    // The first digit the step wrote, one more: a slip of calculation.
    for (std::size_t i = 0; i < answer.size(); ++i)
        if (i >= previous.size() || !(answer[i] == previous[i])) {
            if (answer[i].code >= U'0' && answer[i].code < U'9')
                ++answer[i].code;
            break;
        }
    state.SetLabel(ar::plainText(previous) + " | " + ar::plainText(answer) + " → "
                   + std::string(quintavia::diagnosis::categoryName(
                       quintavia::diagnosis::diagnose(previous, expected, answer).category)));
    for (auto _ : state)
        benchmark::DoNotOptimize(quintavia::diagnosis::diagnose(previous, expected, answer));
}
BENCHMARK(diagnoseLongestLine)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
