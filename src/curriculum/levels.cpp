// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/levels.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace quintavia::curriculum {

namespace {

using arithmetic::Value;
using P = Level::Partials;
using F = Level::Finals;

// The table of the school years, as the README shows it to teachers.
constexpr std::array<Level, kLevels> kTable{{
    {.name = "Quarta primaria", .minOperations = 3, .maxOperations = 5, .maxHeight = 1, .maxWhole = 100,
     .maxDivisor = 10, .maxSmallFactor = 10, .maxValue = 1000, .minFinal = 1, .maxFinal = 100, .steps = arithmetic::StepMode::Primary},
    {.name = "Quinta primaria", .minOperations = 4, .maxOperations = 7, .maxHeight = 2, .maxWhole = 100,
     .decimals = true, .maxExponent = 3, .maxBase = 10, .literalBases = true, .maxDivisor = 25,
     .tenPowerDivisors = true, .maxSmallFactor = 10, .tenPowerFactors = true, .partials = P::Hundredths,
     .maxValue = 1000, .finals = F::Tenths, .minFinal = 1, .maxFinal = 100, .steps = arithmetic::StepMode::Primary},
    {.name = "Prima media", .minOperations = 5, .maxOperations = 12, .maxHeight = 3, .curlyInHalf = true,
     .maxExponent = 5, .rareExponents = true, .maxBase = 10, .maxDivisor = 25, .tenPowerDivisors = true,
     .maxValue = 10000, .minFinal = 1, .maxFinal = 1000},
    {.name = "Seconda media", .minOperations = 4, .maxOperations = 10, .maxHeight = 3, .fractions = true,
     .maxDenominator = 12, .minFractions = 2, .unlikeSumsInHalf = true, .maxExponent = 3,
     .partials = P::Fractions, .maxValue = 10000, .maxLineDenominator = 60, .finals = F::Fractions,
     .minFinal = 0, .maxFinal = 60},
    {.name = "Terza media", .minOperations = 4, .maxOperations = 10, .maxHeight = 3, .negatives = true,
     .fractions = true, .maxDenominator = 12, .maxExponent = 3, .partials = P::Fractions, .maxValue = 10000,
     .maxLineDenominator = 60, .finals = F::Fractions, .minFinal = -60, .maxFinal = 60},
}};

bool isTenPower(std::int64_t n, std::int64_t d)
{
    return d == 1 && (n == 10 || n == 100 || n == 1000);
}

bool wholeUpTo(std::int64_t n, std::int64_t d, std::int64_t max)
{
    return d == 1 && n >= 2 && n <= max;
}

}  // namespace

const Level& level(int number)
{
    if (number < 1 || number > kLevels)
        throw std::invalid_argument("livello fuori da 1 a 5");
    return kTable[std::size_t(number - 1)];
}

OperationFault operationFault(const Level& level, const Value& left, char32_t sign, const Value& right)
{
    const bool product = sign == U'x' || sign == 0x00B7;
    const Value one(1);
    if (left.sign() == 0 || right.sign() == 0 || (product && (left == one || right == one))
        || (sign == U':' && right == one))
        return OperationFault::Useless;
    const auto l = left.terms(), r = right.terms();
    if (!l || !r)
        return OperationFault::Divisor;  // no exercise of any level gets near 64 bits
    if (sign == U':') {
        if (level.maxDivisor && !wholeUpTo(r->first, r->second, level.maxDivisor)
            && !(level.tenPowerDivisors && isTenPower(r->first, r->second)))
            return OperationFault::Divisor;
        if (level.partials == P::Fractions && r->second != 1
            && std::max(r->first, -r->first) > level.maxLineDenominator)
            return OperationFault::Reciprocal;
    }
    if (product && level.maxSmallFactor) {
        auto small = [&](std::int64_t n, std::int64_t d) {
            return wholeUpTo(n, d, level.maxSmallFactor) || (level.tenPowerFactors && isTenPower(n, d));
        };
        if (!small(l->first, l->second) && !small(r->first, r->second))
            return OperationFault::Factor;
    }
    return OperationFault::None;
}

bool fitsPartial(const Level& level, const Value& value)
{
    const auto terms = value.terms();
    if (!terms)
        return false;
    const auto [n, d] = *terms;
    switch (level.partials) {
    case P::Whole: return d == 1 && n >= 0 && n <= level.maxValue;
    case P::Hundredths: return 100 % d == 0 && n >= 0 && n <= level.maxValue * d;
    case P::Fractions: break;
    }
    return (level.negatives || n >= 0) && std::max(n, -n) <= level.maxValue && d <= level.maxLineDenominator;
}

bool fitsFinal(const Level& level, const Value& value)
{
    const auto terms = value.terms();
    if (!terms || terms->first == 0)
        return false;
    const auto [n, d] = *terms;
    const bool written = level.finals == F::Whole ? d == 1
                         : level.finals == F::Tenths ? 10 % d == 0
                                                     : d <= level.maxDenominator;
    return written && n >= level.minFinal * d && n <= level.maxFinal * d;
}

}  // namespace quintavia::curriculum
