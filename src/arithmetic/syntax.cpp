// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/syntax.h"

#include <cmath>
#include <string>

namespace quintavia::arithmetic::detail {

namespace {

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}
bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == 0x00A0 || c == 0x202F;
}

// Every sign the notation accepts, mapped to the one the keypad types.
char32_t operationOf(char32_t c)
{
    switch (c) {
    case U'+': return U'+';
    case U'-':
    case 0x2212:
    case 0x2013: return U'-';
    case U'x':
    case U'X':
    case 0x00D7:
    case U'*': return U'x';
    case 0x00B7:
    case 0x22C5: return 0x00B7;
    case U':':
    case 0x00F7: return U':';
    case U'/': return U'/';
    default: return 0;
    }
}

bool isOpening(char32_t c)
{
    return c == U'(' || c == U'[' || c == U'{';
}
bool isClosing(char32_t c)
{
    return c == U')' || c == U']' || c == U'}';
}

[[noreturn]] void fail(int column, std::string message)
{
    throw Failure{Problem{column, std::move(message)}};
}

class Parser {
public:
    Parser(const Line& line, bool keepText) : m_keepText(keepText)
    {
        m_items.reserve(line.size());
        int column = 0;
        for (const Char& c : line) {
            ++column;
            if (!isBlank(c.code))
                m_items.push_back({c.code, c.raised, column});
        }
        m_endColumn = column + 1;
    }

    ParsedLine parse()
    {
        ParsedLine parsed;
        if (kind() == Kind::Equals)
            ++m_pos;  // "= 5 + 2": the member before the sign is the line above
        for (;;) {
            parsed.members.push_back(sum());
            const Kind next = kind();
            if (next == Kind::End)
                break;
            if (next != Kind::Equals)
                unexpected(next == Kind::Close ? "parentesi chiusa senza quella aperta"
                                               : "manca un segno di operazione");
            const int equals = column();
            ++m_pos;
            if (kind() == Kind::End)
                break;  // "3 + 4 =": the value comes on the next line
            parsed.equalsColumns.push_back(equals);
        }
        return parsed;
    }

private:
    struct Item {
        char32_t code;
        bool raised;
        int column;
    };
    enum class Kind { End, Number, Exponent, Operation, Open, Close, Equals, Bad };

    Kind kind() const
    {
        if (m_pos >= m_items.size())
            return Kind::End;
        const Item& item = m_items[m_pos];
        if (item.raised)
            return isDigit(item.code) ? Kind::Exponent : Kind::Bad;
        if (isDigit(item.code))
            return Kind::Number;
        if (operationOf(item.code))
            return Kind::Operation;
        if (isOpening(item.code))
            return Kind::Open;
        if (isClosing(item.code))
            return Kind::Close;
        if (item.code == U'=')
            return Kind::Equals;
        return Kind::Bad;
    }

    int column() const { return m_pos < m_items.size() ? m_items[m_pos].column : m_endColumn; }
    char32_t code() const { return m_pos < m_items.size() ? m_items[m_pos].code : 0; }
    bool ordinaryDigitAt(std::size_t i) const
    {
        return i < m_items.size() && !m_items[i].raised && isDigit(m_items[i].code);
    }
    bool ordinaryAt(std::size_t i, char32_t c) const
    {
        return i < m_items.size() && !m_items[i].raised && m_items[i].code == c;
    }

    // Fails at the current item: with its own message when it is no character of the notation.
    [[noreturn]] void unexpected(const char* message) const
    {
        if (kind() == Kind::Bad) {
            const Item& item = m_items[m_pos];
            if (item.raised)
                fail(item.column, "in apice vanno solo cifre");
            if (item.code == U',')
                fail(item.column, "virgola fuori posto");
            if (item.code == U'.')
                fail(item.column, "punto fuori posto");
            fail(item.column, "carattere sconosciuto «" + utf8(item.code) + "»");
        }
        fail(column(), message);
    }

    static bool inLevel(int level, char32_t op)
    {
        switch (level) {
        case Node::Sum: return op == U'+' || op == U'-';
        case Node::Product: return op == U'x' || op == 0x00B7 || op == U':';
        default: return op == U'/';
        }
    }

    NodePtr operand(int level) { return level == Node::Fraction ? signedPower() : chain(level + 1); }

    // A flat chain of one level's operations; a single operand is returned as it is.
    NodePtr chain(int level)
    {
        NodePtr first = operand(level);
        if (kind() != Kind::Operation || !inLevel(level, operationOf(code())))
            return first;
        auto node = std::make_unique<Node>();
        node->kind = Node::Kind::Chain;
        node->level = level;
        node->column = first->column;
        node->children.push_back(std::move(first));
        while (kind() == Kind::Operation && inLevel(level, operationOf(code()))) {
            node->ops.push_back(operationOf(code()));
            node->opColumns.push_back(column());
            ++m_pos;
            node->children.push_back(operand(level));
        }
        return node;
    }

    NodePtr sum() { return chain(Node::Sum); }

    NodePtr signedPower()
    {
        if (kind() != Kind::Operation || (code() != U'+' && operationOf(code()) != U'-'))
            return power();
        auto node = std::make_unique<Node>();
        node->kind = Node::Kind::Sign;
        node->symbol = operationOf(code());
        node->column = column();
        ++m_pos;
        node->children.push_back(power());
        return node;
    }

    NodePtr power()
    {
        NodePtr base = primary();
        if (kind() != Kind::Exponent)
            return base;
        auto node = std::make_unique<Node>();
        node->kind = Node::Kind::Power;
        node->column = column();
        while (kind() == Kind::Exponent)
            node->text += m_items[m_pos++].code;
        node->children.push_back(std::move(base));
        return node;
    }

    NodePtr primary()
    {
        switch (kind()) {
        case Kind::Number: return number();
        case Kind::Open: return group();
        case Kind::Exponent: fail(column(), "esponente fuori posto");
        default: unexpected("manca un numero");
        }
    }

    NodePtr group()
    {
        const char32_t opening = code();
        const int openColumn = column();
        if (++m_depth > kMaxDepth)
            fail(openColumn, "troppe parentesi una dentro l'altra");
        ++m_pos;
        auto node = std::make_unique<Node>();
        node->kind = Node::Kind::Group;
        node->symbol = opening;
        node->column = openColumn;
        node->children.push_back(sum());
        switch (kind()) {
        case Kind::Close:
            if (code() != closingOf(opening))
                fail(column(), "parentesi sbagliata: «" + utf8(code()) + "» chiude «" + utf8(opening) + "»");
            break;
        case Kind::End:
        case Kind::Equals: fail(column(), "manca una parentesi chiusa");
        default: unexpected("manca un segno di operazione");
        }
        ++m_pos;
        --m_depth;
        return node;
    }

    NodePtr number()
    {
        auto node = std::make_unique<Node>();
        node->kind = Node::Kind::Number;
        node->column = column();
        // Most numbers fit a machine word; only longer ones are collected as a string.
        std::string digits;
        unsigned long small = 0;
        std::size_t count = 0;
        std::size_t decimals = 0;
        auto readDigits = [&](bool afterComma) {
            for (; ordinaryDigitAt(m_pos); ++m_pos) {
                const char32_t d = m_items[m_pos].code;
                if (count < 18)
                    small = small * 10 + (d - U'0');
                digits += static_cast<char>(d);
                ++count;
                if (m_keepText)
                    node->text += d;
                if (afterComma)
                    ++decimals;
            }
        };
        readDigits(false);
        // A thousands point is followed by exactly three digits.
        while (ordinaryAt(m_pos, U'.')) {
            if (!ordinaryDigitAt(m_pos + 1) || !ordinaryDigitAt(m_pos + 2) || !ordinaryDigitAt(m_pos + 3)
                || ordinaryDigitAt(m_pos + 4))
                fail(column(), "punto fuori posto");
            ++m_pos;
            readDigits(false);
        }
        if (ordinaryAt(m_pos, U',')) {
            if (!ordinaryDigitAt(m_pos + 1))
                fail(column(), "manca una cifra dopo la virgola");
            if (m_keepText)
                node->text += U',';
            ++m_pos;
            readDigits(true);
        }
        if (ordinaryAt(m_pos, U'.'))
            fail(column(), "punto fuori posto");
        if (ordinaryAt(m_pos, U','))
            fail(column(), "virgola fuori posto");
        if (count > kMaxDigits)
            fail(node->column, "numero troppo grande");
        if (count <= 18)
            mpz_set_ui(node->value.get_num_mpz_t(), small);
        else
            mpz_set_str(node->value.get_num_mpz_t(), digits.c_str(), 10);  // base 10: "0177" is not octal
        if (decimals > 0) {
            mpz_ui_pow_ui(node->value.get_den_mpz_t(), 10, decimals);
            node->value.canonicalize();
        }
        return node;
    }

    std::vector<Item> m_items;
    std::size_t m_pos = 0;
    bool m_keepText = false;
    int m_endColumn = 1;
    int m_depth = 0;
};

}  // namespace

char32_t closingOf(char32_t opening)
{
    return opening == U'(' ? U')' : opening == U'[' ? U']' : U'}';
}

ParsedLine parseLine(const Line& line, bool keepText)
{
    bool anyDigit = false;
    for (const Char& c : line)
        anyDigit = anyDigit || isDigit(c.code);
    if (!anyDigit)
        return {};
    if (line.size() > kMaxLineLength)
        fail(1, "riga troppo lunga");
    return Parser(line, keepText).parse();
}

mpq_class apply(char32_t op, const mpq_class& left, const mpq_class& right, int column)
{
    mpq_class result;
    switch (op) {
    case U'+': result = left + right; break;
    case U'-': result = left - right; break;
    case U':':
    case U'/':
        if (sgn(right) == 0)
            fail(column, "divisione per zero");
        result = left / right;
        break;
    default: result = left * right; break;
    }
    if (tooBig(result))
        fail(column, "numero troppo grande");
    return result;
}

mpq_class power(const mpq_class& base, const std::u32string& exponentText, int column)
{
    std::size_t first = exponentText.find_first_not_of(U'0');
    const std::u32string digits = first == std::u32string::npos ? U"" : exponentText.substr(first);
    if (digits.empty()) {
        if (sgn(base) == 0)
            fail(column, "zero elevato a zero non ha valore");
        return 1;
    }
    const bool odd = (digits.back() - U'0') % 2 == 1;
    if (sgn(base) == 0 || base == 1)
        return base;
    if (base == -1)
        return odd ? -1 : 1;
    if (digits.size() > 9)
        fail(column, "numero troppo grande");
    unsigned long exponent = 0;
    for (char32_t d : digits)
        exponent = exponent * 10 + (d - U'0');
    // Decided before computing: the digits of p^e are about e * log10(p).
    auto log10Of = [](const mpz_class& z) {
        long twos = 0;
        const double mantissa = mpz_get_d_2exp(&twos, z.get_mpz_t());
        return std::log10(std::fabs(mantissa)) + double(twos) * std::log10(2.0);
    };
    const double digitsEstimate
        = double(exponent) * std::max(log10Of(base.get_num()), log10Of(base.get_den()));
    if (digitsEstimate > double(kMaxDigits) + 1)
        fail(column, "numero troppo grande");
    mpq_class result;
    mpz_pow_ui(result.get_num_mpz_t(), base.get_num_mpz_t(), exponent);
    mpz_pow_ui(result.get_den_mpz_t(), base.get_den_mpz_t(), exponent);
    if (tooBig(result))
        fail(column, "numero troppo grande");
    return result;
}

mpq_class evaluate(const Node& node)
{
    switch (node.kind) {
    case Node::Kind::Number: return node.value;
    case Node::Kind::Group: return evaluate(*node.children[0]);
    case Node::Kind::Sign: {
        mpq_class value = evaluate(*node.children[0]);
        return node.symbol == U'-' ? mpq_class(-value) : value;
    }
    case Node::Kind::Power: return power(evaluate(*node.children[0]), node.text, node.column);
    case Node::Kind::Chain: break;
    }
    mpq_class value = evaluate(*node.children[0]);
    for (std::size_t i = 0; i < node.ops.size(); ++i)
        value = apply(node.ops[i], value, evaluate(*node.children[i + 1]), node.opColumns[i]);
    return value;
}

}  // namespace quintavia::arithmetic::detail
