// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QTextCharFormat>

class QTextBlock;

namespace quintavia::widgets {

// How an exercise line fits a box on screen: a line wider than the box is drawn smaller, never
// below the smallest readable size, and only a line too wide even then is wrapped. Sizes are those
// of ordinary text; exponents shrink in proportion.

// Ordinary text is never drawn smaller than this.
inline constexpr double kMinimumReadablePoints = 9;

// Room for text in a rich-text box `boxWidth` pixels wide: less its frame and the document's margins.
int textRoom(int boxWidth);

// How wide `line` is drawn, in pixels, with its ordinary text at `points` (each run in its own
// font and size, scaled alike, and measured at that size: fonts keep to whole pixels, so widths
// do not scale exactly).
double lineWidth(const QTextBlock& line, double points);

// The size for ordinary text at which a line `width` pixels wide at the ordinary size fits `room`:
// the ordinary size when it fits, else smaller, down to kMinimumReadablePoints.
double fittingPoints(double width, double room);

// `format` with its size scaled as ordinary text drawn at `points` (raises follow the size).
QTextCharFormat scaledFormat(QTextCharFormat format, double points);

// The same for `line` itself, measured at the sizes tried.
double fittingPoints(const QTextBlock& line, double room);
// Whether `line` fits `room` at kMinimumReadablePoints, so that it never needs wrapping.
bool fitsUnwrapped(const QTextBlock& line, double room);

// A run of a line (document positions) in the format it is drawn in to fit.
struct FittedRun {
    int position;
    int length;
    QTextCharFormat format;
};
// `line`'s runs scaled alike to fittingPoints(line, room); none when the line fits as it is.
QList<FittedRun> fittedRuns(const QTextBlock& line, double room);

}  // namespace quintavia::widgets
