// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random expressions in plain notation, for the property test and the generator's fuzz target.
// `draw(n)` must return a number from 0 to n - 1. A 0 always draws the plainest choice (no further
// term, no sign, no brackets, no power), so that a source that runs out and answers 0 from then on
// (the fuzz target's bytes) ends the expression at once instead of padding it to the largest size.
#include <cstddef>
#include <cstdint>
#include <string>

namespace quintavia::testing {

// A fuzzer's bytes as draws: each byte one choice, 0 once they run out.
struct ByteDraw {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t next = 0;
    int operator()(int bound) { return next < size ? int(data[next++] % unsigned(bound)) : 0; }
};

template <typename Draw> std::string randomNumber(Draw& draw)
{
    switch (draw(6)) {
    case 0: return std::to_string(draw(10)) + ',' + std::to_string(1 + draw(99));
    case 1: return std::to_string(1 + draw(9)) + '/' + std::to_string(2 + draw(9));
    case 2: return std::to_string(draw(3)) + '.' + std::to_string(100 + draw(900));
    default: return std::to_string(draw(21));
    }
}

template <typename Draw> std::string randomExpression(Draw& draw, int depth = 0)
{
    static const char* const kOperations[] = {" + ", " - ", " x ", " · ", " : ", "/", "-", "+"};
    static const char kOpen[] = "([{";
    static const char kClose[] = ")]}";
    std::string out;
    const int maxTerms = depth == 0 ? 5 : 4;
    for (int t = 0; t < maxTerms; ++t) {
        if (t > 0) {
            if (draw(3) == 0)
                break;
            out += kOperations[draw(8)];
        }
        if (draw(8) == 7)
            out += '-';
        const bool group = depth < 3 && draw(3) == 2;
        if (group) {
            const int kind = draw(3);
            out += kOpen[kind] + randomExpression(draw, depth + 1) + kClose[kind];
        } else {
            out += randomNumber(draw);
        }
        if (draw(5) == 4)
            out += '^' + std::to_string(draw(4));
    }
    return out;
}

}  // namespace quintavia::testing
