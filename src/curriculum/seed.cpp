// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/seed.h"

#include <random>

namespace quintavia::curriculum {

std::uint64_t freshSeed()
{
    std::random_device device;
    return std::uint64_t(device()) << 32 | device();
}

}  // namespace quintavia::curriculum
