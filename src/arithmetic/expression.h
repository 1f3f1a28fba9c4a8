// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "arithmetic/reader.h"
#include "arithmetic/value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintavia::arithmetic {

// The tree of a line as the rest of the program may see it: no GMP, every part with its exact
// value. Chains are flat, one level of operations left to right, as the reader builds them.
struct Term {
    enum class Kind { Number, Group, Sign, Power, Chain };
    enum Level { Sum = 1, Product = 2, Fraction = 3 };

    Kind kind = Kind::Number;
    int column = 0;               // from 1
    char32_t symbol = 0;          // Group: the opening bracket; Sign: '+' or '-'
    int level = 0;                // Chain
    std::string digits;           // Number: as written, without thousands points; Power: the exponent
    std::vector<Term> parts;      // Group, Sign, Power: one; Chain: its operands
    std::vector<char32_t> signs;  // Chain: the sign before parts[i + 1], one of + - x · : /
    Value value;
    // A number as it may stand in a result: digits, a signed number, a reduced fraction of two
    // whole numbers, or brackets around one of these. Anything else is still work.
    bool number = false;
};

struct Expression {
    Reading::Kind kind = Reading::Kind::Text;
    Term term;        // when Valued: the last member of the line ("= 3 + 4 = 7" gives 7)
    Problem problem;  // when Faulty, as readLine() says it
};

Expression readExpression(const Line& line);

// A tree in plain notation, as a textbook writes it and the command line prints it: one blank
// each side of an operation sign, none around the fraction bar, x for every multiplication sign,
// "^" before an exponent's digits ("(3^2 + 4) x 2 - 1/2").
std::string plainText(const Term& term);

// One operation, or a power, on values: none for a division by zero, 0⁰ or a number too big.
std::optional<Value> combine(const Value& left, char32_t sign, const Value& right);
std::optional<Value> raise(const Value& base, std::string_view exponent);
Value negated(const Value& value);

}  // namespace quintavia::arithmetic
