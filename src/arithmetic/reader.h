// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "arithmetic/value.h"

#include <string>

namespace quintavia::arithmetic {

// What is wrong with a line: an Italian message and the column (from 1) it points at.
struct Problem {
    int column = 0;
    std::string message;
};

// A line read and evaluated: text (no digit at all, or empty), a value, or a problem.
struct Reading {
    enum class Kind { Text, Valued, Faulty };
    Kind kind = Kind::Text;
    Value value;      // when Valued
    Problem problem;  // when Faulty
    Notation notation = Notation::Decimals;  // the line's own, for writing its values
};

// Reads one line in school notation; all members between "=" must have one value.
Reading readLine(const Line& line);

// How a line writes its numbers: fractions when it has a fraction bar and no decimal comma.
Notation notationOf(const Line& line);

}  // namespace quintavia::arithmetic
