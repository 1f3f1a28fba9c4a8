// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

namespace quintavia::ui {

// The start window: title, version, credit line, the four picture buttons and the sound switch.
const WindowSpec& startLayout();

}  // namespace quintavia::ui
