// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "arithmetic/steps.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quintavia::curriculum {

// An expression in plain notation followed by its chain, as an exercise document holds them; empty
// when the chain does not fit in kMaxLines.
std::vector<arithmetic::Line> exerciseLines(const std::string& expression, arithmetic::StepMode mode);

// One fresh exercise of `level` (1 to kLevels): its expression, then its chain as the level works
// it, as the windows put it in a document. The same level and seed give the same lines.
std::vector<arithmetic::Line> exerciseWithChain(int level, std::uint64_t seed);

}  // namespace quintavia::curriculum
