// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the themes a pupil trains on (a school rule each), the levels that hold each, and
// exercises of a level that use a theme's rule again and again.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quintavia::curriculum {

struct Theme {
    std::string_view name;      // "potenze", as the command line and the record write it
    std::string_view category;  // the diagnosis's category of the rule it trains: "potenza"
    std::string_view practice;  // "le potenze", after "Allenati con"
    int firstLevel = 1;         // the levels whose expressions hold the rule
    int lastLevel = 5;
    // How many times an expression uses the rule; the theme's exercises use it at least twice.
    int (*uses)(const std::string& expression) = nullptr;

    bool atLevel(int level) const { return level >= firstLevel && level <= lastLevel; }
};

// parentesi, ordine, potenze, segni, frazioni: in this order.
const std::vector<Theme>& themes();
// Null when there is no theme of that name.
const Theme* themeNamed(std::string_view name);

inline constexpr int kThemeUses = 2;

// `count` distinct expressions of `level` that use the theme's rule at least kThemeUses times:
// drawn by generate() from seeds derived from `seed`, so the same arguments give the same
// expressions. Throws std::invalid_argument, with an Italian message, for a level or a count out
// of range or a theme the level does not hold.
std::vector<std::string> generateOnTheme(int level, const Theme& theme, int count, std::uint64_t seed);

}  // namespace quintavia::curriculum
