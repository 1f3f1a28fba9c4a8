// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"
#include "cli/exercise_files.h"

#include "document/document_file.h"
#include "exercise/exercise_lines.h"

namespace quintavia::cli {

int runListing(const Invocation& invocation, Output& output)
{
    const QList<ExerciseFile> files = exerciseFiles(invocation.operands);
    int status = 0;
    bool first = true;
    for (const ExerciseFile& file : files) {
        const rtf::ReadResult result = readDocumentFile(file.path);
        if (!result.ok()) {
            output.complain(file.path + QStringLiteral(": ") + result.error);
            status = 1;
            continue;
        }
        if (files.size() > 1 || invocation.operands.size() > 1) {
            output.print(QStringLiteral("%1==> %2 <==\n").arg(first ? QString() : QStringLiteral("\n"), file.path));
            first = false;
        }
        for (const arithmetic::Line& line : exercise::linesOfDocument(*result.document))
            output.print(arithmetic::plainText(line) + '\n');
    }
    return status;
}

}  // namespace quintavia::cli
