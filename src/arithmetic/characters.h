// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The blanks and the operation signs of the notation, each with its twins from other editors and
// keyboards. The reader and the step match both go by this one table, so that a line the reader
// accepts also matches its plain twin.

#include <array>

namespace quintavia::arithmetic {

struct NotationCharacter {
    char32_t code;
    bool blank;  // skipped between numbers and signs
    // For an operation sign: the sign as the keypad types it, which the reader keeps.
    char32_t sign;
    // For an operation sign: one sign for all that mean the same (the keypad's x and · alike).
    char32_t meaning;
};

inline constexpr auto kNotationCharacters = std::to_array<NotationCharacter>({
    {U' ', true, 0, 0},
    {U'\t', true, 0, 0},
    {U'\u00A0', true, 0, 0},  // no-break space
    {U'\u202F', true, 0, 0},  // narrow no-break space, between thousands
    {U'+', false, U'+', U'+'},
    {U'-', false, U'-', U'-'},
    {U'\u2212', false, U'-', U'-'},  // − minus sign
    {U'\u2013', false, U'-', U'-'},  // – en dash
    {U'x', false, U'x', U'x'},
    {U'X', false, U'x', U'x'},
    {U'*', false, U'x', U'x'},
    {U'\u00D7', false, U'x', U'x'},       // ×
    {U'\u00B7', false, U'\u00B7', U'x'},  // · middle dot, on the keypad too
    {U'\u22C5', false, U'\u00B7', U'x'},  // ⋅ dot operator
    {U':', false, U':', U':'},
    {U'\u00F7', false, U':', U':'},  // ÷
    {U'/', false, U'/', U'/'},       // the fraction bar, never a division sign
});

// The row of `c`; a row with code 0 for anything that is neither a blank nor an operation sign.
// A copy, not a pointer: the reader builds its table at compile time, and GCC's undefined
// behaviour sanitizer cannot compare pointers in a constant expression.
constexpr NotationCharacter notationCharacter(char32_t c)
{
    for (const NotationCharacter& row : kNotationCharacters)
        if (row.code == c)
            return row;
    return {0, false, 0, 0};
}

}  // namespace quintavia::arithmetic
