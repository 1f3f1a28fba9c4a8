// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/pictures.h"

#include <span>

namespace quintavia {

// Every picture the windows show, drawn when the program was built (see render_pictures.cpp).
std::span<const ui::PrerenderedPicture> prerenderedPictures();

}  // namespace quintavia
