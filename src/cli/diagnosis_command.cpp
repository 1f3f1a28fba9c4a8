// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"

#include "arithmetic/arithmetic.h"
#include "diagnosis/judge.h"

namespace quintavia::cli {

namespace ar = quintavia::arithmetic;

int runDiagnosis(const Invocation& invocation, Output& output)
{
    std::vector<ar::Line> lines;
    for (const QString& operand : invocation.operands)
        lines.push_back(ar::plainLine(operand.toStdString()));
    // The pupil's answer may be anything; the two lines it is judged against must be arithmetic.
    const char* names[] = {"PRECEDENTE", "ATTESA"};
    for (int i = 0; i < 2; ++i) {
        const ar::Reading reading = ar::readLine(lines[std::size_t(i)]);
        if (reading.kind == ar::Reading::Kind::Valued)
            continue;
        const QString why = reading.kind == ar::Reading::Kind::Faulty
                                ? located(reading.problem.column, reading.problem.message)
                                : QStringLiteral("la riga non contiene numeri");
        output.complain(QStringLiteral("%1: %2").arg(QLatin1String(names[i]), why));
        return 2;
    }
    const diagnosis::Diagnosis found = diagnosis::judge(lines[0], std::span(&lines[1], 1), lines[2]).diagnosis;
    std::string line(diagnosis::categoryName(found.category));
    line += found.message.empty() ? "\n" : ": " + found.message + '\n';
    output.print(line);
    return 0;
}

}  // namespace quintavia::cli
