// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/step_analysis.h"

#include "arithmetic/notation.h"
#include "diagnosis/pieces.h"
#include "diagnosis/teacher_words.h"

#include <algorithm>
#include <optional>

namespace quintavia::diagnosis::detail {

using arithmetic::Notation;
using arithmetic::SignLevel;
using arithmetic::levelOf;

namespace {

std::string bracketWords(const Term& group)
{
    return group.symbol == U'(' ? "tonde" : group.symbol == U'[' ? "quadre" : "graffe";
}

// A number standing after a sign or before an exponent is written in brackets when negative.
std::string operand(const Term& term)
{
    const std::string text = arithmetic::plainText(term);
    return term.value.sign() < 0 && text.front() == '-' ? "(" + text + ")" : text;
}

bool isAtom(const Piece& piece)
{
    return piece.kind == Piece::Kind::Atom;
}

// One change seen from the line before: where it is, what it was worth, what the answer wrote.
struct Seen {
    const Change* change = nullptr;
    std::optional<Value> before;  // the pieces replaced, worked out right
    std::optional<Value> after;   // what replaced them
    bool afterIsNumber = false;
    bool right() const { return before && after && *before == *after; }
};

// What a right change worked out: the operations of the line before it did, and whether it did
// anything (a change that only writes the same work another way did not).
struct Work {
    std::vector<int> operations;
    bool progress = false;
};

void sortUnique(std::vector<int>& v)
{
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

class Diagnoser {
public:
    // `due`: the operations the teacher's line works out, sorted.
    Diagnoser(const Rows& previous, const Rows& answer, const std::vector<Change>& changes,
              const std::vector<int>& due, Notation notation)
        : m_previous(previous), m_answer(answer), m_due(due), m_notation(notation)
    {
        for (const Change& change : changes) {
            for (int i = change.from; i <= change.to; ++i)
                m_replaced.push_back({change.row, i});
            Seen seen;
            seen.change = &change;
            seen.before = valueOf(previous, change.row, change.from, change.to);
            seen.after = valueOf(answer, change.answerRow, change.answerFrom, change.answerTo);
            seen.afterIsNumber = change.answerFrom == change.answerTo
                                 && isAtom(answerRow(change).pieces[std::size_t(change.answerFrom)]);
            m_seen.push_back(seen);
        }
    }

    const std::vector<Seen>& seen() const { return m_seen; }

    // "Hai tolto le parentesi quadre troppo presto.": fewer brackets in the answer's pieces than
    // in those they replace, and not because a bracket became its number.
    std::optional<std::string> droppedBracket() const
    {
        for (const Seen& s : m_seen) {
            if (s.afterIsNumber || s.change->signOnly || (s.right() && rewritten(*s.change)))
                continue;
            std::vector<const Term*> groups;
            for (int i = s.change->from; i <= s.change->to; ++i)
                collectGroups(m_previous, row(*s.change).pieces[std::size_t(i)], groups);
            std::vector<const Term*> answerGroups;
            for (int i = s.change->answerFrom; i <= s.change->answerTo; ++i)
                collectGroups(m_answer, answerRow(*s.change).pieces[std::size_t(i)], answerGroups);
            if (groups.size() > answerGroups.size())
                return "Hai tolto le parentesi " + bracketWords(*groups.front()) + " troppo presto.";
        }
        return std::nullopt;
    }

    // "20 - 12 + 2" worked as "20 - 14": a chain of one level begun anywhere but at its left.
    std::optional<std::string> notFromTheLeft(const Seen& s) const
    {
        const Change& c = *s.change;
        if (c.signOnly || c.from == c.to || c.from == 0 || !changesValue(s))
            return std::nullopt;
        const Row& r = row(c);
        const std::optional<SignLevel> loosest = loosestSign(r, c.from, c.to);
        if (levelOf(r.signs[std::size_t(c.from - 1)]) != loosest)
            return std::nullopt;
        return loosest == SignLevel::Sum ? words::kSumsLeftToRight : words::kProductsLeftToRight;
    }

    // Why the work of one change was not due yet in school order, if it was not. What the teacher's
    // line works out in the same step is due.
    std::optional<std::string> outOfOrder(const Seen& s) const
    {
        const Change& c = *s.change;
        if (c.signOnly || (s.right() && rewritten(c)))
            return std::nullopt;
        std::vector<int> operations;
        operationsIn(m_previous, c.row, c.from, c.to, operations);
        if (std::all_of(operations.begin(), operations.end(),
                        [&](int op) { return std::binary_search(m_due.begin(), m_due.end(), op); }))
            return std::nullopt;
        auto replaced = [&](int i) {
            return std::find(m_replaced.begin(), m_replaced.end(), std::pair{c.row, i}) != m_replaced.end();
        };
        const Row& r = row(c);
        const int count = int(r.pieces.size());
        const std::optional<SignLevel> loosest = loosestSign(r, c.from, c.to);
        bool powers = false;
        for (int i = c.from; i <= c.to; ++i)
            powers = powers || r.pieces[std::size_t(i)].kind == Piece::Kind::Power;
        const bool ownWork = loosest || powers;
        if (!ownWork)
            return std::nullopt;  // the work was all inside brackets
        bool bracketsOutside = false, powersOutside = false, productsOutside = false;
        for (int i = 0; i < count; ++i) {
            if (replaced(i))
                continue;
            bracketsOutside = bracketsOutside || holdsBracket(m_previous, r.pieces[std::size_t(i)]);
            powersOutside = powersOutside || r.pieces[std::size_t(i)].kind == Piece::Kind::Power;
        }
        for (int i = 0; i + 1 < count; ++i)
            if (!(replaced(i) && replaced(i + 1)) && levelOf(r.signs[std::size_t(i)]) >= SignLevel::Product)
                productsOutside = true;
        if (bracketsOutside)
            return words::kBracketsFirst;
        if (loosest) {
            const SignLevel left = c.from > 0 ? levelOf(r.signs[std::size_t(c.from - 1)]) : SignLevel::None;
            const SignLevel right = c.to + 1 < count ? levelOf(r.signs[std::size_t(c.to)]) : SignLevel::None;
            if (powersOutside)
                return words::kPowersFirst;
            if (loosest == SignLevel::Sum && (left > *loosest || right > *loosest || productsOutside))
                return words::kProductsFirst;
        }
        return std::nullopt;
    }

    // A wrong value that a wrong order of the same operations gives.
    std::optional<std::string> wrongOrder(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || !s.after || c.signOnly || c.from == c.to)
            return std::nullopt;
        const Row& r = row(c);
        auto gives = [&](Order order) {
            const std::optional<Value> v = valueOf(m_previous, c.row, c.from, c.to, order);
            return v && *v == *s.after;
        };
        bool mixed = false, brackets = false;
        for (int i = c.from; i < c.to; ++i)
            mixed = mixed || levelOf(r.signs[std::size_t(i)]) != levelOf(r.signs[std::size_t(c.from)]);
        for (int i = c.from; i <= c.to; ++i)
            brackets = brackets || r.pieces[std::size_t(i)].kind == Piece::Kind::Group;
        if (brackets && gives(Order::BracketsIgnored))
            return words::kBracketsFirst;
        if (mixed && gives(Order::LeftToRight))
            return words::kProductsFirst;
        if (gives(Order::RightToLeft))
            return loosestSign(r, c.from, c.to) == SignLevel::Sum ? words::kSumsLeftToRight : words::kProductsLeftToRight;
        // "2 x 3^2" worked out as (2 x 3)^2.
        const Piece& last = r.pieces[std::size_t(c.to)];
        if (last.kind == Piece::Kind::Power) {
            const std::optional<Value> rest = valueOf(m_previous, c.row, c.from, c.to - 1);
            const std::optional<Value> base = rest ? arithmetic::combine(*rest, r.signs[std::size_t(c.to - 1)],
                                                                         last.term->parts.front().value)
                                                   : std::nullopt;
            const std::optional<Value> v = base ? arithmetic::raise(*base, last.term->digits) : std::nullopt;
            if (v && *v == *s.after)
                return words::kPowersFirst;
        }
        return std::nullopt;
    }

    // "4^3 = 4 x 4 x 4 = 64, non 12.": a power among the pieces replaced, worked out wrong.
    std::optional<std::string> wrongPower(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || !s.after || c.signOnly)
            return std::nullopt;
        const Row& r = row(c);
        for (int i = c.from; i <= c.to; ++i) {
            const Piece& piece = r.pieces[std::size_t(i)];
            if (piece.kind != Piece::Kind::Power)
                continue;
            const Term& power = *piece.term;
            const Value& base = power.parts.front().value;
            const std::string& exponent = power.digits;
            std::vector<Value> slips;
            if (c.from == c.to) {
                slips.push_back(*s.after);
            } else {
                const Value e(long(std::stol(exponent.size() > 9 ? std::string("0") : exponent)));
                for (char32_t sign : {U'x', U'+'})
                    if (std::optional<Value> v = arithmetic::combine(base, sign, e))
                        slips.push_back(*v);
                slips.push_back(arithmetic::negated(power.value));
                slips.push_back(Value(0));
                slips.push_back(base);
            }
            for (const Value& slip : slips) {
                if (slip == power.value)
                    continue;
                if (c.from != c.to && !explains(s, i, slip))
                    continue;
                return powerMessage(power, slip);
            }
        }
        return std::nullopt;
    }

    // Two fractions added term by term, or a division by a fraction not turned into a product by
    // its reciprocal; in the change's own two pieces, or inside the one bracket it replaced.
    std::optional<std::string> wrongFraction(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || !s.after || !s.before)
            return std::nullopt;
        int r = c.row;
        int from = c.from;
        if (c.from == c.to) {
            const Piece& only = piece(c, c.from);
            if (only.kind != Piece::Kind::Group || only.content < 0)
                return std::nullopt;
            r = only.content;
            from = 0;
        }
        const Row& pair = m_previous.rows[std::size_t(r)];
        if (c.from == c.to ? pair.pieces.size() != 2 : c.to != c.from + 1)
            return std::nullopt;
        if (!isAtom(pair.pieces[std::size_t(from)]) || !isAtom(pair.pieces[std::size_t(from + 1)]))
            return std::nullopt;
        const Value& a = pair.pieces[std::size_t(from)].term->value;
        const Value& b = pair.pieces[std::size_t(from + 1)].term->value;
        const char32_t sign = pair.signs[std::size_t(from)];
        const std::string text = written(m_previous, r, from, from + 1);
        if (levelOf(sign) == SignLevel::Sum && (!a.isInteger() || !b.isInteger())) {
            const auto x = a.terms();
            const auto y = b.terms();
            if (x && y && x->second != y->second)
                return words::commonDenominator(text, s.before->written(m_notation), s.after->written(m_notation));
        }
        if (sign == U':' && !b.isInteger() && !(b == Value(0)) && c.from != c.to) {
            const std::optional<Value> product = arithmetic::combine(a, U'x', b);
            const std::optional<Value> flipped = arithmetic::combine(Value(1), U':', a);
            const std::optional<Value> wrongTerm = flipped ? arithmetic::combine(*flipped, U'x', b) : std::nullopt;
            if ((product && *product == *s.after) || (wrongTerm && *wrongTerm == *s.after)) {
                const std::optional<Value> turned = arithmetic::combine(Value(1), U':', b);
                return words::reciprocal(text, operand(*pair.pieces[std::size_t(from)].term) + " x "
                                                   + turned->written(Notation::Fractions));
            }
        }
        return std::nullopt;
    }

    // "Meno per meno fa più: (-4) x (-2) = 8.": the right value with the other sign.
    std::optional<std::string> wrongSign(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || !s.after || !s.before || c.signOnly || s.before->sign() == 0
            || !(*s.after == arithmetic::negated(*s.before)))
            return std::nullopt;
        const Row& r = row(c);
        const std::string result = s.before->written(m_notation);
        if (c.from == c.to) {
            const Piece& only = r.pieces[std::size_t(c.from)];
            if (!isAtom(only))
                return std::nullopt;
            // A minus lost in copying is a number copied wrong; after a minus it is the sign rule.
            if (c.from == 0 || r.signs[std::size_t(c.from - 1)] != U'-' || s.before->sign() > 0)
                return std::nullopt;
            return words::kMinusMinus + std::string(": - ") + operand(*only.term) + " = + "
                   + arithmetic::negated(*s.before).written(m_notation) + ".";
        }
        if (c.to == c.from + 1 && levelOf(r.signs[std::size_t(c.from)]) >= SignLevel::Product) {
            const Term& a = *r.pieces[std::size_t(c.from)].term;
            const Term& b = *r.pieces[std::size_t(c.to)].term;
            const std::string sum = operand(a) + signText(r.signs[std::size_t(c.from)]) + operand(b) + " = " + result + ".";
            if (a.value.sign() < 0 && b.value.sign() < 0)
                return words::kMinusMinus + std::string(": ") + sum;
            if (a.value.sign() < 0 || b.value.sign() < 0)
                return "Più per meno fa meno: " + sum;
        }
        return "Attenzione al segno: " + written(m_previous, c.row, c.from, c.to) + " = " + result + ", non "
               + s.after->written(m_notation) + ".";
    }

    // "9 x 7 fa 63, non 56."
    std::optional<std::string> wrongCalculation(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || !s.after || !s.before || c.signOnly || !s.afterIsNumber || !hasWork(c))
            return std::nullopt;
        return written(m_previous, c.row, c.from, c.to) + " fa " + s.before->written(m_notation) + ", non "
               + s.after->written(m_notation) + ".";
    }

    // "Hai ricopiato 14 come 41.": no work among the pieces replaced, or only a sign changed.
    std::optional<std::string> copiedWrong(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || (!c.signOnly && hasWork(c)))
            return std::nullopt;
        return "Hai ricopiato " + written(m_previous, c.row, c.from, c.to) + " come "
               + written(m_answer, c.answerRow, c.answerFrom, c.answerTo) + ".";
    }

    // "Hai scritto 4 x 3 al posto di 6 x 2: ...": the same value, no work done.
    std::string rewrittenWithoutWork(const Seen& s) const
    {
        const Change& c = *s.change;
        return "Hai scritto " + written(m_answer, c.answerRow, c.answerFrom, c.answerTo) + " al posto di "
               + written(m_previous, c.row, c.from, c.to) + ": " + words::kCopyTheRest;
    }

    // The first slip of one change that is wrong, by the categories in their order.
    std::optional<Diagnosis> slip(const Seen& s) const
    {
        using Check = std::optional<std::string> (Diagnoser::*)(const Seen&) const;
        static constexpr std::pair<Category, Check> kChecks[] = {
            {Category::Order, &Diagnoser::wrongOrder},     {Category::Power, &Diagnoser::wrongPower},
            {Category::Fraction, &Diagnoser::wrongFraction}, {Category::Sign, &Diagnoser::wrongSign},
            {Category::Calculation, &Diagnoser::wrongCalculation}, {Category::Copied, &Diagnoser::copiedWrong},
        };
        for (const auto& [category, check] : kChecks)
            if (std::optional<std::string> m = (this->*check)(s))
                return Diagnosis{category, *m};
        return std::nullopt;
    }

    // What a right change worked out, see Work.
    Work workOf(const Seen& s) const
    {
        const Change& c = *s.change;
        Work work;
        if (c.signOnly || !s.right())
            return work;
        std::vector<int> after;
        operationsIn(m_previous, c.row, c.from, c.to, work.operations);
        operationsIn(m_answer, c.answerRow, c.answerFrom, c.answerTo, after);
        work.progress = true;
        if (reciprocal(c) || powerProperty(c) || renamedNumber(c)) {
            work.operations.clear();
        } else if (const Piece* power = powerAsProduct(c)) {
            std::erase(work.operations, power->powerId);
        } else if (!commonDenominator(c)) {
            work.progress = after.size() < work.operations.size();
        }
        return work;
    }

    const Row& row(const Change& c) const { return m_previous.rows[std::size_t(c.row)]; }
    const Row& answerRow(const Change& c) const { return m_answer.rows[std::size_t(c.answerRow)]; }
    const Piece& piece(const Change& c, int i) const { return row(c).pieces[std::size_t(i)]; }
    const Piece& answerPiece(const Change& c, int i) const { return answerRow(c).pieces[std::size_t(i)]; }

private:
    // The loosest sign between pieces [from, to] of a row; none when the run is one piece.
    static std::optional<SignLevel> loosestSign(const Row& r, int from, int to)
    {
        std::optional<SignLevel> loosest;
        for (int i = from; i < to; ++i)
            loosest = std::min(loosest.value_or(SignLevel::Fraction), levelOf(r.signs[std::size_t(i)]));
        return loosest;
    }

    // The change's pieces are worth something else in their place than alone ("12 + 2" after "20 -").
    bool changesValue(const Seen& s) const
    {
        const Change& c = *s.change;
        if (!s.right())
            return true;
        const char32_t before = row(c).signs[std::size_t(c.from - 1)];
        return before == U'-' || before == U':' || before == U'/';
    }

    // A textbook's way of writing the same work: the bracket it takes away is no slip.
    bool rewritten(const Change& c) const
    {
        return reciprocal(c) || powerProperty(c) || powerAsProduct(c) || commonDenominator(c);
    }

    // "3/4 : 2/5" as "3/4 x 5/2".
    bool reciprocal(const Change& c) const
    {
        if (c.to - c.from != c.answerTo - c.answerFrom || c.from == c.to)
            return false;
        bool turned = false;
        for (int j = 0; j <= c.to - c.from; ++j) {
            const Piece& x = piece(c, c.from + j);
            const Piece& y = answerPiece(c, c.answerFrom + j);
            const char32_t was = j > 0 ? row(c).signs[std::size_t(c.from + j - 1)] : 0;
            const char32_t is = j > 0 ? answerRow(c).signs[std::size_t(c.answerFrom + j - 1)] : 0;
            if (was == U':' && (is == U'x' || is == U'·') && isAtom(x) && isAtom(y)) {
                const std::optional<Value> product = arithmetic::combine(x.term->value, U'x', y.term->value);
                if (!product || !(*product == Value(1)))
                    return false;
                turned = true;
            } else if (levelOf(was) != levelOf(is) || (was == U':') != (is == U':')
                       || !samePiece(m_previous, x, m_answer, y)) {
                return false;
            }
        }
        return turned;
    }

    // "2^3 x 2^2" as "2^5", "(2^3)^2" as "2^6": one power of the same base.
    bool powerProperty(const Change& c) const
    {
        if (c.answerFrom != c.answerTo || answerPiece(c, c.answerFrom).kind != Piece::Kind::Power)
            return false;
        const Value& base = answerPiece(c, c.answerFrom).term->parts.front().value;
        for (int i = c.from; i <= c.to; ++i) {
            const Piece& p = piece(c, i);
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
    bool renamedNumber(const Change& c) const
    {
        return c.from == c.to && c.answerFrom == c.answerTo && isAtom(piece(c, c.from));
    }

    // "(2 + 3)^2" as "5 x 5": the power of one piece written as a product; the base may be worked out.
    const Piece* powerAsProduct(const Change& c) const
    {
        if (c.from != c.to || piece(c, c.from).kind != Piece::Kind::Power)
            return nullptr;
        const Piece& power = piece(c, c.from);
        const std::string& exponent = power.term->digits;
        const int count = c.answerTo - c.answerFrom + 1;
        if (exponent.size() != 1 || count != exponent.front() - '0' || count < 2)
            return nullptr;
        for (int k = c.answerFrom; k <= c.answerTo; ++k) {
            const Piece& factor = answerPiece(c, k);
            if (!isAtom(factor) || !(factor.term->value == power.term->parts.front().value)
                || (k > c.answerFrom && levelOf(answerRow(c).signs[std::size_t(k - 1)]) != SignLevel::Product)
                || (k > c.answerFrom && answerRow(c).signs[std::size_t(k - 1)] == U':'))
                return nullptr;
        }
        return &power;
    }

    // "1/2 + 1/3" as "(3 + 2)/6": a sum of fractions over their common denominator.
    bool commonDenominator(const Change& c) const
    {
        if (c.answerTo != c.answerFrom + 1 || answerRow(c).signs[std::size_t(c.answerFrom)] != U'/')
            return false;
        const Piece& top = answerPiece(c, c.answerFrom);
        const Piece& bottom = answerPiece(c, c.answerTo);
        if (top.kind != Piece::Kind::Group || !isAtom(bottom) || !bottom.term->value.isInteger())
            return false;
        for (int i = c.from; i <= c.to; ++i)
            if (!piece(c, i).term->value.isInteger())
                return true;
        return false;
    }

    static void collectGroups(const Rows& rows, const Piece& piece, std::vector<const Term*>& out)
    {
        if (piece.kind == Piece::Kind::Group && piece.term->kind == Term::Kind::Group)
            out.push_back(piece.term);
        if (piece.content >= 0)
            for (const Piece& inner : rows.rows[std::size_t(piece.content)].pieces)
                collectGroups(rows, inner, out);
    }

    bool hasWork(const Change& c) const
    {
        std::vector<int> operations;
        operationsIn(m_previous, c.row, c.from, c.to, operations);
        return !operations.empty();
    }

    // Whether the pieces replaced, with piece `i` worth `slip`, give what the answer wrote.
    bool explains(const Seen& s, int i, const Value& slip) const
    {
        const Change& c = *s.change;
        const std::optional<Value> v = valueOf(m_previous, c.row, c.from, c.to, Order::School, i, &slip);
        return v && *v == *s.after;
    }

    std::string powerMessage(const Term& power, const Value& slip) const
    {
        const std::string base = operand(power.parts.front());
        const std::string& exponent = power.digits;
        std::string text = base + "^" + exponent + " = ";
        const int e = exponent.size() == 1 ? exponent.front() - '0' : 10;
        if (e >= 2 && e <= 5) {
            for (int k = 0; k < e; ++k)
                text += (k > 0 ? " x " : "") + base;
            text += " = ";
        }
        return text + power.value.written(m_notation) + ", non " + slip.written(m_notation) + ".";
    }

    const Rows& m_previous;
    const Rows& m_answer;
    const std::vector<int>& m_due;
    Notation m_notation;
    std::vector<Seen> m_seen;
    std::vector<std::pair<int, int>> m_replaced;  // row and piece of every piece replaced
};

std::vector<int> operationsDone(const Rows& rows, const std::vector<Change>& changes)
{
    std::vector<int> done;
    for (const Change& c : changes)
        if (!c.signOnly)
            operationsIn(rows, c.row, c.from, c.to, done);
    sortUnique(done);
    return done;
}

// A line of the same value: a right step of its own, more than one step, or no step at all.
Diagnosis sameValueStep(const Diagnoser& d, const std::vector<int>& due)
{
    std::vector<int> done;
    for (const Seen& s : d.seen()) {
        if (!s.right())
            return d.slip(s).value_or(Diagnosis{Category::Other, words::kNoStep});
        const Work work = d.workOf(s);
        if (!work.progress)
            return {Category::Copied, d.rewrittenWithoutWork(s)};
        done.insert(done.end(), work.operations.begin(), work.operations.end());
    }
    sortUnique(done);
    if (std::includes(due.begin(), due.end(), done.begin(), done.end()) || done.size() <= due.size())
        return {Category::Right, {}};
    return {Category::Together, words::kTogether};
}

}  // namespace

Diagnosis analyseStep(const Term& before, const Term& teacher, const Term& typed, Notation notation)
{
    const Rows previousRows = rowsOf(before);
    const Rows answerRows = rowsOf(typed);
    const std::vector<Change> changes = changesBetween(previousRows, answerRows);
    if (changes.empty())
        return {Category::Copied, words::kCopiedLine};
    const std::vector<int> due = operationsDone(previousRows, changesBetween(previousRows, rowsOf(teacher)));
    const Diagnoser d(previousRows, answerRows, changes, due, notation);

    const bool sameValue = typed.value == before.value;
    if (std::optional<std::string> m = d.droppedBracket())
        return {Category::Brackets, *m};
    for (const Seen& s : d.seen())
        if (std::optional<std::string> m = d.notFromTheLeft(s))
            return {Category::Order, *m};
    for (const Seen& s : d.seen())
        if (std::optional<std::string> m = d.outOfOrder(s))
            return {Category::Order, *m};
    if (sameValue)
        return sameValueStep(d, due);
    for (const Seen& s : d.seen())
        if (!s.right())
            if (std::optional<Diagnosis> found = d.slip(s))
                return *found;
    return {Category::Other, words::kOtherValue};
}

bool stillLeadsTo(const Term& base, const Term& line, const Term& teacherLine)
{
    const Rows baseRows = rowsOf(base);
    const Rows lineRows = rowsOf(line);
    const std::vector<Change> changes = changesBetween(baseRows, lineRows);
    const std::vector<int> due = operationsDone(baseRows, changesBetween(baseRows, rowsOf(teacherLine)));
    const Diagnoser d(baseRows, lineRows, changes, due, Notation::Decimals);
    std::vector<int> done;
    for (const Seen& s : d.seen()) {
        const Work work = d.workOf(s);
        if (!work.progress)
            return false;  // the pieces were written in another way than the teacher's line reads them
        done.insert(done.end(), work.operations.begin(), work.operations.end());
    }
    sortUnique(done);
    return std::includes(due.begin(), due.end(), done.begin(), done.end());
}

}  // namespace quintavia::diagnosis::detail
