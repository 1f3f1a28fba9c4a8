// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/diagnosis: a line as a teacher reads it, each bracket's content one row of pieces
// and signs, and what changed from one line to the next.
#include "arithmetic/expression.h"

#include <optional>
#include <string>
#include <vector>

namespace quintavia::diagnosis::detail {

using arithmetic::Term;
using arithmetic::Value;

// A number (Atom) or work still to do: a bracket, a power, a minus before either.
struct Piece {
    enum class Kind { Atom, Group, Power, Negative };
    Kind kind = Kind::Atom;
    const Term* term = nullptr;  // as written, for the messages
    int content = -1;            // Group: its row; Power: the row of its base alone; Negative: of what it negates
    int powerId = -1;            // Power: the operation's number
};

// The content of a pair of brackets (or the whole line): pieces with a sign between each two.
struct Row {
    std::vector<Piece> pieces;
    std::vector<char32_t> signs;  // signs[i] between pieces[i] and pieces[i + 1]
    std::vector<int> signIds;     // the operation's number
    char32_t bracket = 0;         // the opening bracket around it, 0 for the line or a power's base
};

// A whole line in rows; row 0 is the line. Operations are numbered in one line only.
struct Rows {
    std::vector<Row> rows;
    int operations = 0;
};

Rows rowsOf(const Term& term);

// Pieces [from, to] of a row of the line before replaced by pieces [answerFrom, answerTo] of a row
// of the answer; with `signOnly`, the pieces stayed and only the sign between from and to changed.
struct Change {
    int row = 0;
    int from = 0;
    int to = 0;
    int answerRow = 0;
    int answerFrom = 0;
    int answerTo = 0;
    bool signOnly = false;
};

// What replaced what, from the line before to the answer, pieces compared by value.
std::vector<Change> changesBetween(const Rows& before, const Rows& after);

bool samePiece(const Rows& a, const Piece& x, const Rows& b, const Piece& y);

// The value of pieces [from, to] of a row, worked out in school order or in a wrong one; with
// `slip`, piece `slipped` counts as worth that.
enum class Order { School, LeftToRight, RightToLeft, BracketsIgnored };
std::optional<Value> valueOf(const Rows& rows, int row, int from, int to, Order order = Order::School,
                             int slipped = -1, const Value* slip = nullptr);

// The operations inside pieces [from, to] of a row, nested ones included.
void operationsIn(const Rows& rows, int row, int from, int to, std::vector<int>& out);
bool holdsBracket(const Rows& rows, const Piece& piece);

// Pieces [from, to] of a row in plain notation (arithmetic::plainText), with the signs between them.
std::string written(const Rows& rows, int row, int from, int to);
std::string signText(char32_t sign);

}  // namespace quintavia::diagnosis::detail
