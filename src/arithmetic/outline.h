// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tree of one expression as the reader builds it, with the value of every part, for code that
// judges an expression's shape (the exercise generator and its checks). The windows never need it.
#include "arithmetic/line.h"
#include "arithmetic/reader.h"

#include <string>
#include <vector>

namespace quintavia::arithmetic {

struct Part {
    enum class Kind { Number, Group, Sign, Power, Chain };
    Kind kind = Kind::Number;
    int column = 0;
    char32_t symbol = 0;          // Group: the opening bracket; Sign: '+' or '-'
    std::string text;             // Number: its digits, without thousands separators; Power: the exponent
    std::vector<int> children;    // Group, Sign, Power: one; Chain: the operands, left to right
    std::vector<char32_t> signs;  // Chain: the sign before each operand after the first (+ - x · : /)
    std::vector<Value> partials;  // Chain: the value after each operation, left to right
    Value value;
};

struct Outline {
    std::vector<Part> parts;  // children before their parents
    int root = -1;
    Problem problem;  // when the line is no single expression with a value
    bool ok() const { return problem.message.empty(); }
};

// The expression's tree, or the problem that the reader or the step generator would report.
Outline outlineOf(const Line& expression);

}  // namespace quintavia::arithmetic
