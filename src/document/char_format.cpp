// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/char_format.h"

namespace quintavia {

void setRaise(QTextCharFormat& format, int twips)
{
    if (twips == 0) {
        format.clearProperty(kRaiseProperty);
        format.clearProperty(QTextFormat::TextBaselineOffset);
        return;
    }
    format.setProperty(kRaiseProperty, twips);
    // Qt moves the baseline by a percentage of the font's size.
    const qreal points = pointsOf(format);
    format.setBaselineOffset(100.0 * (twips / 20.0) / points);
}

qreal pointsOf(const QTextCharFormat& format)
{
    return format.fontPointSize() > 0 ? format.fontPointSize() : kOrdinaryPoints;
}

int raiseOf(const QTextCharFormat& format)
{
    return format.intProperty(kRaiseProperty);
}

QTextCharFormat baseCharFormat()
{
    QTextCharFormat format;
    format.setFontFamilies({QString::fromLatin1(kExerciseFontFamily)});
    format.setFontPointSize(kOrdinaryPoints);
    format.setFontWeight(QFont::Normal);
    return format;
}

QFont exerciseFont(qreal points, bool bold)
{
    QFont font(QString::fromLatin1(kExerciseFontFamily));
    font.setPointSizeF(points);
    if (bold)
        font.setBold(true);
    return font;
}

int effectiveRaise(const QTextCharFormat& format)
{
    const int raise = raiseOf(format);
    if (raise != 0)
        return raise;
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript: return kExponentRaise;
    case QTextCharFormat::AlignSubScript: return -kExponentRaise;
    default: return 0;
    }
}

QTextCharFormat exponentCharFormat()
{
    QTextCharFormat format = baseCharFormat();
    format.setFontPointSize(kExponentPoints);
    format.setFontWeight(QFont::Bold);
    setRaise(format, kExponentRaise);
    return format;
}

}  // namespace quintavia
