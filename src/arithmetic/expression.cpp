// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/expression.h"

#include "arithmetic/syntax.h"

namespace quintavia::arithmetic {

using namespace detail;

namespace {

// As the step generator leaves a fraction: two whole numbers, in lowest terms, the first signed
// or not. At the head of a longer chain of fraction bars ("7/3/2") such a pair is one number too.
void markFraction(Term& chain)
{
    const auto whole = [](const Term& t) {
        return t.kind == Term::Kind::Number && t.digits.find(',') == std::string::npos;
    };
    const Term& top = chain.parts[0];
    const Term& bottom = chain.parts[1];
    if (!(whole(top) || (top.kind == Term::Kind::Sign && whole(top.parts.front()))) || !whole(bottom))
        return;
    const mpq_class quotient = rationalOf(top.value) / rationalOf(bottom.value);
    if (quotient.get_den() == 1 || quotient.get_den() != rationalOf(bottom.value).get_num())
        return;
    if (chain.parts.size() == 2) {
        chain.number = true;
        return;
    }
    Term pair;
    pair.kind = Term::Kind::Chain;
    pair.level = Term::Fraction;
    pair.column = top.column;
    pair.number = true;
    pair.value.rep().q = quotient;
    pair.signs.push_back(chain.signs.front());
    pair.parts.assign(std::make_move_iterator(chain.parts.begin()), std::make_move_iterator(chain.parts.begin() + 2));
    chain.parts.erase(chain.parts.begin());
    chain.parts.front() = std::move(pair);
    chain.signs.erase(chain.signs.begin());
}

Term termOf(const Tree& tree, int at)
{
    const Node& node = tree[at];
    Term term;
    term.column = node.column;
    term.symbol = node.symbol;
    term.level = node.level;
    mpq_class& value = term.value.rep().q;
    switch (node.kind) {
    case Node::Kind::Number:
        term.kind = Term::Kind::Number;
        term.digits = node.text;
        mpq_set(value.get_mpq_t(), NumberValue(tree, node).get());
        term.number = true;
        return term;
    case Node::Kind::Group:
    case Node::Kind::Sign:
    case Node::Kind::Power:
        term.kind = node.kind == Node::Kind::Group ? Term::Kind::Group
                    : node.kind == Node::Kind::Sign ? Term::Kind::Sign
                                                    : Term::Kind::Power;
        term.parts.push_back(termOf(tree, node.first));
        value = rationalOf(term.parts.front().value);
        if (node.kind == Node::Kind::Sign && node.symbol == U'-')
            value = -value;
        if (node.kind == Node::Kind::Power) {
            term.digits = node.text;
            power(value, node.text, node.column);
        }
        term.number = node.kind != Node::Kind::Power && term.parts.front().number
                      && !(node.kind == Node::Kind::Sign && term.parts.front().kind == Term::Kind::Sign);
        return term;
    case Node::Kind::Chain: break;
    }
    term.kind = Term::Kind::Chain;
    term.parts.reserve(std::size_t(node.count));
    for (int i = 0; i < node.count; ++i) {
        const Operand& operand = tree.operand(node, i);
        term.parts.push_back(termOf(tree, operand.node));
        if (i == 0) {
            value = rationalOf(term.parts.back().value);
        } else {
            term.signs.push_back(operand.op);
            apply(operand.op, value, rationalOf(term.parts.back().value).get_mpq_t(), operand.opColumn);
        }
    }
    if (node.level == Node::Fraction)
        markFraction(term);
    return term;
}

}  // namespace

Expression readExpression(const Line& line)
{
    Expression expression;
    try {
        ParsedLine parsed;
        parseLine(line, true, parsed);
        if (parsed.members.empty())
            return expression;
        const Reading reading = readLine(line);  // the members must agree, as everywhere
        if (reading.kind == Reading::Kind::Faulty) {
            expression.kind = reading.kind;
            expression.problem = reading.problem;
            return expression;
        }
        expression.term = termOf(parsed.tree, parsed.members.back());
        expression.kind = Reading::Kind::Valued;
    } catch (const Failure& failure) {
        expression.kind = Reading::Kind::Faulty;
        expression.problem = failure.problem;
    }
    return expression;
}

std::string plainText(const Term& term)
{
    switch (term.kind) {
    case Term::Kind::Number: return term.digits;
    case Term::Kind::Group:
        return utf8(term.symbol) + plainText(term.parts.front()) + utf8(closingOf(term.symbol));
    case Term::Kind::Sign: return utf8(term.symbol) + plainText(term.parts.front());
    case Term::Kind::Power: return plainText(term.parts.front()) + '^' + term.digits;
    case Term::Kind::Chain: break;
    }
    std::string out = plainText(term.parts.front());
    for (std::size_t i = 1; i < term.parts.size(); ++i) {
        const char32_t sign = term.signs[i - 1];
        if (sign == U'/')
            out += '/';
        else
            out += ' ' + utf8(levelOf(sign) == SignLevel::Product && sign != U':' ? U'x' : sign) + ' ';
        out += plainText(term.parts[i]);
    }
    return out;
}

std::optional<Value> combine(const Value& left, char32_t sign, const Value& right)
{
    Value out = left;
    try {
        apply(sign, out.rep().q, rationalOf(right).get_mpq_t(), 0);
    } catch (const Failure&) {
        return std::nullopt;
    }
    return out;
}

std::optional<Value> raise(const Value& base, std::string_view exponent)
{
    Value out = base;
    try {
        power(out.rep().q, std::string(exponent), 0);
    } catch (const Failure&) {
        return std::nullopt;
    }
    return out;
}

Value negated(const Value& value)
{
    Value out;
    out.rep().q = -rationalOf(value);
    return out;
}

}  // namespace quintavia::arithmetic
