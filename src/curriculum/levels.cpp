// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/levels.h"

#include <array>
#include <stdexcept>

namespace quintavia::curriculum {

namespace {

using P = Level::Partials;

// The table of the school years, as the README shows it to teachers.
constexpr std::array<Level, kLevels> kTable{{
    {.name = "Quarta primaria", .minOperations = 3, .maxOperations = 5, .maxHeight = 1,
     .maxValue = 1000, .maxWhole = 100},
    {.name = "Quinta primaria", .minOperations = 4, .maxOperations = 7, .maxHeight = 2,
     .partials = P::Hundredths, .maxValue = 1000, .maxWhole = 100, .decimals = true, .maxExponent = 3,
     .maxBase = 10, .literalBases = true},
    {.name = "Prima media", .minOperations = 5, .maxOperations = 12, .maxHeight = 3, .curlyInHalf = true,
     .maxValue = 10000, .maxExponent = 5, .exponentZero = true, .maxBase = 10},
    {.name = "Seconda media", .minOperations = 4, .maxOperations = 10, .maxHeight = 3,
     .partials = P::Fractions, .fractions = true, .fractionRequired = true, .maxExponent = 3},
    {.name = "Terza media", .minOperations = 4, .maxOperations = 10, .maxHeight = 3,
     .partials = P::Fractions, .fractions = true, .negatives = true, .maxExponent = 3},
}};

}  // namespace

const Level& level(int number)
{
    if (number < 1 || number > kLevels)
        throw std::invalid_argument("livello fuori da 1 a 5");
    return kTable[std::size_t(number - 1)];
}

}  // namespace quintavia::curriculum
