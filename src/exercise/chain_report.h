// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

#include <QString>
#include <QTextDocument>

#include <optional>
#include <vector>

namespace quintavia::exercise {

// Where one line of a document stands: its first character and its length, in document positions.
struct LineSpan {
    int position = 0;
    int length = 0;
};
// Every line of the document, in the order linesOfDocument() gives them.
std::vector<LineSpan> lineSpans(const QTextDocument& document);
// The index (from 0) of the line holding document position `position`.
int lineAt(const std::vector<LineSpan>& spans, int position);

// The first line of the chain whose value or reading is wrong, as the editor reports it.
struct ChainProblem {
    int line = 0;  // from 1
    QString text;  // "Riga 3: vale 21, ma la riga 2 vale 14", "Riga 2: manca una parentesi chiusa"
    LineSpan span;
};
std::optional<ChainProblem> firstChainProblem(const QTextDocument& document);

}  // namespace quintavia::exercise
