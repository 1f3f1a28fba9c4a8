// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace quintavia {

// Adds one to a 16-bit line counter; false (and the counter unchanged) when it would overflow.
bool checkedIncrement(qint16& counter);

// The step table: element k (from 1) holds line k of a document's plain text followed by CR LF;
// every element after the last line is empty. It always has at least the elements 0 to 20, and
// grows so that one empty element follows the last line, however long the document is.
class StepTable {
public:
    static constexpr int kMinimumUpperIndex = 20;

    StepTable() { clear(); }

    // Re-creates the table empty (elements 0 to 20).
    void clear();

    // Splits `text` at each CR (the character after a CR is taken as its LF and skipped) and stores
    // the lines. Returns the number of lines, or 0 when the text has more lines than a 16-bit
    // counter can count (the table is then left empty).
    qint16 build(const QString& text);

    // Element k; empty beyond the table or when k is 0.
    QString at(int k) const;
    int upperIndex() const { return static_cast<int>(m_elements.size()) - 1; }
    qint16 lineCount() const { return m_lineCount; }

private:
    QStringList m_elements;
    qint16 m_lineCount = 0;
};

// The most lines a document may have so that a 16-bit counter can point one past its last line.
inline constexpr int kMaximumLines = 32766;

}  // namespace quintavia
