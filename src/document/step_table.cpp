// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/step_table.h"

#include <limits>

namespace quintavia {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

bool checkedIncrement(qint16& counter)
{
    if (counter == std::numeric_limits<qint16>::max())
        return false;
    ++counter;
    return true;
}

void StepTable::clear()
{
    m_elements = QStringList(kMinimumUpperIndex + 1, QString());
    m_lineCount = 0;
}

qint16 StepTable::build(const QString& text)
{
    clear();
    const QString t = text + kCrLf;
    QStringList lines;
    qsizetype p = t.indexOf(QLatin1Char('\r'));
    QString line = t.left(p);
    for (;;) {
        lines.append(line + kCrLf);
        const qsizetype q = t.indexOf(QLatin1Char('\r'), p + 1);
        if (q < 0)
            break;
        // The character right after each CR is taken as its LF.
        line = t.mid(p + 2, std::max<qsizetype>(0, q - p - 2));
        p = q;
        if (lines.size() >= kMaximumLines)
            return 0;  // a 16-bit counter could not point past the last line
    }
    m_lineCount = static_cast<qint16>(lines.size());
    // Element 0 is never used; one empty element always follows the last line.
    m_elements = QStringList{QString()} + lines;
    while (m_elements.size() < std::max<qsizetype>(kMinimumUpperIndex + 1, lines.size() + 2))
        m_elements.append(QString());
    return m_lineCount;
}

QString StepTable::at(int k) const
{
    if (k <= 0 || k >= m_elements.size())
        return {};
    return m_elements.at(k);
}

}  // namespace quintavia
