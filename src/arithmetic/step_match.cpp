// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/step_match.h"

#include "arithmetic/characters.h"

namespace quintavia::arithmetic {

namespace {

Line normalised(const Line& line)
{
    Line out;
    out.reserve(line.size());
    for (const Char& c : line) {
        const NotationCharacter row = notationCharacter(c.code);
        if (row.code == 0)
            out.push_back(c);
        else if (!row.blank)
            out.push_back({row.meaning, c.raised});
    }
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
