// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/levels.h"

#include <array>
#include <stdexcept>

namespace quintavia::curriculum {

namespace {

constexpr Level quarta()
{
    Level l;
    l.name = "Quarta primaria";
    l.minOperations = 3;
    l.maxOperations = 5;
    l.maxHeight = 1;
    l.maxValue = 1000;
    l.maxWhole = 100;
    return l;
}

constexpr Level quinta()
{
    Level l = quarta();
    l.name = "Quinta primaria";
    l.minOperations = 4;
    l.maxOperations = 7;
    l.maxHeight = 2;
    l.partials = Level::Partials::Hundredths;
    l.decimals = true;
    l.maxExponent = 3;
    l.maxBase = 10;
    l.literalBases = true;
    return l;
}

constexpr Level prima()
{
    Level l;
    l.name = "Prima media";
    l.minOperations = 5;
    l.maxOperations = 12;
    l.maxHeight = 3;
    l.curlyInHalf = true;
    l.maxValue = 10000;
    l.maxExponent = 5;
    l.exponentZero = true;
    l.maxBase = 10;
    return l;
}

constexpr Level seconda()
{
    Level l;
    l.name = "Seconda media";
    l.minOperations = 4;
    l.maxOperations = 10;
    l.maxHeight = 3;
    l.partials = Level::Partials::Fractions;
    l.fractions = true;
    l.fractionRequired = true;
    l.maxExponent = 3;
    return l;
}

constexpr Level terza()
{
    Level l = seconda();
    l.name = "Terza media";
    l.fractionRequired = false;
    l.negatives = true;
    return l;
}

constexpr std::array<Level, kLevels> kTable{quarta(), quinta(), prima(), seconda(), terza()};

}  // namespace

const Level& level(int number)
{
    if (number < 1 || number > kLevels)
        throw std::invalid_argument("livello fuori da 1 a 5");
    return kTable[std::size_t(number - 1)];
}

}  // namespace quintavia::curriculum
