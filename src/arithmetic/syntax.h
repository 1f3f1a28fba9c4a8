// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/arithmetic: the tree of a line, shared by the evaluator and the step generator.
#include "arithmetic/rational.h"
#include "arithmetic/reader.h"

#include <memory>
#include <vector>

namespace quintavia::arithmetic::detail {

// Thrown inside the library only; the public functions turn it into a Problem.
struct Failure {
    Problem problem;
};

// Brackets nested deeper than this are refused, so that no input can exhaust the stack.
inline constexpr int kMaxDepth = 100;
// Lines longer than this are refused, so that no line costs more than a moment; any value written
// as a fraction of two numbers of the most digits still fits.
inline constexpr std::size_t kMaxLineLength = 2 * kMaxDigits + 5000;

struct Node {
    enum class Kind { Number, Group, Sign, Power, Chain };
    // Chains are flat: one level of operations, left to right.
    enum Level { Sum = 1, Product = 2, Fraction = 3 };

    Kind kind = Kind::Number;
    int column = 0;
    mpq_class value;             // Number
    std::u32string text;         // Number: as written; Power: the exponent's digits
    char32_t symbol = 0;         // Group: opening bracket; Sign: '+' or '-'
    int level = 0;               // Chain
    std::vector<char32_t> ops;   // Chain: the sign between child i and i + 1, normalised
    std::vector<int> opColumns;  // Chain
    std::vector<std::unique_ptr<Node>> children;
};
using NodePtr = std::unique_ptr<Node>;

struct ParsedLine {
    std::vector<NodePtr> members;    // empty when the line is text
    std::vector<int> equalsColumns;  // the "=" before member i + 1
};

// Reads the members of a line (split at "="); numbers keep their text only when asked, for the
// generator, which writes them again. Throws Failure.
ParsedLine parseLine(const Line& line, bool keepText = false);

// Exact value of a tree; throws Failure for division by zero, 0⁰ and numbers too big.
mpq_class evaluate(const Node& node);
// One operation, with the same checks; `column` is the operation's.
mpq_class apply(char32_t op, const mpq_class& left, const mpq_class& right, int column);
mpq_class power(const mpq_class& base, const std::u32string& exponent, int column);

char32_t closingOf(char32_t opening);

}  // namespace quintavia::arithmetic::detail
