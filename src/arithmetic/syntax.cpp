// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/syntax.h"

#include "arithmetic/characters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>

namespace quintavia::arithmetic::detail {

namespace {

constexpr bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

[[noreturn]] void fail(int column, std::string message)
{
    throw Failure{Problem{column, std::move(message)}};
}

enum class Kind { End, Number, Exponent, Operation, Open, Close, Equals, Bad };

constexpr int levelOf(char32_t op)
{
    switch (op) {
    case U'+':
    case U'-': return Node::Sum;
    case U'x':
    case 0x00B7:
    case U':': return Node::Product;
    case U'/': return Node::Fraction;
    default: return 0;
    }
}

// What a character is to the parser when it is not raised.
struct Class {
    Kind kind = Kind::Bad;
    char32_t op = 0;  // normalised, for an operation
    int level = 0;    // the operation's
    bool blank = false;
};

constexpr Class classOf(char32_t c)
{
    if (const NotationCharacter row = notationCharacter(c); row.code != 0) {
        if (row.blank)
            return {Kind::Bad, 0, 0, true};
        return {Kind::Operation, row.sign, levelOf(row.sign)};  // as the keypad types it
    }
    if (isDigit(c))
        return {Kind::Number};
    if (isOpening(c))
        return {Kind::Open};
    if (isClosing(c))
        return {Kind::Close};
    if (c == U'=')
        return {Kind::Equals};
    return {};
}

// Lines are mostly ASCII: their characters are looked up rather than compared one sign at a time.
constexpr std::array<Class, 128> kAsciiClasses = [] {
    std::array<Class, 128> classes{};
    for (char32_t c = 0; c < 128; ++c)
        classes[c] = classOf(c);
    return classes;
}();

// One character that is no blank, classified once: the parser looks at most of them several times.
struct Item {
    char32_t code;
    bool raised;
    bool spaced;  // a blank comes before it
    int column;
    Kind kind;
    char32_t op;
    int level;
};

// What the parser needs only while it reads, kept from line to line.
struct Scratch {
    std::vector<Item> items;       // the line without blanks
    std::vector<Operand> operands;  // of the chains being read
};

class Parser {
public:
    Parser(const Line& line, bool keepText, ParsedLine& parsed, Scratch& scratch)
        : m_items(scratch.items), m_stack(scratch.operands), m_tree(parsed.tree), m_parsed(parsed),
          m_keepText(keepText)
    {
        m_items.clear();
        m_stack.clear();
        m_tree.nodes.clear();
        m_tree.operands.clear();
        m_tree.values.clear();
        parsed.members.clear();
        parsed.equalsColumns.clear();
        m_items.reserve(line.size());
        int column = 0;
        bool spaced = false;
        for (const Char& c : line) {
            ++column;
            Class k = c.code < kAsciiClasses.size() ? kAsciiClasses[c.code] : classOf(c.code);
            if (k.blank) {
                spaced = true;
                continue;
            }
            if (c.raised)
                k = {isDigit(c.code) ? Kind::Exponent : Kind::Bad};
            m_anyDigit = m_anyDigit || k.kind == Kind::Number || k.kind == Kind::Exponent;
            m_items.push_back({c.code, c.raised, spaced, column, k.kind, k.op, k.level});
            spaced = false;
        }
        m_items.push_back({0, false, spaced, column + 1, Kind::End, 0, 0});  // so that reading needs no bounds
        // Every node takes at least one item of its own, and most numbers more than one.
        m_tree.nodes.reserve(m_items.size() / 2 + 1);
    }

    bool anyDigit() const { return m_anyDigit; }

    void parse()
    {
        ParsedLine& parsed = m_parsed;
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
    }

private:
    // The last item is the end of the line, which no reading passes.
    Kind kind() const { return m_items[m_pos].kind; }
    // The current operation's sign and level; 0 for anything else.
    char32_t currentOp() const { return m_items[m_pos].op; }
    int currentLevel() const { return m_items[m_pos].level; }

    int column() const { return m_items[m_pos].column; }
    char32_t code() const { return m_items[m_pos].code; }
    bool ordinaryDigitAt(std::size_t i) const { return i < m_items.size() && m_items[i].kind == Kind::Number; }
    // A digit that goes on the number before it: no blank between them.
    bool joinedDigitAt(std::size_t i) const { return ordinaryDigitAt(i) && !m_items[i].spaced; }
    // Exactly three digits after a blank: a thousands group ("12 500"). Other digits after a blank
    // start another number, so that a missing sign is found, not read as one number.
    bool blankGroupAt(std::size_t i) const
    {
        return ordinaryDigitAt(i) && m_items[i].spaced && joinedDigitAt(i + 1) && joinedDigitAt(i + 2)
               && !joinedDigitAt(i + 3);
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

    int add(Node&& node)
    {
        m_tree.nodes.push_back(std::move(node));
        return int(m_tree.nodes.size()) - 1;
    }

    int operand(int level) { return level == Node::Fraction ? signedPower() : chain(level + 1); }

    // A flat chain of one level's operations; a single operand is returned as it is. Nested chains
    // gather their operands on the same stack above this one's, and take them off before it goes on.
    int chain(int level)
    {
        const int first = operand(level);
        if (currentLevel() != level)
            return first;
        const std::size_t base = m_stack.size();
        m_stack.push_back({first, 0, 0});
        while (currentLevel() == level) {
            const char32_t op = currentOp();
            const int opColumn = column();
            ++m_pos;
            const int next = operand(level);
            m_stack.push_back({next, op, opColumn});
        }
        Node node;
        node.kind = Node::Kind::Chain;
        node.level = level;
        node.column = m_tree[first].column;
        node.first = int(m_tree.operands.size());
        node.count = int(m_stack.size() - base);
        m_tree.operands.insert(m_tree.operands.end(), m_stack.begin() + std::ptrdiff_t(base), m_stack.end());
        m_stack.resize(base);
        return add(std::move(node));
    }

    int sum() { return chain(Node::Sum); }

    int signedPower()
    {
        if (currentOp() != U'+' && currentOp() != U'-')
            return power();
        Node node;
        node.kind = Node::Kind::Sign;
        node.symbol = currentOp();
        node.column = column();
        ++m_pos;
        node.first = power();
        return add(std::move(node));
    }

    int power()
    {
        const int base = primary();
        if (kind() != Kind::Exponent)
            return base;
        Node node;
        node.kind = Node::Kind::Power;
        node.column = column();
        while (kind() == Kind::Exponent)
            node.text += static_cast<char>(m_items[m_pos++].code);
        node.first = base;
        return add(std::move(node));
    }

    int primary()
    {
        switch (kind()) {
        case Kind::Number: return number();
        case Kind::Open: return group();
        case Kind::Exponent: fail(column(), "esponente fuori posto");
        default: unexpected("manca un numero");
        }
    }

    int group()
    {
        const char32_t opening = code();
        const int openColumn = column();
        if (++m_depth > kMaxDepth)
            fail(openColumn, "troppe parentesi una dentro l'altra");
        ++m_pos;
        Node node;
        node.kind = Node::Kind::Group;
        node.symbol = opening;
        node.column = openColumn;
        node.first = sum();
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
        return add(std::move(node));
    }

    int number()
    {
        Node node;
        node.kind = Node::Kind::Number;
        node.column = column();
        const std::size_t start = m_pos;
        unsigned long small = 0;  // the first 18 digits
        std::size_t count = 0;
        std::size_t decimals = 0;
        auto readDigits = [&](bool afterComma) {
            for (bool first = true; first ? ordinaryDigitAt(m_pos) : joinedDigitAt(m_pos); ++m_pos, first = false) {
                const char32_t d = m_items[m_pos].code;
                if (count < 18)
                    small = small * 10 + (d - U'0');
                ++count;
                if (afterComma)
                    ++decimals;
            }
        };
        readDigits(false);
        // A thousands point or blank is followed by exactly three digits.
        for (;;) {
            if (ordinaryAt(m_pos, U'.')) {
                if (!ordinaryDigitAt(m_pos + 1) || !ordinaryDigitAt(m_pos + 2) || !ordinaryDigitAt(m_pos + 3)
                    || ordinaryDigitAt(m_pos + 4))
                    fail(column(), "punto fuori posto");
                ++m_pos;
            } else if (!blankGroupAt(m_pos)) {
                break;
            }
            readDigits(false);
        }
        if (ordinaryAt(m_pos, U',')) {
            if (!ordinaryDigitAt(m_pos + 1))
                fail(column(), "manca una cifra dopo la virgola");
            ++m_pos;
            readDigits(true);
        }
        if (ordinaryAt(m_pos, U'.'))
            fail(column(), "punto fuori posto");
        if (ordinaryAt(m_pos, U','))
            fail(column(), "virgola fuori posto");
        if (count > kMaxDigits)
            fail(node.column, "numero troppo grande");
        if (m_keepText)  // without thousands points
            for (std::size_t i = start; i < m_pos; ++i)
                if (m_items[i].code != U'.')
                    node.text += static_cast<char>(m_items[i].code);
        if (count <= 18) {
            // Below 10^18, numerator and denominator fit a limb: no GMP number at all.
            unsigned long scale = 1;
            for (std::size_t i = 0; i < decimals; ++i)
                scale *= 10;
            const unsigned long common = std::gcd(small, scale);
            node.small[0] = small / common;
            node.small[1] = scale / common;
            return add(std::move(node));
        }
        std::string digits;
        digits.reserve(count);
        for (std::size_t i = start; i < m_pos; ++i)
            if (m_items[i].kind == Kind::Number)
                digits += static_cast<char>(m_items[i].code);
        mpq_class& value = m_tree.values.emplace_back();
        node.value = int(m_tree.values.size()) - 1;
        mpz_set_str(value.get_num_mpz_t(), digits.c_str(), 10);  // base 10: "0177" is not octal
        if (decimals > 0) {
            mpz_ui_pow_ui(value.get_den_mpz_t(), 10, decimals);
            value.canonicalize();
        }
        return add(std::move(node));
    }

    std::vector<Item>& m_items;
    std::vector<Operand>& m_stack;  // operands of the chains being read
    Tree& m_tree;
    ParsedLine& m_parsed;
    std::size_t m_pos = 0;
    bool m_keepText = false;
    bool m_anyDigit = false;
    int m_depth = 0;
};

}  // namespace

mpq_class& Tree::bigValue(Node& number)
{
    if (number.value < 0) {
        mpq_class& value = values.emplace_back();
        mpz_set_ui(value.get_num_mpz_t(), number.small[0]);
        mpz_set_ui(value.get_den_mpz_t(), number.small[1]);
        number.value = int(values.size()) - 1;
    }
    return values[std::size_t(number.value)];
}

NumberValue::NumberValue(const Tree& tree, const Node& number)
{
    if (number.value >= 0) {
        m_value = tree.values[std::size_t(number.value)].get_mpq_t();
        return;
    }
    mpz_roinit_n(mpq_numref(m_view), &number.small[0], 1);  // a zero limb reads as 0
    mpz_roinit_n(mpq_denref(m_view), &number.small[1], 1);
    m_value = m_view;
}

void parseLine(const Line& line, bool keepText, ParsedLine& parsed)
{
    if (line.size() > kMaxLineLength) {
        if (std::none_of(line.begin(), line.end(), [](const Char& c) { return isDigit(c.code); })) {
            parsed.members.clear();  // text, however long
            return;
        }
        fail(1, "riga troppo lunga");
    }
    thread_local Scratch scratch;
    Parser parser(line, keepText, parsed, scratch);
    if (parser.anyDigit())  // else the line is text
        parser.parse();
    // A very long line leaves no large buffers behind.
    if (scratch.items.capacity() > 4096)
        scratch = {};
}

void apply(char32_t op, mpq_class& value, mpq_srcptr right, int column)
{
    const mpq_ptr q = value.get_mpq_t();
    switch (op) {
    case U'+': mpq_add(q, q, right); break;
    case U'-': mpq_sub(q, q, right); break;
    case U':':
    case U'/':
        if (mpq_sgn(right) == 0)
            fail(column, "divisione per zero");
        mpq_div(q, q, right);
        break;
    default: mpq_mul(q, q, right); break;
    }
    if (tooBig(value))
        fail(column, "numero troppo grande");
}

void power(mpq_class& value, const std::string& exponentText, int column)
{
    const std::size_t first = exponentText.find_first_not_of('0');
    if (first == std::string::npos) {
        if (sgn(value) == 0)
            fail(column, "zero elevato a zero non ha valore");
        value = 1;
        return;
    }
    const std::string_view digits = std::string_view(exponentText).substr(first);
    const bool odd = (digits.back() - '0') % 2 == 1;
    if (sgn(value) == 0 || value == 1)
        return;
    if (value == -1) {
        value = odd ? -1 : 1;
        return;
    }
    if (digits.size() > 9)
        fail(column, "numero troppo grande");
    unsigned long exponent = 0;
    for (char d : digits)
        exponent = exponent * 10 + (d - '0');
    // Decided before computing: the digits of p^e are about e * log10(p).
    auto log10Of = [](const mpz_class& z) {
        long twos = 0;
        const double mantissa = mpz_get_d_2exp(&twos, z.get_mpz_t());
        return std::log10(std::fabs(mantissa)) + double(twos) * std::log10(2.0);
    };
    const double digitsEstimate
        = double(exponent) * std::max(log10Of(value.get_num()), log10Of(value.get_den()));
    if (digitsEstimate > double(kMaxDigits) + 1)
        fail(column, "numero troppo grande");
    mpz_pow_ui(value.get_num_mpz_t(), value.get_num_mpz_t(), exponent);
    mpz_pow_ui(value.get_den_mpz_t(), value.get_den_mpz_t(), exponent);
    if (tooBig(value))
        fail(column, "numero troppo grande");
}

void evaluate(const Tree& tree, int at, mpq_class& out)
{
    const Node& node = tree[at];
    switch (node.kind) {
    case Node::Kind::Number: mpq_set(out.get_mpq_t(), NumberValue(tree, node).get()); return;
    case Node::Kind::Group: evaluate(tree, node.first, out); return;
    case Node::Kind::Sign:
        evaluate(tree, node.first, out);
        if (node.symbol == U'-')
            mpq_neg(out.get_mpq_t(), out.get_mpq_t());
        return;
    case Node::Kind::Power:
        evaluate(tree, node.first, out);
        power(out, node.text, node.column);
        return;
    case Node::Kind::Chain: break;
    }
    evaluate(tree, tree.operand(node, 0).node, out);
    for (int i = 1; i < node.count; ++i) {
        const Operand& next = tree.operand(node, i);
        const Node& child = tree[next.node];
        if (child.kind == Node::Kind::Number) {
            apply(next.op, out, NumberValue(tree, child).get(), next.opColumn);  // no copy of a number
        } else {
            mpq_class operand;
            evaluate(tree, next.node, operand);
            apply(next.op, out, operand.get_mpq_t(), next.opColumn);
        }
    }
}

}  // namespace quintavia::arithmetic::detail
