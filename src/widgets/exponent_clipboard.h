// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QMimeData;
class QTextDocument;
class QTextDocumentFragment;

namespace quintavia {

// What the exercise boxes put on the clipboard and take from it, so that exponents survive a copy
// into a word processor or a plain-text editor and back. Raised digits travel as superscript in
// rich text and as ⁰¹²³⁴⁵⁶⁷⁸⁹ in plain text.

// The superscript character of a digit ('2' gives '²'), or the character itself.
QChar superscriptOf(QChar digit);

// Plain text of a document, lines joined by "\n", raised digits as superscript characters.
QString plainTextWithSuperscripts(const QTextDocument& document);
// HTML of a document in which raised runs are superscript, colours and sizes kept.
QString htmlWithSuperscripts(const QTextDocument& document);
// A copy of `selection` for the clipboard or a drag: HTML and plain text as above.
QMimeData* mimeDataWithExponents(const QTextDocumentFragment& selection);

// The text a paste types: rich text when there is some (superscript runs as superscript digits),
// else the plain text; line breaks as "\n", non-breaking blanks as blanks.
QString textToPaste(const QMimeData& source);

}  // namespace quintavia
