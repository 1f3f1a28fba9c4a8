// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quintavia::arithmetic {

// One character of an exercise line; raised characters are exponents.
struct Char {
    char32_t code = 0;
    bool raised = false;
    bool operator==(const Char&) const = default;
};
using Line = std::vector<Char>;

// The plain notation of the command line and the tests: UTF-8, where "^" followed by digits stands
// for those digits raised ("3^2"). Invalid UTF-8 becomes U+FFFD.
Line plainLine(std::string_view utf8);
// The other way round: raised digits written after a "^".
std::string plainText(const Line& line);

std::string utf8(char32_t code);

}  // namespace quintavia::arithmetic
