// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/shrink_to_fit.h"

#include "document/char_format.h"
#include "widgets/line_fit.h"

#include <QTextBlock>

namespace quintavia::widgets {

ShrinkToFit::ShrinkToFit(QTextDocument* document, std::function<double()> room)
    : QSyntaxHighlighter(document), m_room(std::move(room))
{
}

void ShrinkToFit::highlightBlock(const QString& /*text*/)
{
    const QTextBlock line = currentBlock();
    const double points = fittingPoints(line, m_room());
    if (points >= kOrdinaryPoints)
        return;
    for (auto it = line.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        // Raises are a share of the size, so exponents keep their place.
        setFormat(fragment.position() - line.position(), fragment.length(),
                  scaledFormat(fragment.charFormat(), points));
    }
}

}  // namespace quintavia::widgets
