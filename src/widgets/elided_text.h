// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QFont;

namespace quintavia {

// Rich text `html` cut to at most `lines` lines `width` pixels wide in `font`, ending in "…" when
// cut (then `cut`, if given, is set). Text that fits comes back as given.
QString elidedRichText(const QString& html, const QFont& font, int width, int lines, bool* cut = nullptr);

}  // namespace quintavia
