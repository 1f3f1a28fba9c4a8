// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/likeness.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace quintavia::diagnosis::detail {

using arithmetic::Notation;
using arithmetic::Term;
using arithmetic::Value;

namespace {

bool isWhole(const Term& t)
{
    return t.kind == Term::Kind::Number && t.digits.find(',') == std::string::npos;
}

std::string joined(std::vector<std::string> parts, std::string_view open)
{
    std::sort(parts.begin(), parts.end());
    std::string out(open);
    for (const std::string& part : parts)
        out += part + ',';
    return out + '}';
}

class Keys {
public:
    explicit Keys(Likeness likeness) : m_likeness(likeness) { }

    std::string line(const Term& term) const
    {
        std::vector<std::string> terms;
        addTerms(term, false, terms);
        return joined(std::move(terms), "S{");
    }

private:
    bool byValue() const { return m_likeness != Likeness::Writing; }

    std::string number(const Term& t) const
    {
        if (!byValue() && isFractionPair(t) && !t.number)
            return '#' + plainNumber(t.parts[0]) + '/' + plainNumber(t.parts[1]);
        return '#' + t.value.written(Notation::Fractions);
    }

    static std::string plainNumber(const Term& t)
    {
        return t.kind == Term::Kind::Sign ? std::string(t.symbol == U'-' ? "-" : "") + plainNumber(t.parts[0])
                                          : t.digits;
    }

    // The terms of a sum, each "+key" or "-key".
    void addTerms(const Term& t, bool negative, std::vector<std::string>& out) const
    {
        if (isNumber(t)) {
            if (byValue() && t.value.sign() < 0) {
                out.push_back((negative ? "+" : "-") + ('#' + arithmetic::negated(t.value).written(Notation::Fractions)));
                return;
            }
            out.push_back((negative ? "-" : "+") + number(t));
            return;
        }
        switch (t.kind) {
        case Term::Kind::Sign:
            if (t.symbol == U'+' || byValue()) {
                addTerms(t.parts[0], negative != (t.symbol == U'-'), out);
                return;
            }
            break;
        case Term::Kind::Group:
            if (isSum(t.parts[0]) && m_likeness == Likeness::SignsKept) {
                const Term& sum = t.parts[0];
                for (std::size_t i = 0; i < sum.parts.size(); ++i)
                    addTerms(sum.parts[i], i == 0 ? negative : sum.signs[i - 1] == U'-', out);
                return;
            }
            if (!isSum(t.parts[0]) || (byValue() && (negative || startsWithSign(t.parts[0])))) {
                addTerms(t.parts[0], negative, out);
                return;
            }
            break;
        case Term::Kind::Chain:
            if (t.level == Term::Sum) {
                for (std::size_t i = 0; i < t.parts.size(); ++i)
                    addTerms(t.parts[i], negative != (i > 0 && t.signs[i - 1] == U'-'), out);
                return;
            }
            if (byValue() && spread(t, negative, out))
                return;
            break;
        default: break;
        }
        out.push_back((negative ? "-" : "+") + key(t));
    }

    // The sign rule takes a bracket away after a minus, or round relative numbers: "10 - (4 - 7)",
    // "5 + (-3 + 1)". A bracket of whole numbers after a plus stays until it holds one number.
    static bool startsWithSign(const Term& sum)
    {
        const Term& first = sum.parts.front();
        return first.kind == Term::Kind::Sign || first.value.sign() < 0;
    }

    // As written, "-(-3)" is a minus before a bracket, not the number 3.
    bool isNumber(const Term& t) const
    {
        if (!byValue() && t.kind == Term::Kind::Sign && t.parts[0].kind == Term::Kind::Group)
            return false;
        return t.number || isFractionPair(t);
    }

    static bool isSum(const Term& t) { return t.kind == Term::Kind::Chain && t.level == Term::Sum && !t.number; }

    // "2 x (3 + 4)" as "2 x 3 + 2 x 4".
    bool spread(const Term& product, bool negative, std::vector<std::string>& out) const
    {
        if (product.level != Term::Product || product.parts.size() != 2 || product.signs[0] == U':')
            return false;
        const bool sumFirst = product.parts[0].kind == Term::Kind::Group && isSum(product.parts[0].parts[0]);
        const bool sumLast = product.parts[1].kind == Term::Kind::Group && isSum(product.parts[1].parts[0]);
        if (sumFirst == sumLast)
            return false;
        const Term& factor = product.parts[sumFirst ? 1 : 0];
        std::vector<std::string> inner;
        addTerms(product.parts[sumFirst ? 0 : 1].parts[0], false, inner);
        const std::string factorKey = 'x' + key(factor);
        for (const std::string& term : inner) {
            const bool minus = (term.front() == '-') != negative;
            out.push_back((minus ? "-" : "+") + joined({factorKey, 'x' + term.substr(1)}, "P{"));
        }
        return true;
    }

    std::string key(const Term& t) const
    {
        if (isNumber(t))
            return number(t);
        switch (t.kind) {
        case Term::Kind::Number: return number(t);
        case Term::Kind::Group:
            if (isSum(t.parts[0]))
                return "G(" + line(t.parts[0]) + ')';
            return key(t.parts[0]);
        case Term::Kind::Sign: return t.symbol == U'-' ? "N(" + key(t.parts[0]) + ')' : key(t.parts[0]);
        case Term::Kind::Power: return "W(" + key(t.parts[0]) + ")^" + t.digits;
        case Term::Kind::Chain: break;
        }
        if (t.level == Term::Sum)
            return line(t);
        if (t.level == Term::Product) {
            std::vector<std::string> factors;
            for (std::size_t i = 0; i < t.parts.size(); ++i)
                factors.push_back((i > 0 && t.signs[i - 1] == U':' ? ":" : "x") + key(t.parts[i]));
            return joined(std::move(factors), "P{");
        }
        std::string out = "F(";
        for (const Term& part : t.parts)
            out += key(part) + '/';
        return out + ')';
    }

    Likeness m_likeness;
};

char32_t digitOfSuperscript(char32_t c)
{
    switch (c) {
    case U'\u2070': return U'0';
    case U'\u00B9': return U'1';
    case U'\u00B2': return U'2';
    case U'\u00B3': return U'3';
    default: return c >= U'\u2074' && c <= U'\u2079' ? U'4' + (c - U'\u2074') : 0;
    }
}

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

}  // namespace

std::string keyOf(const Term& term, Likeness likeness)
{
    return Keys(likeness).line(term);
}

arithmetic::Line schoolLine(const arithmetic::Line& typed)
{
    arithmetic::Line out;
    out.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const arithmetic::Char c = typed[i];
        if (const char32_t digit = digitOfSuperscript(c.code)) {
            out.push_back({digit, true});
        } else if (c.code == U'^' && !c.raised && i + 1 < typed.size() && isDigit(typed[i + 1].code)) {
            for (; i + 1 < typed.size() && isDigit(typed[i + 1].code); ++i)
                out.push_back({typed[i + 1].code, true});
        } else {
            out.push_back(c);
        }
    }
    return out;
}

bool isFractionPair(const Term& t)
{
    if (t.kind != Term::Kind::Chain || t.level != Term::Fraction || t.parts.size() != 2)
        return false;
    const Term& top = t.parts[0];
    return (isWhole(top) || (top.kind == Term::Kind::Sign && isWhole(top.parts[0]))) && isWhole(t.parts[1]);
}

const Term* unreducedFraction(const Term& term)
{
    if (isFractionPair(term) && !term.number && !(term.value == Value(0)))
        return &term;
    for (const Term& part : term.parts)
        if (const Term* found = unreducedFraction(part))
            return found;
    return nullptr;
}

}  // namespace quintavia::diagnosis::detail
