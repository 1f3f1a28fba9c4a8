// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise generator: 1,000 exercises of a level with their chains in school order, in one
// process; "per_exercise" is the time of one exercise and its chain.
#include "arithmetic/arithmetic.h"
#include "curriculum/generator.h"

#include <benchmark/benchmark.h>

namespace {

namespace ar = quintavia::arithmetic;

void thousandExercises(benchmark::State& state)
{
    const int level = int(state.range(0));
    std::uint64_t seed = 1;
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const std::string& expression : quintavia::curriculum::generate(level, 1000, seed++))
            lines += ar::generateSteps(ar::plainLine(expression), ar::StepMode::School, 15).lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["per_exercise"]
        = benchmark::Counter(double(state.iterations()) * 1000, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(thousandExercises)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
