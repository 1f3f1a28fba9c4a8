// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/step_generation.h"

#include "arithmetic/limits.h"
#include "arithmetic/steps.h"
#include "document/char_format.h"
#include "exercise/exercise_lines.h"

#include <QTextBlock>
#include <QTextCursor>

namespace quintavia::exercise {

StepsPlan planSteps(const QTextDocument& document, int caretPosition)
{
    StepsPlan plan;
    const std::vector<LineSpan> spans = lineSpans(document);
    const std::vector<arithmetic::Line> lines = linesOfDocument(document);
    const int index = lineAt(spans, caretPosition);
    if (index >= int(lines.size()) || index >= int(spans.size())) {
        plan.problem = QStringLiteral("Nessuna espressione da risolvere");
        return plan;
    }
    plan.expression = spans[std::size_t(index)];
    // The lines above the expression stay, so they count against the exercise's limit.
    const arithmetic::Steps steps = arithmetic::generateSteps(
        lines[std::size_t(index)], arithmetic::StepMode::School, arithmetic::kMaxExerciseLines - index);
    if (!steps.ok()) {
        const QString message = QString::fromStdString(steps.problem.message);
        plan.problem = steps.problem.column > 0 ? QStringLiteral("Riga %1, colonna %2: %3")
                                                      .arg(index + 1)
                                                      .arg(steps.problem.column)
                                                      .arg(message)
                                                : QStringLiteral("Riga %1: %2").arg(index + 1).arg(message);
        return plan;
    }
    std::vector<arithmetic::Line> kept(lines.begin(), lines.begin() + index + 1);
    kept.insert(kept.end(), steps.lines.begin(), steps.lines.end());
    if (const QString problem = documentLimitProblem(kept); !problem.isEmpty()) {
        plan.problem = QStringLiteral("Riga %1: %2").arg(index + 1).arg(problem);
        return plan;
    }
    plan.steps = steps.lines;
    if (index + 1 < int(spans.size()))
        plan.followingEnd = spans.back().position + spans.back().length;
    return plan;
}

void applySteps(QTextDocument& document, const StepsPlan& plan)
{
    const QTextCharFormat ordinary = baseCharFormat();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.setPosition(plan.expression.position + plan.expression.length);
    if (plan.replacesLines())
        cursor.setPosition(plan.followingEnd, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    for (const arithmetic::Line& line : plan.steps) {
        cursor.insertBlock(cursor.blockFormat(), ordinary);
        insertLine(cursor, line);
    }
    cursor.endEditBlock();
}

}  // namespace quintavia::exercise
