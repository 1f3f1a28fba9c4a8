// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace quintavia::ui {

// The start window: title, version, credit line, the four picture buttons and the sound switch.
const WindowSpec& startLayout();

// The start window's controls as the window reaches them; their object names stay in the layout.
struct StartControls {
    QAbstractButton* solver = nullptr;
    QAbstractButton* editor = nullptr;
    QAbstractButton* info = nullptr;
    QAbstractButton* exit = nullptr;
    QAbstractButton* sound = nullptr;  // checked while the sounds are off
    QLabel* version = nullptr;
};
// Builds `window` from startLayout().
StartControls buildStartWindow(QWidget* window);

}  // namespace quintavia::ui
