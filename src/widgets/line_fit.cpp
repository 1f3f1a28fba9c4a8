// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/line_fit.h"

#include "document/char_format.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace quintavia::widgets {

namespace {

// A rich-text box's frame (two pixels a side) and its document's margin (four).
constexpr int kBoxChrome = 2 * (2 + 4);

}  // namespace

int textRoom(int boxWidth)
{
    return std::max(0, boxWidth - kBoxChrome);
}

double lineWidth(const QTextBlock& line, double points)
{
    double width = 0;
    for (auto it = line.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        QFont font = fragment.charFormat().font().resolve(line.document()->defaultFont());
        if (fragment.charFormat().fontPointSize() <= 0)
            font.setPointSizeF(kOrdinaryPoints);
        width += QFontMetricsF(font).horizontalAdvance(fragment.text());
    }
    return width * points / kOrdinaryPoints;
}

double fittingPoints(double width, double room)
{
    if (width <= room || width <= 0)
        return kOrdinaryPoints;
    return std::max(kMinimumReadablePoints, kOrdinaryPoints * room / width);
}

bool fitsUnwrapped(double width, double room)
{
    return width * kMinimumReadablePoints / kOrdinaryPoints <= room;
}

}  // namespace quintavia::widgets
