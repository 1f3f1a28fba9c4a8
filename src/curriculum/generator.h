// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "curriculum/levels.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quintavia::curriculum {

// `count` distinct expressions of a level (1 to kLevels), in plain notation ("^" before raised
// digits), each obeying levelFault's rules with a chain as the level works it that fits kMaxLines. The
// same arguments give the same expressions on every machine. Throws std::invalid_argument, with
// an Italian message, for a level or a count (1 to kMaxCount) out of range.
std::vector<std::string> generate(int level, int count, std::uint64_t seed);

}  // namespace quintavia::curriculum
