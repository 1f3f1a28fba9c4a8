// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace quintavia::curriculum {

// A seed for generate() that no one chose: 64 bits from the system's entropy source.
std::uint64_t freshSeed();

}  // namespace quintavia::curriculum
