// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

class QAbstractButton;
class QWidget;

namespace quintavia::ui {

// The about window: a pale yellow surface for the credit lines and its OK button.
const WindowSpec& infoLayout();

// The about window's one control, as the window reaches it; its object name stays in the layout.
struct InfoControls {
    QAbstractButton* ok = nullptr;
};
// Builds `window` from infoLayout().
InfoControls buildInfoWindow(QWidget* window);

// The colour of the credit lines drawn on the about window.
inline constexpr Rgb kInfoTextColour{0, 0, 192};

}  // namespace quintavia::ui
