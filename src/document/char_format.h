// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QTextCharFormat>

namespace quintavia {

// The font of exercise text; resolves to Comic Neue where Comic Sans MS is missing.
inline constexpr const char* kExerciseFontFamily = "Comic Sans MS";

// A run's raise above the baseline in twips (negative: lowered), kept exactly as set so that an
// exponent raised by 85 twips is still 85 after saving and reading again.
inline constexpr int kRaiseProperty = QTextFormat::UserProperty + 1;

// Stores the raise and moves the glyphs by it on screen.
void setRaise(QTextCharFormat& format, int twips);
// The raise in twips, 0 when the run is not raised.
int raiseOf(const QTextCharFormat& format);
// How far the run stands above the baseline: its raise, or for a superscript or subscript without
// one, the exponents' raise up or down.
int effectiveRaise(const QTextCharFormat& format);

// Ordinary exercise text: 12 pt, \fs24 in the files, which count half-points.
inline constexpr int kOrdinaryPoints = 12;
inline constexpr int kOrdinaryHalfPoints = 2 * kOrdinaryPoints;
// The largest size a file may set, in half-points; larger ones are taken as this.
inline constexpr int kMaxHalfPoints = 3276;

// Exponents as the keypad types them: 8 pt, bold, raised 85 twips. The files write that raise as
// \up8: \up counts half-points, and 8 stands for exactly 85 twips, as the rich-edit control has it.
inline constexpr int kExponentRaise = 85;
inline constexpr int kExponentPoints = 8;
inline constexpr int kExponentRaiseHalfPoints = 8;

// A run's size in points: its own, or the ordinary size when it sets none.
qreal pointsOf(const QTextCharFormat& format);

// The exercise font, by default at the ordinary text's size: a document's default font.
QFont exerciseFont(qreal points = kOrdinaryPoints, bool bold = false);

// The character format of ordinary exercise text: Comic Sans MS 12 pt, not bold, not raised.
QTextCharFormat baseCharFormat();
// The same text as an exponent.
QTextCharFormat exponentCharFormat();

}  // namespace quintavia
