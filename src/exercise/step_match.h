// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule lives with the arithmetic, so that the diagnosis of a wrong step shares it.
#include "arithmetic/step_match.h"

namespace quintavia::exercise {

using arithmetic::stepsMatch;

}  // namespace quintavia::exercise
