// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checking exercises and generating steps: a 15-line exercise, a textbook expression, and a
// folder of 1,000 exercise files checked as quintavia-check --verifica does.
#include "arithmetic/arithmetic.h"
#include "document/document_file.h"
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"
#include "exercise/exercise_lines.h"

#include <QDir>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

namespace ar = quintavia::arithmetic;

const char kExpression[] = "{[(3^2 + 4) x 2 - 5] : 7 + 2^3 x (1,5 + 0,5)} : 3/4";

// The expression, its school chain, and titles around it: 15 lines.
std::vector<ar::Line> exerciseLines()
{
    std::vector<ar::Line> lines{ar::plainLine("Calcola il valore dell'espressione:"),
                                ar::plainLine(kExpression)};
    const ar::Steps steps = ar::generateSteps(lines.back(), ar::StepMode::OneOperation, 100);
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    while (lines.size() < 15)
        lines.push_back(steps.lines.back());
    lines.resize(15);
    return lines;
}

void checkFifteenLines(benchmark::State& state)
{
    const std::vector<ar::Line> lines = exerciseLines();
    for (auto _ : state) {
        const std::vector<ar::LineVerdict> verdicts = ar::checkChain(lines);
        if (ar::firstFlagged(verdicts))
            state.SkipWithError("flagged");
        benchmark::DoNotOptimize(verdicts.data());
    }
}

void readAndCheckFifteenLines(benchmark::State& state)
{
    const QByteArray bytes = quintavia::rtf::write(*quintavia::exercise::documentOfLines(exerciseLines()));
    for (auto _ : state) {
        const quintavia::rtf::ReadResult result = quintavia::rtf::read(bytes);
        const std::vector<ar::LineVerdict> verdicts
            = ar::checkChain(quintavia::exercise::linesOfDocument(*result.document));
        benchmark::DoNotOptimize(verdicts.data());
    }
}

void generateSteps(benchmark::State& state)
{
    const ar::Line expression = ar::plainLine(kExpression);
    const auto mode = ar::StepMode(state.range(0));
    for (auto _ : state) {
        const ar::Steps steps = ar::generateSteps(expression, mode, 100);
        benchmark::DoNotOptimize(steps.lines.data());
    }
}

// 1,000 generated exercises written under the current folder, then read and checked.
void verifyThousandFiles(benchmark::State& state)
{
    QDir folder(QDir::current().filePath(QStringLiteral("bench-verifica")));
    folder.removeRecursively();
    folder.mkpath(QStringLiteral("."));
    QStringList paths;
    for (int i = 0; i < 1000; ++i) {
        const std::string expression = "(" + std::to_string(i) + " + 3^2) x " + std::to_string(i % 7 + 2)
                                       + " - " + std::to_string(i % 5) + "/4";
        std::vector<ar::Line> lines{ar::plainLine(expression)};
        const ar::Steps steps = ar::generateSteps(lines.front(), ar::StepMode::OneOperation, 100);
        lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
        paths << folder.filePath(QStringLiteral("esercizio%1.rtf").arg(i));
        quintavia::writeDocumentFile(paths.back(), *quintavia::exercise::documentOfLines(lines), nullptr);
    }
    for (auto _ : state) {
        int right = 0;
        for (const QString& path : paths) {
            const quintavia::rtf::ReadResult result = quintavia::readDocumentFile(path);
            right
                += !ar::firstFlagged(ar::checkChain(quintavia::exercise::linesOfDocument(*result.document)));
        }
        if (right != 1000)
            state.SkipWithError("not every exercise is right");
    }
    folder.removeRecursively();
}

}  // namespace

BENCHMARK(checkFifteenLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(readAndCheckFifteenLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(generateSteps)
    ->Arg(int(ar::StepMode::School))
    ->Arg(int(ar::StepMode::OneOperation))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(verifyThousandFiles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // fonts for the documents written
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
