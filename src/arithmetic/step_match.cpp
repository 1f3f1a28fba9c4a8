// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/step_match.h"

namespace quintavia::arithmetic {

namespace {

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u00A0';
}

// One representative for each family of signs that mean the same.
char32_t canonical(char32_t c)
{
    switch (c) {
    case U'x':
    case U'X':
    case U'*':
    case U'\u00D7':        // ×
    case U'\u22C5':        // ⋅
        return U'\u00B7';  // ·
    case U'\u2212':        // −
    case U'\u2013':        // –
        return U'-';
    case U'\u00F7':  // ÷
        return U':';
    default: return c;
    }
}

Line normalised(const Line& line)
{
    Line out;
    out.reserve(line.size());
    for (const Char& c : line)
        if (!isBlank(c.code))
            out.push_back({canonical(c.code), c.raised});
    // "= 4 + 18" continues the line above, "4 + 18" says the same.
    if (!out.empty() && out.front() == Char{U'=', false})
        out.erase(out.begin());
    return out;
}

}  // namespace

bool stepsMatch(const Line& typed, const Line& expected)
{
    return normalised(typed) == normalised(expected);
}

}  // namespace quintavia::arithmetic
