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
        const QFont font = scaledFormat(fragment.charFormat(), points).font().resolve(line.document()->defaultFont());
        width += QFontMetricsF(font).horizontalAdvance(fragment.text());
    }
    return width;
}

double fittingPoints(double width, double room)
{
    if (width <= room || width <= 0)
        return kOrdinaryPoints;
    return std::max(kMinimumReadablePoints, kOrdinaryPoints * room / width);
}

QTextCharFormat scaledFormat(QTextCharFormat format, double points)
{
    format.setFontPointSize(pointsOf(format) * points / kOrdinaryPoints);
    return format;
}

double fittingPoints(const QTextBlock& line, double room)
{
    double points = fittingPoints(lineWidth(line, kOrdinaryPoints), room);
    // Scaled to whole pixels a size may come out a little wider than in proportion: smaller again
    // until it fits, a few times at most.
    for (int tries = 0; tries < 6 && points > kMinimumReadablePoints; ++tries) {
        const double width = lineWidth(line, points);
        if (width <= room)
            break;
        points = std::max(kMinimumReadablePoints, points * room / width - 0.05);
    }
    return points;
}

bool fitsUnwrapped(const QTextBlock& line, double room)
{
    return lineWidth(line, kMinimumReadablePoints) <= room;
}

QList<FittedRun> fittedRuns(const QTextBlock& line, double room)
{
    const double points = fittingPoints(line, room);
    if (points >= kOrdinaryPoints)
        return {};
    QList<FittedRun> runs;
    for (auto it = line.begin(); !it.atEnd(); ++it)
        runs.append({it.fragment().position(), it.fragment().length(), scaledFormat(it.fragment().charFormat(), points)});
    return runs;
}

}  // namespace quintavia::widgets
