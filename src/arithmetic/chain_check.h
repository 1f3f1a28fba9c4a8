// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "arithmetic/reader.h"

#include <optional>
#include <string>
#include <vector>

namespace quintavia::arithmetic {

// What one line of a chain is worth compared with the lines above it.
struct LineVerdict {
    enum class Status {
        Text,        // no digit: a title, an empty line; skipped
        Right,       // its value is the previous valued line's (or it is the first)
        Slip,        // its value differs from the previous valued line's
        Unreadable,  // it cannot be read or evaluated: see problem
    };
    Status status = Status::Text;
    Value value;           // Right and Slip
    int previousLine = 0;  // Slip: the line (from 1) it was compared with
    Value previousValue;   // Slip
    Problem problem;       // Unreadable
    Notation notation = Notation::Decimals;  // the expression's: how the message writes values

    bool flagged() const { return status == Status::Slip || status == Status::Unreadable; }
    // "vale 21, ma la riga 2 vale 14", "manca una parentesi chiusa"; empty when not flagged.
    std::string message() const;
};

// Checks a whole exercise, the expression first: every valued line must keep the value of the
// valued line before it. A slip is flagged once: the chain goes on from the slipped value. Values
// in messages are written as the expression (the first line with digits) writes its numbers.
std::vector<LineVerdict> checkChain(const std::vector<Line>& lines);

// The first flagged line (index from 0), if any.
std::optional<std::size_t> firstFlagged(const std::vector<LineVerdict>& verdicts);

}  // namespace quintavia::arithmetic
