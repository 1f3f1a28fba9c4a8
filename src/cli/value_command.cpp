// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"

#include "arithmetic/arithmetic.h"

namespace quintavia::cli {

namespace ar = quintavia::arithmetic;

int runValue(const Invocation& invocation, Output& output)
{
    const ar::Reading reading = ar::readLine(ar::plainLine(invocation.operands[0].toStdString()));
    switch (reading.kind) {
    case ar::Reading::Kind::Valued: output.print(reading.value.written(reading.notation) + '\n'); return 0;
    case ar::Reading::Kind::Faulty: output.complain(located(reading.problem.column, reading.problem.message)); return 2;
    case ar::Reading::Kind::Text: break;
    }
    output.complain(QStringLiteral("l'espressione non contiene numeri"));
    return 2;
}

}  // namespace quintavia::cli
