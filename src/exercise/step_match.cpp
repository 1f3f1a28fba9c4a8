// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/step_match.h"

namespace quintavia::exercise {

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

arithmetic::Line normalised(const arithmetic::Line& line)
{
    arithmetic::Line out;
    out.reserve(line.size());
    for (const arithmetic::Char& c : line)
        if (!isBlank(c.code))
            out.push_back({canonical(c.code), c.raised});
    return out;
}

}  // namespace

bool stepsMatch(const arithmetic::Line& typed, const arithmetic::Line& expected)
{
    return normalised(typed) == normalised(expected);
}

}  // namespace quintavia::exercise
