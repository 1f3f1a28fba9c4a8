// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/pieces.h"

#include "arithmetic/characters.h"
#include "arithmetic/notation.h"

#include <algorithm>
#include <limits>

namespace quintavia::diagnosis::detail {

namespace {

class Flattener {
public:
    explicit Flattener(Rows& rows) : m_rows(rows) { }

    // A new row holding `term`; returns its index.
    int row(const Term& term, char32_t bracket)
    {
        const int index = int(m_rows.rows.size());
        m_rows.rows.emplace_back().bracket = bracket;
        append(term, index);
        return index;
    }

private:
    // Chains of a tighter level inside a looser one read on in the same row: "2 x 3 + 4".
    void append(const Term& term, int index)
    {
        if (term.kind == Term::Kind::Chain && !term.number) {
            for (std::size_t i = 0; i < term.parts.size(); ++i) {
                if (i > 0) {
                    Row& row = m_rows.rows[std::size_t(index)];
                    row.signs.push_back(term.signs[i - 1]);
                    row.signIds.push_back(m_rows.operations++);
                }
                append(term.parts[i], index);
            }
            return;
        }
        Piece piece = pieceOf(term);
        m_rows.rows[std::size_t(index)].pieces.push_back(piece);
    }

    Piece pieceOf(const Term& term)
    {
        Piece piece;
        piece.term = &term;
        if (term.number)
            return piece;
        switch (term.kind) {
        case Term::Kind::Group:
            piece.kind = Piece::Kind::Group;
            piece.content = row(term.parts.front(), term.symbol);
            break;
        case Term::Kind::Power:
            piece.kind = Piece::Kind::Power;
            piece.powerId = m_rows.operations++;
            piece.content = row(term.parts.front(), 0);
            break;
        case Term::Kind::Sign:
            if (term.symbol == U'+')
                return pieceOf(term.parts.front());
            piece.kind = Piece::Kind::Negative;
            piece.content = row(term.parts.front(), 0);
            break;
        default:  // a chain that is not a number is never a piece: a row holds it
            piece.kind = Piece::Kind::Group;
            piece.content = row(term, 0);
            break;
        }
        return piece;
    }

    Rows& m_rows;
};

bool sameRow(const Rows& a, int i, const Rows& b, int k)
{
    const Row& x = a.rows[std::size_t(i)];
    const Row& y = b.rows[std::size_t(k)];
    if (x.pieces.size() != y.pieces.size() || x.signs != y.signs)
        return false;
    for (std::size_t j = 0; j < x.pieces.size(); ++j)
        if (!samePiece(a, x.pieces[j], b, y.pieces[j]))
            return false;
    return true;
}

// Blanks never count; · and x are one sign.
char32_t keypadSign(char32_t sign)
{
    return arithmetic::notationCharacter(sign).meaning;
}

// Two pieces whose insides are compared rather than replaced whole.
bool sameWork(const Piece& x, const Piece& y)
{
    return x.kind == y.kind && x.kind != Piece::Kind::Atom
           && (x.kind != Piece::Kind::Group || x.term->symbol == y.term->symbol)
           && (x.kind != Piece::Kind::Power || x.term->digits == y.term->digits);
}

// What a run of pieces replaced by another costs in the alignment. A change costs the pieces it
// takes in, so that runs stay short; of two ways, the one in which the answer's value is right
// costs less; two single pieces cost nothing when they are the same, less when they are the same
// kind of work with changes inside.
constexpr double kRightValueBonus = 0.5;
constexpr double kSamePieceCost = 0;
constexpr double kSameWorkCost = 1;
constexpr double kOtherPieceCost = 1.5;
// Beyond this many cells times runs tried, the rows are taken as one change: no line a pupil types
// comes near it, and a hostile one costs no more than a moment.
constexpr long kAlignmentBudget = 2'000'000;

// A stretch of a row: pieces [from, to).
struct Span {
    int row = 0;
    int from = 0;
    int to = 0;
    int size() const { return to - from; }
};

class Aligner {
public:
    Aligner(const Rows& before, const Rows& after, std::vector<Change>& out)
        : m_before(before), m_after(after), m_out(out)
    {
    }

    void rows(int p, int a)
    {
        const Row& x = m_before.rows[std::size_t(p)];
        const Row& y = m_after.rows[std::size_t(a)];
        const int n = int(x.pieces.size());
        const int m = int(y.pieces.size());
        auto same = [&](int i, int k) { return samePiece(m_before, x.pieces[std::size_t(i)], m_after, y.pieces[std::size_t(k)]); };
        auto sign = [](const Row& r, int i) { return keypadSign(r.signs[std::size_t(i)]); };
        // What both lines share at the start and at the end is no change.
        int head = 0;
        while (head < n - 1 && head < m - 1 && same(head, head) && sign(x, head) == sign(y, head))
            ++head;
        int tail = 0;
        while (tail < n - 1 - head && tail < m - 1 - head && same(n - 1 - tail, m - 1 - tail)
               && sign(x, n - 2 - tail) == sign(y, m - 2 - tail))
            ++tail;
        if (head + tail == n && n == m)
            return;  // the same row
        // One shared piece each side stays in: "-6,11/1/57" to "-6,11/57" is the first pair worked out.
        head = std::max(0, head - 1);
        tail = std::max(0, tail - 1);
        align({p, head, n - tail}, {a, head, m - tail});
    }

private:
    // One cell of the alignment: the cheapest way to the pieces before it, and the last runs' lengths.
    struct Cell {
        double cost = std::numeric_limits<double>::infinity();
        int u = 0, v = 0;
        bool reached() const { return cost != std::numeric_limits<double>::infinity(); }
    };

    // Pieces of `before` against pieces of `after`: each run of the one against a run of the
    // other, one of the two a single piece, the signs between runs kept; the fewest changes win.
    // Failing that, only signs changed; failing that, one change of the whole.
    void align(Span before, Span after)
    {
        const long work = long(before.size()) * after.size() * (before.size() + after.size());
        if (before.size() > 0 && after.size() > 0 && work <= kAlignmentBudget) {
            const std::vector<Cell> table = alignmentTable(before, after);
            if (table.back().reached()) {
                emitRuns(table, before, after);
                return;
            }
        }
        if (signsOnly(before, after))
            return;
        wholeChange(before, after);
    }

    const Row& beforeRow(const Span& s) const { return m_before.rows[std::size_t(s.row)]; }
    const Row& afterRow(const Span& s) const { return m_after.rows[std::size_t(s.row)]; }

    // The cost of runs [i, i + u) of `before` and [k, k + v) of `after`, counted from the spans' starts.
    double runCost(const Span& before, int i, int u, const Span& after, int k, int v) const
    {
        if (u > 1 || v > 1) {
            const std::optional<Value> was = valueOf(m_before, before.row, before.from + i, before.from + i + u - 1);
            const std::optional<Value> is = valueOf(m_after, after.row, after.from + k, after.from + k + v - 1);
            return u + v - (was && is && *was == *is ? kRightValueBonus : 0);
        }
        const Piece& one = beforeRow(before).pieces[std::size_t(before.from + i)];
        const Piece& other = afterRow(after).pieces[std::size_t(after.from + k)];
        return samePiece(m_before, one, m_after, other) ? kSamePieceCost
               : sameWork(one, other)                    ? kSameWorkCost
                                                         : kOtherPieceCost;
    }

    // The sign before run i of `before` and run k of `after` agree, or both start their spans.
    bool runsMayMeet(const Span& before, int i, const Span& after, int k) const
    {
        if ((i > 0) != (k > 0))
            return false;
        return i == 0
               || keypadSign(beforeRow(before).signs[std::size_t(before.from + i - 1)])
                      == keypadSign(afterRow(after).signs[std::size_t(after.from + k - 1)]);
    }

    // The cheapest runs to every pair of places, row by row: (n + 1) x (m + 1) cells.
    std::vector<Cell> alignmentTable(const Span& before, const Span& after) const
    {
        const int n = before.size();
        const int m = after.size();
        std::vector<Cell> table(std::size_t((n + 1) * (m + 1)));
        auto at = [&](int i, int k) -> Cell& { return table[std::size_t(i * (m + 1) + k)]; };
        at(0, 0).cost = 0;
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < m; ++k) {
                const Cell from = at(i, k);
                if (!from.reached() || !runsMayMeet(before, i, after, k))
                    continue;
                for (int u = 1; i + u <= n; ++u)
                    for (int v = 1; k + v <= m && (u == 1 || v == 1); ++v) {
                        const double cost = from.cost + runCost(before, i, u, after, k, v);
                        Cell& to = at(i + u, k + v);
                        if (cost < to.cost)
                            to = {cost, u, v};
                    }
            }
        return table;
    }

    // The runs of the cheapest way, from the first: single pieces paired, longer runs one change each.
    void emitRuns(const std::vector<Cell>& table, const Span& before, const Span& after)
    {
        const int m = after.size();
        std::vector<std::pair<int, int>> runs;
        for (int i = before.size(), k = m; i > 0;) {
            const Cell& c = table[std::size_t(i * (m + 1) + k)];
            runs.push_back({c.u, c.v});
            i -= c.u;
            k -= c.v;
        }
        std::reverse(runs.begin(), runs.end());
        int i = before.from, k = after.from;
        for (const auto& [u, v] : runs) {
            if (u == 1 && v == 1)
                pair(before.row, i, after.row, k);
            else
                m_out.push_back({before.row, i, i + u - 1, after.row, k, k + v - 1, false});
            i += u;
            k += v;
        }
    }

    // The same pieces with another sign between two of them: a sign copied wrong.
    bool signsOnly(const Span& before, const Span& after)
    {
        const int n = before.size();
        if (n != after.size() || n == 0)
            return false;
        const Row& x = beforeRow(before);
        const Row& y = afterRow(after);
        for (int j = 0; j < n; ++j)
            if (!samePiece(m_before, x.pieces[std::size_t(before.from + j)], m_after, y.pieces[std::size_t(after.from + j)]))
                return false;
        for (int j = 0; j + 1 < n; ++j)
            if (keypadSign(x.signs[std::size_t(before.from + j)]) != keypadSign(y.signs[std::size_t(after.from + j)]))
                m_out.push_back({before.row, before.from + j, before.from + j + 1, after.row, after.from + j,
                                 after.from + j + 1, true});
        return true;
    }

    // Everything in one change; something left out or added takes a neighbour in.
    void wholeChange(Span before, Span after)
    {
        if (before.size() == 0 || after.size() == 0) {
            before.from = std::max(0, before.from - 1);
            after.from = std::max(0, after.from - 1);
            before.to = std::max(before.to, std::min(before.from + 1, int(beforeRow(before).pieces.size())));
            after.to = std::max(after.to, std::min(after.from + 1, int(afterRow(after).pieces.size())));
        }
        m_out.push_back({before.row, before.from, before.to - 1, after.row, after.from, after.to - 1, false});
    }

    // Two single pieces: the same kind of work is looked into, anything else is replaced whole.
    void pair(int p, int i, int a, int k)
    {
        const Piece& x = m_before.rows[std::size_t(p)].pieces[std::size_t(i)];
        const Piece& y = m_after.rows[std::size_t(a)].pieces[std::size_t(k)];
        if (samePiece(m_before, x, m_after, y))
            return;
        if (sameWork(x, y))
            rows(x.content, y.content);
        else
            m_out.push_back({p, i, i, a, k, k, false});
    }

    const Rows& m_before;
    const Rows& m_after;
    std::vector<Change>& m_out;
};

}  // namespace

Rows rowsOf(const Term& term)
{
    Rows rows;
    Flattener(rows).row(term, 0);
    return rows;
}

bool samePiece(const Rows& a, const Piece& x, const Rows& b, const Piece& y)
{
    if (x.kind != y.kind)
        return false;
    switch (x.kind) {
    case Piece::Kind::Atom: return x.term->value == y.term->value;
    case Piece::Kind::Group:
        if (x.term->symbol != y.term->symbol)
            return false;
        break;
    case Piece::Kind::Power:
        if (x.term->digits != y.term->digits)
            return false;
        break;
    case Piece::Kind::Negative: break;
    }
    return sameRow(a, x.content, b, y.content);
}

std::vector<Change> changesBetween(const Rows& before, const Rows& after)
{
    std::vector<Change> changes;
    Aligner(before, after, changes).rows(0, 0);
    return changes;
}

std::optional<Value> valueOf(const Rows& rows, int index, int from, int to, Order order, int slipped,
                             const Value* slip)
{
    const Row& row = rows.rows[std::size_t(index)];
    std::vector<Value> values;
    std::vector<char32_t> signs;
    for (int i = from; i <= to; ++i) {
        if (i > from)
            signs.push_back(row.signs[std::size_t(i - 1)]);
        const Piece& piece = row.pieces[std::size_t(i)];
        if (order == Order::BracketsIgnored && piece.kind == Piece::Kind::Group) {
            const Row& inner = rows.rows[std::size_t(piece.content)];
            for (std::size_t j = 0; j < inner.pieces.size(); ++j) {
                if (j > 0)
                    signs.push_back(inner.signs[j - 1]);
                values.push_back(inner.pieces[j].term->value);
            }
            continue;
        }
        values.push_back(i == slipped ? *slip : piece.term->value);
    }
    // Repeatedly the operation that binds first: the tightest level, leftmost (or rightmost).
    while (!signs.empty()) {
        std::size_t chosen = 0;
        for (std::size_t j = 0; j < signs.size(); ++j) {
            const int level = order == Order::LeftToRight ? 0 : int(arithmetic::levelOf(signs[j]));
            const int best = order == Order::LeftToRight ? 0 : int(arithmetic::levelOf(signs[chosen]));
            if (level > best || (order == Order::RightToLeft && level == best))
                chosen = j;
        }
        std::optional<Value> combined = arithmetic::combine(values[chosen], signs[chosen], values[chosen + 1]);
        if (!combined)
            return std::nullopt;
        values[chosen] = std::move(*combined);
        values.erase(values.begin() + std::ptrdiff_t(chosen) + 1);
        signs.erase(signs.begin() + std::ptrdiff_t(chosen));
    }
    return values.front();
}

void operationsIn(const Rows& rows, int index, int from, int to, std::vector<int>& out)
{
    const Row& row = rows.rows[std::size_t(index)];
    for (int i = from; i <= to; ++i) {
        if (i > from)
            out.push_back(row.signIds[std::size_t(i - 1)]);
        const Piece& piece = row.pieces[std::size_t(i)];
        if (piece.powerId >= 0)
            out.push_back(piece.powerId);
        if (piece.content >= 0)
            operationsIn(rows, piece.content, 0, int(rows.rows[std::size_t(piece.content)].pieces.size()) - 1, out);
    }
}

bool holdsBracket(const Rows& rows, const Piece& piece)
{
    if (piece.kind == Piece::Kind::Group)
        return true;
    if (piece.content < 0)
        return false;
    const Row& inner = rows.rows[std::size_t(piece.content)];
    return std::any_of(inner.pieces.begin(), inner.pieces.end(),
                       [&](const Piece& p) { return holdsBracket(rows, p); });
}

std::string signText(char32_t sign)
{
    if (sign == U'/')
        return "/";
    return ' ' + arithmetic::utf8(arithmetic::levelOf(sign) == arithmetic::SignLevel::Product && sign != U':' ? U'x' : sign) + ' ';
}

std::string written(const Rows& rows, int index, int from, int to)
{
    const Row& row = rows.rows[std::size_t(index)];
    std::string out;
    for (int i = from; i <= to; ++i) {
        if (i > from)
            out += signText(row.signs[std::size_t(i - 1)]);
        out += arithmetic::plainText(*row.pieces[std::size_t(i)].term);
    }
    return out;
}

}  // namespace quintavia::diagnosis::detail
