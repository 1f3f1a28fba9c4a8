// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"
#include "cli/exercise_files.h"

#include "arithmetic/arithmetic.h"
#include "document/document_file.h"
#include "exercise/exercise_lines.h"

namespace quintavia::cli {

namespace ar = quintavia::arithmetic;

namespace {

QString counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
}

}  // namespace

int runVerify(const Invocation& invocation, Output& output)
{
    int right = 0, wrong = 0, unread = 0;
    for (const ExerciseFile& file : exerciseFiles(invocation.operands)) {
        const rtf::ReadResult result = readDocumentFile(file.path);
        if (!result.ok()) {
            output.complain(file.path + QStringLiteral(": ") + result.error);
            ++unread;
            continue;
        }
        const std::vector<ar::LineVerdict> verdicts = ar::checkChain(exercise::linesOfDocument(*result.document));
        bool flagged = false;
        for (std::size_t i = 0; i < verdicts.size(); ++i) {
            const ar::LineVerdict& verdict = verdicts[i];
            if (!verdict.flagged())
                continue;
            flagged = true;
            const QString text = verdict.status == ar::LineVerdict::Status::Unreadable
                                     ? located(verdict.problem.column, verdict.problem.message)
                                     : QString::fromStdString(verdict.message());
            output.print(QStringLiteral("%1:%2: %3\n").arg(file.path).arg(i + 1).arg(text));
        }
        ++(flagged ? wrong : right);
    }
    QString summary = counted(right + wrong, "esercizio", "esercizi") + QStringLiteral(": ")
                      + counted(right, "giusto", "giusti") + QStringLiteral(", %1 con errori").arg(wrong);
    if (unread > 0)
        summary += QStringLiteral(", ") + counted(unread, "file non letto", "file non letti");
    output.print(summary + QLatin1Char('\n'));
    return unread > 0 ? 2 : wrong > 0 ? 1 : 0;
}

}  // namespace quintavia::cli
