// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>

namespace quintavia::widgets {

// Layouts are written in twips (1440 to the inch), as designed; the screen has 96 pixels an inch.
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kPixelsPerInch = 96.0;
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}
inline int inchesToPixels(double inches)
{
    return qRound(inches * kPixelsPerInch);
}
inline double pixelsToInches(int pixels)
{
    return pixels / kPixelsPerInch;
}

}  // namespace quintavia::widgets
