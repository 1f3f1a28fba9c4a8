// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"

#include "arithmetic/arithmetic.h"
#include "arithmetic/limits.h"
#include "curriculum/levels.h"
#include "document/document_file.h"
#include "document/rtf_reader.h"

#include <QFileInfo>

namespace quintavia::cli {

namespace ar = quintavia::arithmetic;

int runSteps(const Invocation& invocation, Output& output)
{
    std::optional<int> level;
    if (invocation.has("--livello")) {
        QString refusal;
        level = levelOf(invocation, refusal);
        if (!level)
            return output.usage(refusal, QStringLiteral("quintavia-check --passaggi"));
    }
    ar::StepMode mode = level ? curriculum::level(*level).steps : ar::StepMode::School;
    if (invocation.has("--fini"))
        mode = ar::StepMode::OneOperation;
    const ar::Line line = ar::plainLine(invocation.operands[0].toStdString());
    const QString rtfPath = invocation.value("--rtf");
    // Printed, a chain may be as long as it is; written, it must fit an exercise.
    const int maxLines = rtfPath.isEmpty() ? rtf::kMaxReadLines : ar::kMaxExerciseLines;
    const ar::Steps steps = ar::generateSteps(line, mode, maxLines);
    if (!steps.ok()) {
        output.complain(located(steps.problem.column, steps.problem.message));
        return 2;
    }
    if (rtfPath.isEmpty()) {
        output.print(ar::plainText(line) + '\n');
        for (const ar::Line& step : steps.lines)
            output.print(ar::plainText(step) + '\n');
        return 0;
    }
    if (!invocation.has("--forza") && QFileInfo::exists(rtfPath)) {
        output.complain(rtfPath + QStringLiteral(": il file esiste già (--forza per sostituirlo)"));
        return 2;
    }
    std::vector<ar::Line> lines{line};
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    // The teacher's word for the year the exercise is for: the record counts it there.
    const DocumentInfo info = level ? generatedInfo({*level, {}, std::nullopt, 0}) : DocumentInfo();
    if (const QString error = writeExercise(rtfPath, lines, info); !error.isEmpty()) {
        output.complain(rtfPath + QStringLiteral(": ") + error);
        return 2;
    }
    return 0;
}

}  // namespace quintavia::cli
