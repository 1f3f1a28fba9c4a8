// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The school notation's brackets and the levels of its operation signs, for every library that
// reads, checks or writes a line: one table, so that the reader, the generator and the diagnosis
// never disagree about which bracket closes which or which sign binds harder.

#include <array>

namespace quintavia::arithmetic {

struct BracketPair {
    char32_t opening;
    char32_t closing;
};

// From the inside out, as a textbook nests them: round, square, curly. A pair's height is its
// place here plus one.
inline constexpr std::array<BracketPair, 3> kBracketPairs{{
    {U'(', U')'},
    {U'[', U']'},
    {U'{', U'}'},
}};

// 1 for a round bracket, 2 for a square one, 3 for a curly one; 0 for any other character.
constexpr int bracketHeight(char32_t opening)
{
    for (std::size_t i = 0; i < kBracketPairs.size(); ++i)
        if (kBracketPairs[i].opening == opening)
            return int(i) + 1;
    return 0;
}

// The opening bracket of a height from 1 to 3; 0 outside that range.
constexpr char32_t openingOfHeight(int height)
{
    return height >= 1 && height <= int(kBracketPairs.size()) ? kBracketPairs[std::size_t(height - 1)].opening
                                                               : 0;
}

// The bracket that closes `opening`; 0 when it is no opening bracket.
constexpr char32_t closingOf(char32_t opening)
{
    for (const BracketPair& pair : kBracketPairs)
        if (pair.opening == opening)
            return pair.closing;
    return 0;
}

constexpr bool isOpening(char32_t c)
{
    return closingOf(c) != 0;
}

constexpr bool isClosing(char32_t c)
{
    for (const BracketPair& pair : kBracketPairs)
        if (pair.closing == c)
            return true;
    return false;
}

// How hard an operation sign binds: a fraction bar before a product, a product before a sum.
// The values are those of a chain's level in the reader's tree.
enum class SignLevel { None = 0, Sum = 1, Product = 2, Fraction = 3 };

// The level of a sign as the reader keeps it (the keypad's signs: + - x · : /); None for
// anything else, the start of a chain included.
constexpr SignLevel levelOf(char32_t sign)
{
    switch (sign) {
    case U'+':
    case U'-': return SignLevel::Sum;
    case U'x':
    case U'\u00B7':
    case U':': return SignLevel::Product;
    case U'/': return SignLevel::Fraction;
    default: return SignLevel::None;
    }
}

}  // namespace quintavia::arithmetic
