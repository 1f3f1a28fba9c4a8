// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/diagnosis: a textbook's ways of writing the same work another way, seen in one
// change from the line before to the answer.
#include "diagnosis/pieces.h"

namespace quintavia::diagnosis::detail {

struct ChangeView {
    const Rows& before;
    const Rows& after;
    const Change& change;

    const Row& row() const { return before.rows[std::size_t(change.row)]; }
    const Row& answerRow() const { return after.rows[std::size_t(change.answerRow)]; }
    const Piece& piece(int i) const { return row().pieces[std::size_t(i)]; }
    const Piece& answerPiece(int i) const { return answerRow().pieces[std::size_t(i)]; }
};

// "1 x 7" as "7": the change's last piece kept alone.
bool droppedNeutral(const ChangeView& v);
// Any of the four below.
bool rewritten(const ChangeView& v);
// "3/4 : 2/5" as "3/4 x 5/2".
bool reciprocal(const ChangeView& v);
// "2^3 x 2^2" as "2^5", "(2^3)^2" as "2^6".
bool powerProperty(const ChangeView& v);
// "(2 + 3)^2" as "5 x 5": the power, when it is one.
const Piece* powerAsProduct(const ChangeView& v);
// "1/2 + 1/3" as "(3 + 2)/6".
bool commonDenominator(const ChangeView& v);
// "3" as "6/2", "1/2" as "3/6" or "0,5".
bool renamedNumber(const ChangeView& v);

}  // namespace quintavia::diagnosis::detail
