// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/diagnosis.h"

#include "arithmetic/step_match.h"
#include "diagnosis/pieces.h"

#include <algorithm>
#include <optional>

namespace quintavia::diagnosis {

using namespace detail;
using arithmetic::Expression;
using arithmetic::Reading;

namespace {

constexpr const char* kProductsFirst = "Prima le moltiplicazioni e le divisioni, poi le addizioni e le sottrazioni.";
constexpr const char* kPowersFirst = "Prima le potenze, poi moltiplicazioni e divisioni, infine addizioni e sottrazioni.";
constexpr const char* kBracketsFirst = "Prima si calcola dentro le parentesi.";
constexpr const char* kLeftToRight = "Da sinistra a destra.";

// Brackets that do not pair up, read on the characters: such a line has no tree.
bool unbalanced(const arithmetic::Line& line)
{
    std::string open;
    for (const arithmetic::Char& c : line) {
        if (c.raised)
            continue;
        if (c.code == U'(' || c.code == U'[' || c.code == U'{') {
            open += char(c.code);
        } else if (c.code == U')' || c.code == U']' || c.code == U'}') {
            const char opening = c.code == U')' ? '(' : c.code == U']' ? '[' : '{';
            if (open.empty() || open.back() != opening)
                return true;
            open.pop_back();
        }
    }
    return !open.empty();
}

std::string bracketWords(const Term& group)
{
    return group.symbol == U'(' ? "tonde" : group.symbol == U'[' ? "quadre" : "graffe";
}

// "Colonna 7: virgola fuori posto."
std::string readerMessage(const arithmetic::Problem& problem)
{
    return "Colonna " + std::to_string(problem.column) + ": " + problem.message + ".";
}

// A number standing after a sign or before an exponent is written in brackets when negative.
std::string operand(const Term& term)
{
    const std::string text = written(term);
    return term.value.sign() < 0 && text.front() == '-' ? "(" + text + ")" : text;
}

// One change seen from the line before: where it is, what it was worth, what the answer wrote.
struct Seen {
    const Change* change = nullptr;
    std::optional<Value> before;  // the pieces replaced, worked out right
    std::optional<Value> after;   // what replaced them
    bool afterIsNumber = false;
    bool right() const { return before && after && *before == *after; }
};

class Diagnoser {
public:
    // `due`: the operations the teacher's line works out, sorted.
    Diagnoser(const Rows& previous, const Rows& answer, const std::vector<Change>& changes, const std::vector<int>& due)
        : m_previous(previous), m_answer(answer), m_due(due)
    {
        for (const Change& change : changes) {
            for (int i = change.from; i <= change.to; ++i)
                m_replaced.push_back({change.row, i});
            Seen seen;
            seen.change = &change;
            seen.before = valueOf(previous, change.row, change.from, change.to);
            seen.after = valueOf(answer, change.answerRow, change.answerFrom, change.answerTo);
            seen.afterIsNumber = change.answerFrom == change.answerTo
                                 && answerRow(change).pieces[std::size_t(change.answerFrom)].kind == Piece::Kind::Atom;
            m_seen.push_back(seen);
        }
    }

    const std::vector<Seen>& seen() const { return m_seen; }

    bool allRight() const
    {
        return std::all_of(m_seen.begin(), m_seen.end(), [](const Seen& s) { return s.right() && !s.change->signOnly; });
    }

    // "Hai tolto le parentesi quadre troppo presto.": fewer brackets in the answer's pieces than
    // in those they replace, and not because a bracket became its number.
    std::optional<std::string> droppedBracket() const
    {
        for (const Seen& s : m_seen) {
            if (s.afterIsNumber || s.change->signOnly)
                continue;
            const Row& before = row(*s.change);
            const Row& after = answerRow(*s.change);
            std::vector<const Term*> groups;
            for (int i = s.change->from; i <= s.change->to; ++i)
                collectGroups(m_previous, before.pieces[std::size_t(i)], groups);
            std::vector<const Term*> answerGroups;
            for (int i = s.change->answerFrom; i <= s.change->answerTo; ++i)
                collectGroups(m_answer, after.pieces[std::size_t(i)], answerGroups);
            if (groups.size() > answerGroups.size())
                return "Hai tolto le parentesi " + bracketWords(*groups.front()) + " troppo presto.";
        }
        return std::nullopt;
    }

    // Why the work of one change was not due yet in school order, if it was not. What the teacher's
    // line works out in the same step is due, and so is what the answer works out beside it.
    std::optional<std::string> outOfOrder(const Seen& s) const
    {
        const Change& c = *s.change;
        if (c.signOnly)
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
        int lowest = 4;  // the loosest sign among the pieces replaced
        for (int i = c.from; i < c.to; ++i)
            lowest = std::min(lowest, levelOf(r.signs[std::size_t(i)]));
        bool powers = false;
        for (int i = c.from; i <= c.to; ++i)
            powers = powers || r.pieces[std::size_t(i)].kind == Piece::Kind::Power;
        const bool ownWork = lowest < 4 || powers;
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
            if (!(replaced(i) && replaced(i + 1)) && levelOf(r.signs[std::size_t(i)]) >= Term::Product)
                productsOutside = true;
        if (bracketsOutside)
            return kBracketsFirst;
        if (lowest < 4) {
            const int left = c.from > 0 ? levelOf(r.signs[std::size_t(c.from - 1)]) : 0;
            const int right = c.to + 1 < count ? levelOf(r.signs[std::size_t(c.to)]) : 0;
            if (powersOutside)
                return kPowersFirst;
            if (lowest == Term::Sum && (left > lowest || right > lowest || productsOutside))
                return kProductsFirst;
            if (left == lowest)
                return kLeftToRight;
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
            return kBracketsFirst;
        if (mixed && gives(Order::LeftToRight))
            return kProductsFirst;
        if (gives(Order::RightToLeft))
            return kLeftToRight;
        // "2 x 3^2" worked out as (2 x 3)^2.
        const Piece& last = r.pieces[std::size_t(c.to)];
        if (last.kind == Piece::Kind::Power) {
            const std::optional<Value> rest = valueOf(m_previous, c.row, c.from, c.to - 1);
            const std::optional<Value> base = rest ? arithmetic::combine(*rest, r.signs[std::size_t(c.to - 1)],
                                                                         last.term->parts.front().value)
                                                   : std::nullopt;
            const std::optional<Value> v = base ? arithmetic::raise(*base, last.term->digits) : std::nullopt;
            if (v && *v == *s.after)
                return kPowersFirst;
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

    // "Meno per meno fa più: (-4) x (-2) = 8.": the right value with the other sign.
    std::optional<std::string> wrongSign(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || !s.after || !s.before || c.signOnly || c.from == c.to || s.before->sign() == 0
            || !(*s.after == arithmetic::negated(*s.before)))
            return std::nullopt;
        const Row& r = row(c);
        const std::string result = s.before->written();
        if (c.to == c.from + 1 && levelOf(r.signs[std::size_t(c.from)]) >= Term::Product) {
            const Term& a = *r.pieces[std::size_t(c.from)].term;
            const Term& b = *r.pieces[std::size_t(c.to)].term;
            const std::string sum = operand(a) + signText(r.signs[std::size_t(c.from)]) + operand(b) + " = " + result + ".";
            if (a.value.sign() < 0 && b.value.sign() < 0)
                return "Meno per meno fa più: " + sum;
            if (a.value.sign() < 0 || b.value.sign() < 0)
                return "Più per meno fa meno: " + sum;
        }
        return "Attenzione al segno: " + written(m_previous, c.row, c.from, c.to) + " = " + result + ", non "
               + s.after->written() + ".";
    }

    // "9 x 7 fa 63, non 56."
    std::optional<std::string> wrongCalculation(const Seen& s) const
    {
        const Change& c = *s.change;
        if (s.right() || !s.after || !s.before || c.signOnly || !s.afterIsNumber || !hasWork(c))
            return std::nullopt;
        return written(m_previous, c.row, c.from, c.to) + " fa " + s.before->written() + ", non "
               + s.after->written() + ".";
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

    const Row& row(const Change& c) const { return m_previous.rows[std::size_t(c.row)]; }
    const Row& answerRow(const Change& c) const { return m_answer.rows[std::size_t(c.answerRow)]; }

private:
    static void collectGroups(const Rows& rows, const Piece& piece, std::vector<const Term*>& out)
    {
        if (piece.kind == Piece::Kind::Group)
            out.push_back(piece.term);
        if (piece.content >= 0 && piece.kind != Piece::Kind::Group)
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

    static std::string powerMessage(const Term& power, const Value& slip)
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
        return text + power.value.written() + ", non " + slip.written() + ".";
    }

    const Rows& m_previous;
    const Rows& m_answer;
    const std::vector<int>& m_due;
    std::vector<Seen> m_seen;
    std::vector<std::pair<int, int>> m_replaced;  // row and piece of every piece replaced
};

std::vector<int> operationsDone(const Rows& rows, const std::vector<Change>& changes)
{
    std::vector<int> done;
    for (const Change& c : changes)
        if (!c.signOnly)
            operationsIn(rows, c.row, c.from, c.to, done);
    std::sort(done.begin(), done.end());
    done.erase(std::unique(done.begin(), done.end()), done.end());
    return done;
}

// "Giusto, ma in questo passaggio si calcola anche 4 x 5.", naming the teacher's first change
// that the answer left undone; "le altre parentesi" when that is a bracket and the answer did one.
std::string partialMessage(const Rows& previous, const std::vector<Change>& answer,
                           const std::vector<Change>& teacher, const std::vector<int>& done)
{
    auto isBracket = [&](const Change& c) {
        const Row& row = previous.rows[std::size_t(c.row)];
        return (c.from == c.to && row.pieces[std::size_t(c.from)].kind == Piece::Kind::Group)
               || (c.from == 0 && c.to + 1 == int(row.pieces.size()) && row.bracket != 0);
    };
    for (const Change& c : teacher) {
        std::vector<int> operations;
        operationsIn(previous, c.row, c.from, c.to, operations);
        if (std::all_of(operations.begin(), operations.end(),
                        [&](int op) { return std::binary_search(done.begin(), done.end(), op); }))
            continue;
        const Row& row = previous.rows[std::size_t(c.row)];
        std::string text = written(previous, c.row, c.from, c.to);
        if (c.from == 0 && c.to + 1 == int(row.pieces.size()) && row.bracket != 0)
            text = arithmetic::utf8(row.bracket) + text
                   + (row.bracket == U'(' ? ")" : row.bracket == U'[' ? "]" : "}");
        if (isBracket(c) && std::any_of(answer.begin(), answer.end(), isBracket))
            return "Giusto, ma in questo passaggio si calcolano anche le altre parentesi: " + text + ".";
        return "Giusto, ma in questo passaggio si calcola anche " + text + ".";
    }
    return "Giusto, ma in questo passaggio si calcola di più.";
}

}  // namespace

std::string_view categoryName(Category category)
{
    switch (category) {
    case Category::Right: return "giusto";
    case Category::Unreadable: return "illeggibile";
    case Category::Brackets: return "parentesi";
    case Category::Together: return "insieme";
    case Category::Partial: return "parziale";
    case Category::Order: return "ordine";
    case Category::Power: return "potenza";
    case Category::Sign: return "segno";
    case Category::Calculation: return "calcolo";
    case Category::Copied: return "ricopiato";
    case Category::Other: break;
    }
    return "altro";
}

Diagnosis diagnose(const arithmetic::Line& previous, const arithmetic::Line& expected, const arithmetic::Line& answer)
{
    if (arithmetic::stepsMatch(answer, expected))
        return {Category::Right, {}};
    const Expression typed = arithmetic::readExpression(answer);
    if (typed.kind == Reading::Kind::Faulty)
        return {unbalanced(answer) ? Category::Brackets : Category::Unreadable, readerMessage(typed.problem)};
    const Expression before = arithmetic::readExpression(previous);
    const Expression teacher = arithmetic::readExpression(expected);
    if (typed.kind != Reading::Kind::Valued || before.kind != Reading::Kind::Valued
        || teacher.kind != Reading::Kind::Valued)
        return {};

    const Rows previousRows = rowsOf(before.term);
    const Rows answerRows = rowsOf(typed.term);
    const Rows teacherRows = rowsOf(teacher.term);
    const std::vector<Change> changes = changesBetween(previousRows, answerRows);
    if (changes.empty())
        return {};  // the line before, copied
    const std::vector<Change> teacherChanges = changesBetween(previousRows, teacherRows);
    const std::vector<int> done = operationsDone(previousRows, changes);
    const std::vector<int> due = operationsDone(previousRows, teacherChanges);
    const Diagnoser d(previousRows, answerRows, changes, due);

    if (std::optional<std::string> m = d.droppedBracket())
        return {Category::Brackets, *m};
    const bool withinTeacher = std::includes(due.begin(), due.end(), done.begin(), done.end());
    if (d.allRight() && !withinTeacher && done.size() > due.size())
        return {Category::Together, "Giusto, ma fai un passaggio alla volta."};
    bool inOrder = true;
    for (const Seen& s : d.seen())
        inOrder = inOrder && !d.outOfOrder(s);
    if (d.allRight() && withinTeacher && done.size() < due.size() && inOrder)
        return {Category::Partial, partialMessage(previousRows, changes, teacherChanges, done)};
    for (const Seen& s : d.seen()) {
        if (std::optional<std::string> m = d.outOfOrder(s))
            return {Category::Order, *m};
        if (std::optional<std::string> m = d.wrongOrder(s))
            return {Category::Order, *m};
    }
    // A line worth what the line before is worth holds no slip of value: "= 12 + 3" for "3 + 6 x 2"
    // is written another way, not worked out wrong.
    if (typed.term.value == before.term.value)
        return {};
    using Check = std::optional<std::string> (Diagnoser::*)(const Seen&) const;
    static constexpr std::pair<Category, Check> kChecks[] = {
        {Category::Power, &Diagnoser::wrongPower},
        {Category::Sign, &Diagnoser::wrongSign},
        {Category::Calculation, &Diagnoser::wrongCalculation},
        {Category::Copied, &Diagnoser::copiedWrong},
    };
    for (const auto& [category, check] : kChecks)
        for (const Seen& s : d.seen())
            if (std::optional<std::string> m = (d.*check)(s))
                return {category, *m};
    return {};
}

}  // namespace quintavia::diagnosis
