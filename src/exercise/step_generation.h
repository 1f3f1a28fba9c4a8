// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "exercise/chain_report.h"

#include <QString>
#include <QTextDocument>

#include <vector>

namespace quintavia::exercise {

// What "Genera i passaggi" would do to a document: the steps of the line under the caret, and
// the lines after it that they would replace.
struct StepsPlan {
    QString problem;  // "Riga 2: manca una parentesi chiusa"; empty when the plan is good
    std::vector<arithmetic::Line> steps;
    LineSpan expression;    // the line under the caret
    int followingEnd = -1;  // end of the last line after it; -1 when none follows
    bool ok() const { return problem.isEmpty(); }
    bool replacesLines() const { return followingEnd >= 0; }
};
// The document, generated lines included, must stay within the lines an exercise holds and what
// the reader takes back.
StepsPlan planSteps(const QTextDocument& document, int caretPosition);

// Puts the plan's steps after its expression, in the editor's formats, replacing the lines that
// followed it: one edit, so one undo step.
void applySteps(QTextDocument& document, const StepsPlan& plan);

}  // namespace quintavia::exercise
