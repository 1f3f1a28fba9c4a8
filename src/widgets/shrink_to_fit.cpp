// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/shrink_to_fit.h"

#include "widgets/line_fit.h"

#include <QTextBlock>

namespace quintavia::widgets {

ShrinkToFit::ShrinkToFit(QTextDocument* document, std::function<double()> room)
    : QSyntaxHighlighter(document), m_room(std::move(room))
{
}

void ShrinkToFit::highlightBlock(const QString& /*text*/)
{
    // Raises are a share of the size, so exponents keep their place.
    const QTextBlock line = currentBlock();
    for (const FittedRun& run : fittedRuns(line, m_room()))
        setFormat(run.position - line.position(), run.length, run.format);
}

}  // namespace quintavia::widgets
