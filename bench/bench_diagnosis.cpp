// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One judgement on the longest line of a 15-line exercise (the expression, one operation a line):
// a pupil's slip in the next line, and a right step of the pupil's own against the school step
// (aim: under a millisecond each).
#include "arithmetic/arithmetic.h"
#include "diagnosis/judge.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <span>

namespace {

namespace ar = quintavia::arithmetic;
namespace dg = quintavia::diagnosis;

const char kExpression[] = "{[(3^2 + 4) x 2 - 5] : 7 + 2^3 x (1,5 + 0,5)} : 3/4";

struct Exercise {
    std::vector<ar::Line> lines;
    std::size_t longest = 0;  // the index of the longest line with one after it
};

Exercise exercise(ar::StepMode mode)
{
    Exercise e{{ar::plainLine(kExpression)}};
    const ar::Steps steps = ar::generateSteps(e.lines.front(), mode, 15);
    e.lines.insert(e.lines.end(), steps.lines.begin(), steps.lines.end());
    const auto longest = std::max_element(e.lines.begin(), e.lines.end() - 1,
                                          [](const ar::Line& a, const ar::Line& b) { return a.size() < b.size(); });
    e.longest = std::size_t(longest - e.lines.begin());
    return e;
}

void run(benchmark::State& state, const ar::Line& current, std::span<const ar::Line> ahead, const ar::Line& answer)
{
    const dg::Judgement j = dg::judge(current, ahead, answer);
    state.SetLabel(ar::plainText(current) + " | " + ar::plainText(answer) + " → "
                   + std::string(dg::categoryName(j.diagnosis.category)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dg::judge(current, ahead, answer));
}

void judgeSlip(benchmark::State& state)
{
    const Exercise e = exercise(ar::StepMode::OneOperation);
    const ar::Line& previous = e.lines[e.longest];
    const std::span<const ar::Line> ahead(e.lines.data() + e.longest + 1, e.lines.size() - e.longest - 1);
    ar::Line answer = ahead.front();
    // The first digit the step wrote, one more: a slip of calculation.
    for (std::size_t i = 0; i < answer.size(); ++i)
        if (i >= previous.size() || !(answer[i] == previous[i])) {
            if (answer[i].code >= U'0' && answer[i].code < U'9')
                ++answer[i].code;
            break;
        }
    run(state, previous, ahead, answer);
}
BENCHMARK(judgeSlip)->Unit(benchmark::kMicrosecond);

void judgeOwnStep(benchmark::State& state)
{
    const Exercise e = exercise(ar::StepMode::School);
    const ar::Line& previous = e.lines[e.longest];
    const std::span<const ar::Line> ahead(e.lines.data() + e.longest + 1, e.lines.size() - e.longest - 1);
    const ar::Steps one = ar::generateSteps(previous, ar::StepMode::OneOperation, 100);
    run(state, previous, ahead, one.lines.front());
}
BENCHMARK(judgeOwnStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
