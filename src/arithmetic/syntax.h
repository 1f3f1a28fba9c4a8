// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/arithmetic: the tree of a line, shared by the evaluator and the step generator.
#include "arithmetic/notation.h"
#include "arithmetic/rational.h"
#include "arithmetic/reader.h"

#include <string>
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
    char32_t symbol = 0;  // Group: opening bracket; Sign: '+' or '-'
    int level = 0;        // Chain
    int value = -1;       // Number: its index in Tree::values, or -1 when `small` holds it
    mp_limb_t small[2] = {0, 1};  // Number: numerator and denominator, when both fit one limb
    std::string text;     // Number: as written (ASCII); Power: the exponent's digits
    int first = -1;       // Group, Sign, Power: the one child; Chain: its first operand in Tree::operands
    int count = 0;        // Chain: how many operands
};

// One operand of a chain; the sign before it is `op` (none before the first).
struct Operand {
    int node = -1;
    char32_t op = 0;  // normalised
    int opColumn = 0;
};

// The nodes of a line in flat storage, linked by index: a line of a dozen numbers costs a few
// allocations instead of several per node. Children come before their parents.
struct Tree {
    std::vector<Node> nodes;
    std::vector<Operand> operands;
    std::vector<mpq_class> values;
    Notation notation = Notation::Decimals;  // how the step generator writes computed numbers

    Node& operator[](int i) { return nodes[std::size_t(i)]; }
    const Node& operator[](int i) const { return nodes[std::size_t(i)]; }
    Operand& operand(const Node& chain, int i) { return operands[std::size_t(chain.first + i)]; }
    const Operand& operand(const Node& chain, int i) const { return operands[std::size_t(chain.first + i)]; }
    // A number's value to change: a small one moves to `values` first.
    mpq_class& bigValue(Node& number);
};

// Reads a number's value without copying it: a small one lends GMP the node's own limbs. Valid
// while the node and Tree::values stay where they are.
class NumberValue {
public:
    NumberValue(const Tree& tree, const Node& number);
    NumberValue(const NumberValue&) = delete;
    NumberValue& operator=(const NumberValue&) = delete;
    mpq_srcptr get() const { return m_value; }
    bool isInteger() const { return mpz_cmp_ui(mpq_denref(m_value), 1) == 0; }

private:
    mpq_t m_view;
    mpq_srcptr m_value;
};

struct ParsedLine {
    Tree tree;
    std::vector<int> members;        // empty when the line is text
    std::vector<int> equalsColumns;  // the "=" before member i + 1
};

// Reads the members of a line (split at "=") into `parsed`, reusing its storage; numbers keep their
// text only when asked, for the generator, which writes them again. Throws Failure.
void parseLine(const Line& line, bool keepText, ParsedLine& parsed);

// Exact value of a tree; throws Failure for division by zero, 0⁰ and numbers too big.
void evaluate(const Tree& tree, int node, mpq_class& out);
// One operation on `value` in place, with the same checks; `column` is the operation's.
void apply(char32_t op, mpq_class& value, mpq_srcptr right, int column);
// Raises `value` in place to the power written in `exponent`.
void power(mpq_class& value, const std::string& exponent, int column);

}  // namespace quintavia::arithmetic::detail
