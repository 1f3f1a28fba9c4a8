// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <vector>

namespace quintavia::exercise {

// Raised: superscript, or a positive raise as the keypad's exponent keys set it.
bool isRaised(const QTextCharFormat& format);

// The lines of one block (a line break inside a block starts a new line, as in plainText()).
std::vector<arithmetic::Line> linesOfBlock(const QTextBlock& block);
// Every line of a document, in order, as the solver numbers them.
std::vector<arithmetic::Line> linesOfDocument(const QTextDocument& document);

// Inserts a line at the cursor in the editor's formats: ordinary text and the exponent format.
void insertLine(QTextCursor& cursor, const arithmetic::Line& line);
// Why a document of these lines could not be read back (too many lines, a line or the whole text
// too long for the reader); empty when it could.
QString documentLimitProblem(const std::vector<arithmetic::Line>& lines);
// A document of these lines in the editor's formats, ready for writeDocumentFile().
std::unique_ptr<QTextDocument> documentOfLines(const std::vector<arithmetic::Line>& lines);

}  // namespace quintavia::exercise
