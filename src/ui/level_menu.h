// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace quintavia::ui {

// The school levels as a menu, "1 - Quarta primaria" to "5 - Terza media", as the collection's
// folders are named; `chosen` gets the level's number.
QMenu* levelMenu(QWidget* parent, const std::function<void(int level)>& chosen);

}  // namespace quintavia::ui
