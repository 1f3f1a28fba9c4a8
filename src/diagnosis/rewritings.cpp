// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/rewritings.h"

#include "arithmetic/notation.h"

namespace quintavia::diagnosis::detail {

using arithmetic::levelOf;
using arithmetic::SignLevel;

// "1 x 7" as "7": the run's last piece kept alone, so that the alignment cannot tell "a x 1 x 7"
// as "a x 7" from the right or from the left.
bool droppedNeutral(const ChangeView& v)
{
    const Change& c = v.change;
    return c.answerFrom == c.answerTo && samePiece(v.before, v.piece(c.to), v.after, v.answerPiece(c.answerFrom));
}

// A textbook's way of writing the same work: the bracket it takes away is no slip.
bool rewritten(const ChangeView& v)
{
    return reciprocal(v) || powerProperty(v) || powerAsProduct(v) || commonDenominator(v);
}

// "3/4 : 2/5" as "3/4 x 5/2".
bool reciprocal(const ChangeView& v)
{
    const Change& c = v.change;
    if (c.to - c.from != c.answerTo - c.answerFrom || c.from == c.to)
        return false;
    bool turned = false;
    for (int j = 0; j <= c.to - c.from; ++j) {
        const Piece& x = v.piece(c.from + j);
        const Piece& y = v.answerPiece(c.answerFrom + j);
        const char32_t was = j > 0 ? v.row().signs[std::size_t(c.from + j - 1)] : 0;
        const char32_t is = j > 0 ? v.answerRow().signs[std::size_t(c.answerFrom + j - 1)] : 0;
        if (was == U':' && (is == U'x' || is == U'·') && isAtom(x) && isAtom(y)) {
            const std::optional<Value> product = arithmetic::combine(x.term->value, U'x', y.term->value);
            if (!product || !(*product == Value(1)))
                return false;
            turned = true;
        } else if (levelOf(was) != levelOf(is) || (was == U':') != (is == U':')
                   || !samePiece(v.before, x, v.after, y)) {
            return false;
        }
    }
    return turned;
}

// "2^3 x 2^2" as "2^5", "(2^3)^2" as "2^6": one power of the same base.
bool powerProperty(const ChangeView& v)
{
    const Change& c = v.change;
    if (c.answerFrom != c.answerTo || v.answerPiece(c.answerFrom).kind != Piece::Kind::Power)
        return false;
    const Value& base = v.answerPiece(c.answerFrom).term->parts.front().value;
    for (int i = c.from; i <= c.to; ++i) {
        const Piece& p = v.piece(i);
        if (p.kind != Piece::Kind::Power)
            return false;
        const Term* inner = &p.term->parts.front();
        while (inner->kind == Term::Kind::Group)
            inner = &inner->parts.front();
        if (!(inner->value == base) && !(inner->kind == Term::Kind::Power && inner->parts.front().value == base))
            return false;
    }
    return true;
}

// "3" as "6/2", "1/2" as "3/6" or "0,5": one number written another way.
bool renamedNumber(const ChangeView& v)
{
    const Change& c = v.change;
    return c.from == c.to && c.answerFrom == c.answerTo && isAtom(v.piece(c.from));
}

// "(2 + 3)^2" as "5 x 5" or "(2 + 3) x (2 + 3)": the power of one piece written as a product;
// the base may be worked out.
const Piece* powerAsProduct(const ChangeView& v)
{
    const Change& c = v.change;
    if (c.from != c.to || v.piece(c.from).kind != Piece::Kind::Power)
        return nullptr;
    const Piece& power = v.piece(c.from);
    const std::string& exponent = power.term->digits;
    const int count = c.answerTo - c.answerFrom + 1;
    if (exponent.size() != 1 || count != exponent.front() - '0' || count < 2)
        return nullptr;
    for (int k = c.answerFrom; k <= c.answerTo; ++k) {
        const Piece& factor = v.answerPiece(k);
        if (!(factor.term->value == power.term->parts.front().value)
            || (k > c.answerFrom && levelOf(v.answerRow().signs[std::size_t(k - 1)]) != SignLevel::Product)
            || (k > c.answerFrom && v.answerRow().signs[std::size_t(k - 1)] == U':'))
            return nullptr;
    }
    return &power;
}

// "1/2 + 1/3" as "(3 + 2)/6": a sum of fractions over their common denominator.
bool commonDenominator(const ChangeView& v)
{
    const Change& c = v.change;
    if (c.answerTo != c.answerFrom + 1 || v.answerRow().signs[std::size_t(c.answerFrom)] != U'/')
        return false;
    const Piece& top = v.answerPiece(c.answerFrom);
    const Piece& bottom = v.answerPiece(c.answerTo);
    if (top.kind != Piece::Kind::Group || !isAtom(bottom) || !bottom.term->value.isInteger())
        return false;
    for (int i = c.from; i <= c.to; ++i)
        if (!v.piece(i).term->value.isInteger())
            return true;
    return false;
}

}  // namespace quintavia::diagnosis::detail
