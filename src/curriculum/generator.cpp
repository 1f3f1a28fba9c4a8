// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/generator.h"

#include "arithmetic/expression.h"
#include "arithmetic/line.h"
#include "arithmetic/notation.h"
#include "curriculum/level_rules.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>
#include <stdexcept>
#include <unordered_set>

namespace quintavia::curriculum {

namespace {

using arithmetic::Value;

// The generator computes with Value, as the rest of the program does. bench_curriculum measured
// 34 to 398 µs an exercise with it (levels 1 to 5, the level's own check of each candidate
// included), well under a millisecond: no faster number type is kept beside it.
Value fraction(std::int64_t numerator, std::int64_t denominator)
{
    return *arithmetic::combine(Value(long(numerator)), U'/', Value(long(denominator)));
}

std::int64_t numeratorOf(const Value& v)
{
    return v.terms()->first;
}

std::int64_t denominatorOf(const Value& v)
{
    return v.terms()->second;
}

std::int64_t lcm(std::int64_t a, std::int64_t b)
{
    return a / std::gcd(a, b) * b;
}

// How often the generator takes each turn, in percent: the mix of a textbook's page.
constexpr int kDecimalPercent = 25;         // a decimal, where the level has them
constexpr int kFractionPercent = 45;        // a fraction, where the level has them
constexpr int kNegativePercent = 40;        // a negative number or base, where the level has them
constexpr int kRareExponentPercent = 12;    // an exponent 0 or 1, where the level has them
constexpr int kFractionBasePercent = 30;    // a fraction as a power's base
constexpr int kPowerTermPercent = 30;       // a term of one operation is a power
constexpr int kPowerFactorPercent = 45;     // a product holds a power
constexpr int kSecondPowerPercent = 30;     // a long product holds two
constexpr int kBracketInProductPercent = 70;  // a bracket goes into a product, not after a minus
constexpr int kCurlyPercent = 25;           // curly brackets, where they are not wanted in half
constexpr int kSignPercent = 50;            // + rather than -, x rather than :

// Numbers drawn the same way on every machine: std::mt19937_64's sequence is fixed by the standard,
// the standard distributions' algorithms are not, so the mapping to a range is our own.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_engine(seed) { }
    std::uint64_t below(std::uint64_t n)
    {
        const std::uint64_t threshold = (0 - n) % n;  // 2^64 mod n: drawn again, so every value is as likely
        std::uint64_t r = m_engine();
        while (r < threshold)
            r = m_engine();
        return r % n;
    }
    std::int64_t between(std::int64_t low, std::int64_t high)
    {
        return low + std::int64_t(below(std::uint64_t(high - low) + 1));
    }
    bool chance(int percent) { return below(100) < std::uint64_t(percent); }

private:
    std::mt19937_64 m_engine;
};

struct Node {
    enum class Kind { Number, Chain, Group, Power };
    Kind kind = Kind::Number;
    Value value;
    int height = 0;  // of the highest bracket it holds, its own included; (-3) and (2/3) are 1
    bool sum = false;          // Chain: + and -, else x and :
    std::vector<int> items;    // Chain: operands; Group, Power: the one child
    std::vector<char> signs;   // Chain: before each operand (none before the first)
    int exponent = 0;          // Power
};

constexpr int kPlaceholder = -1;  // a number still to choose
constexpr int kFailed = -2;
constexpr int kTries = 24;

// One candidate expression, built as a tree from the innermost bracket out. The shape is drawn
// first; signs and numbers are then chosen where the chain is worked, left to right, so that each
// partial result keeps to the level; a chain that starts with a number chooses it last, once the
// rest is known ("c : (a + b)" gets a multiple of a + b).
class Builder {
public:
    Builder(const Level& level, Random& random) : m_level(level), m_random(random) { }

    bool build(int height);
    std::string text() const;
    const Value& value() const { return m_nodes[std::size_t(m_root)].value; }

private:
    const Node& node(int at) const { return m_nodes[std::size_t(at)]; }
    int add(Node&& node)
    {
        m_nodes.push_back(std::move(node));
        return int(m_nodes.size()) - 1;
    }
    int number(Value value)
    {
        Node n;
        n.height = value.sign() < 0 ? 1 : 0;
        n.value = std::move(value);
        return add(std::move(n));
    }

    // The largest whole number written: the level's, else a textbook's.
    std::int64_t maxWhole() const
    {
        return m_level.fractions ? kMaxFractionTerm : m_level.maxWhole ? m_level.maxWhole : 100;
    }
    std::optional<Value> operate(const Value& left, char op, const Value& right) const;
    Value drawWhole(std::int64_t max);
    Value drawFraction();
    Value drawNumber();
    std::optional<Value> drawFor(const Value& left, char op);
    std::optional<Value> drawFirst(bool sum, const std::vector<Value>& rest, const std::vector<char>& signs);
    int chain(bool sum, std::vector<int> items, const std::vector<char>& forced);
    int power(int base);
    int literalPower();
    int group(int content);
    int term(int operations, int inner);
    int sumWith(int operations, int inner, bool top);
    void write(int at, std::string& out) const;

    const Level& m_level;
    Random& m_random;
    std::vector<Node> m_nodes;
    int m_root = -1;
    bool m_rareExponent = false;
};

// The result when the operation is one a textbook prints: within the level's bounds, and no n : n.
std::optional<Value> Builder::operate(const Value& left, char op, const Value& right) const
{
    if ((op == ':' && left == right) || operationFault(m_level, left, char32_t(op), right) != OperationFault::None)
        return std::nullopt;
    std::optional<Value> result = arithmetic::combine(left, char32_t(op), right);
    if (!result || !fitsPartial(m_level, *result))
        return std::nullopt;
    return result;
}

// Friendly numbers first: small ones and multiples of five.
Value Builder::drawWhole(std::int64_t max)
{
    const auto r = m_random.below(10);
    if (r < 5)
        return Value(long(m_random.between(2, std::min<std::int64_t>(12, max))));
    if (r < 8 && max >= 10)
        return Value(long(5 * m_random.between(1, max / 5)));
    return Value(long(m_random.between(2, max)));
}

Value Builder::drawFraction()
{
    // Halves, thirds and quarters are the commonest in a book.
    static constexpr std::int64_t kDenominators[] = {2, 3, 4, 5, 6, 2, 3, 4, 8, 9, 10, 12};
    for (;;) {
        const std::int64_t d = kDenominators[m_random.below(std::size(kDenominators))];
        if (d > m_level.maxDenominator)
            continue;
        Value q = fraction(m_random.between(1, std::min<std::int64_t>(kMaxFractionTerm, 3 * d)), d);
        if (!q.isInteger())
            return q;
    }
}

Value Builder::drawNumber()
{
    if (m_level.decimals && m_random.chance(kDecimalPercent)) {
        switch (m_random.below(4)) {
        case 0: return fraction(2 * m_random.between(0, 49) + 1, 2);            // 3,5
        case 1: return fraction(2 * m_random.between(0, 49) + 1, 4);            // 1,25
        case 2: return fraction(m_random.between(1, 99) * 10 + 5, 100);  // 4,15
        default: {
            std::int64_t t = m_random.between(1, 99);  // 0,3
            if (t % 10 == 0)
                ++t;
            return fraction(t, 10);
        }
        }
    }
    Value q = m_level.fractions && m_random.chance(kFractionPercent) ? drawFraction() : drawWhole(maxWhole());
    if (m_level.negatives && m_random.chance(kNegativePercent))
        q = arithmetic::negated(q);
    return q;
}

// A number to write after `left op`: drawn among the level's numbers, or, for a division of whole
// numbers, among the divisors that keep it exact, or for a product where `left` is large, among
// the small factors the level multiplies by.
std::optional<Value> Builder::drawFor(const Value& left, char op)
{
    std::int64_t divisors[64];
    std::size_t found = 0;
    if (op == ':' && m_level.partials != Level::Partials::Fractions) {
        const std::int64_t n = numeratorOf(left);
        const std::int64_t limit = std::min(n - 1, m_level.maxDivisor ? m_level.maxDivisor : maxWhole());
        for (std::int64_t k = 2; k <= limit && found < std::size(divisors); ++k)
            if (n % k == 0)
                divisors[found++] = k;
        if (m_level.tenPowerDivisors && n % 10 == 0 && n > 10)
            divisors[found++] = n % 100 == 0 && n > 100 && m_random.chance(kSignPercent) ? 100 : 10;
        if (found == 0 && !m_level.decimals)
            return std::nullopt;
    } else if (op == 'x' && m_level.maxSmallFactor && numeratorOf(left) > m_level.maxSmallFactor) {
        for (std::int64_t k = 2; k <= m_level.maxSmallFactor; ++k)
            divisors[found++] = k;
        if (m_level.tenPowerFactors)
            divisors[found++] = 10;
    }
    for (int i = 0; i < kTries; ++i) {
        Value right = found > 0 && i % 4 != 3 ? Value(long(divisors[m_random.below(found)])) : drawNumber();
        if (operate(left, op, right))
            return right;
    }
    return std::nullopt;
}

// The first number of a chain whose other operands and signs are known: for products, a multiple
// of every denominator the rest makes; for sums, a number in the range the rest leaves.
std::optional<Value> Builder::drawFirst(bool sum, const std::vector<Value>& rest, const std::vector<char>& signs)
{
    auto works = [&](const Value& first) {
        if (first.sign() < 0 && !m_level.negatives)
            return false;
        std::optional<Value> v = first;
        for (std::size_t i = 0; i < rest.size() && v; ++i)
            v = operate(*v, signs[i], rest[i]);
        return v.has_value();
    };
    std::int64_t multiple = 1, low = 1, high = maxWhole();
    std::optional<Value> prefix = Value(sum ? 0L : 1L);
    for (std::size_t i = 0; i < rest.size(); ++i) {
        prefix = arithmetic::combine(*prefix, char32_t(signs[i]), rest[i]);
        if (!prefix || !prefix->terms())
            return std::nullopt;
        if (!sum)
            multiple = lcm(multiple, denominatorOf(*prefix));
        else if (prefix->isInteger())
            low = std::max(low, 1 - numeratorOf(*prefix));  // keeps every partial of a sum of whole numbers above 0
    }
    if (!sum && m_level.partials == Level::Partials::Hundredths)
        multiple = lcm(multiple, 100) / 100;  // a whole number keeps hundredths hundredths
    for (int i = 0; i < kTries; ++i) {
        Value first;
        if (i % 2 == 1) {
            first = drawNumber();
        } else if (!sum && m_level.partials != Level::Partials::Fractions) {
            if (multiple > high)
                continue;
            first = Value(long(multiple * m_random.between(1, std::min<std::int64_t>(high / multiple, 12))));
        } else {
            if (low > high)
                continue;
            first = drawWhole(high);
            if (numeratorOf(first) < low)
                first = Value(long(m_random.between(low, high)));
        }
        if (works(first))
            return first;
    }
    return std::nullopt;
}

// A chain of `items` (numbers still to choose are kPlaceholder); `forced` gives a sign that must
// stand before an operand, or 0.
int Builder::chain(bool sum, std::vector<int> items, const std::vector<char>& forced)
{
    const char plus = sum ? '+' : 'x', minus = sum ? '-' : ':';
    auto drawSign = [&](std::size_t i) { return forced[i] ? forced[i] : m_random.chance(kSignPercent) ? plus : minus; };
    Node chainNode;
    chainNode.kind = Node::Kind::Chain;
    chainNode.sum = sum;
    chainNode.signs.assign(items.size(), 0);
    if (items[0] == kPlaceholder) {
        std::vector<Value> rest;
        std::vector<char> signs;
        for (std::size_t i = 1; i < items.size(); ++i) {
            signs.push_back(drawSign(i));
            if (items[i] == kPlaceholder)
                items[i] = number(drawNumber());
            rest.push_back(node(items[i]).value);
        }
        const std::optional<Value> first = drawFirst(sum, rest, signs);
        if (!first)
            return kFailed;
        items[0] = number(*first);
        std::copy(signs.begin(), signs.end(), chainNode.signs.begin() + 1);
        Value v = *first;
        for (std::size_t i = 0; i < rest.size(); ++i)
            v = *arithmetic::combine(v, char32_t(signs[i]), rest[i]);
        chainNode.value = std::move(v);
    } else {
        Value v = node(items[0]).value;
        for (std::size_t i = 1; i < items.size(); ++i) {
            char sign = drawSign(i);
            std::optional<Value> next;
            if (items[i] == kPlaceholder) {
                std::optional<Value> right = drawFor(v, sign);
                if (!right && !forced[i]) {
                    sign = sign == plus ? minus : plus;
                    right = drawFor(v, sign);
                }
                if (!right)
                    return kFailed;
                items[i] = number(*right);
            }
            next = operate(v, sign, node(items[i]).value);
            if (!next && !forced[i]) {
                sign = sign == plus ? minus : plus;
                next = operate(v, sign, node(items[i]).value);
            }
            if (!next)
                return kFailed;
            chainNode.signs[i] = sign;
            v = std::move(*next);
        }
        chainNode.value = std::move(v);
    }
    for (int item : items)
        chainNode.height = std::max(chainNode.height, node(item).height);
    chainNode.items = std::move(items);
    return add(std::move(chainNode));
}

// `base` raised to a square, a cube or, in the first year of middle school, up to the fifth.
int Builder::power(int base)
{
    const Value& b = node(base).value;
    if (b.sign() == 0 || b == Value(1))
        return kFailed;
    const auto terms = b.terms();
    if (!terms || (m_level.maxBase && (terms->second != 1 || terms->first < 2 || terms->first > m_level.maxBase)))
        return kFailed;
    for (int i = 0; i < 4; ++i) {
        int exponent = int(m_random.between(2, m_level.maxExponent));
        if (m_level.rareExponents && !m_rareExponent && node(base).kind == Node::Kind::Number
            && m_random.chance(kRareExponentPercent))
            exponent = int(m_random.below(2));
        std::optional<Value> value = arithmetic::raise(b, std::to_string(exponent));
        if (!value || !fitsPartial(m_level, *value))
            continue;
        m_rareExponent = m_rareExponent || exponent < 2;
        Node p;
        p.kind = Node::Kind::Power;
        p.value = std::move(*value);
        p.items = {base};
        p.exponent = exponent;
        // (2/3)^2 and (-2)^3 keep their number in round brackets.
        p.height = std::max(node(base).height, node(base).kind == Node::Kind::Number && !b.isInteger() ? 1 : 0);
        return add(std::move(p));
    }
    return kFailed;
}

int Builder::literalPower()
{
    Value base(long(m_random.between(2, m_level.maxBase ? std::min<std::int64_t>(m_level.maxBase, 10) : 6)));
    if (m_level.fractions && m_random.chance(kFractionBasePercent)) {
        base = fraction(m_random.between(1, 4), m_random.between(2, 5));
        if (base.isInteger())
            base = Value(2);
    }
    if (m_level.negatives && m_random.chance(kNegativePercent))
        base = arithmetic::negated(base);
    return power(number(std::move(base)));
}

int Builder::group(int content)
{
    Node g;
    g.kind = Node::Kind::Group;
    g.value = node(content).value;
    g.height = node(content).height + 1;
    g.items = {content};
    if (g.height > m_level.maxHeight)
        return kFailed;
    return add(std::move(g));
}

// One operand of a sum: a number, a power, or a product of numbers and powers, with `inner` (a
// bracket, or -1) among its factors or as a power's base; `operations` of them.
int Builder::term(int operations, int inner)
{
    const bool powers = m_level.maxExponent > 0;
    if (operations == 0)
        return inner >= 0 ? inner : kPlaceholder;
    if (operations == 1 && powers && m_random.chance(kPowerTermPercent)) {
        if (inner < 0)
            return literalPower();
        if (!m_level.literalBases)
            return power(inner);
    }
    int powerFactors = powers && operations > 1 && m_random.chance(kPowerFactorPercent) ? 1 : 0;
    if (powerFactors && operations > 3 && m_random.chance(kSecondPowerPercent))
        ++powerFactors;
    const int factors = operations - powerFactors + 1;
    std::vector<int> items(std::size_t(factors), kPlaceholder);
    std::vector<char> forced(items.size(), 0);
    std::vector<std::size_t> free(items.size());
    for (std::size_t i = 0; i < free.size(); ++i)
        free[i] = i;
    auto takeSlot = [&] {
        const std::size_t k = m_random.below(free.size());
        const std::size_t slot = free[k];
        free.erase(free.begin() + std::ptrdiff_t(k));
        return slot;
    };
    if (inner >= 0)
        items[takeSlot()] = inner;
    for (int i = 0; i < powerFactors; ++i) {
        const int p = literalPower();
        if (p == kFailed)
            return kFailed;
        items[takeSlot()] = p;
    }
    return chain(false, std::move(items), forced);
}

// A chain of `operations` holding `inner` where its bracket is needed: a factor, a power's base,
// or after a minus. Below the top it is a sum, so that the bracket around it is needed in turn.
int Builder::sumWith(int operations, int inner, bool top)
{
    // Textbooks hold few terms in a bracket, and often nothing but a product outside them.
    const int drawn = int(m_random.below(10));
    const int terms = std::min(operations + 1, top ? (drawn < 4 ? 1 : drawn < 8 ? 2 : 3)
                                                   : (drawn < 6 ? 2 : drawn < 9 ? 3 : 4));
    // Short products, as in a book, not long rows of factors.
    constexpr int kMostInTerm = 3;
    std::vector<int> own(std::size_t(terms), 0);
    for (int left = operations - (terms - 1); left > 0; --left) {
        std::size_t k = m_random.below(own.size());
        for (std::size_t tried = 0; own[k] >= kMostInTerm; k = (k + 1) % own.size())
            if (++tried > own.size())
                return kFailed;
        ++own[k];
    }
    const std::size_t holder = m_random.below(own.size());
    // A bracket first in a sum would change nothing, and "a - (...)" is rarer in a book than a
    // bracket in a product: mostly it goes into one.
    if (inner >= 0 && own[holder] == 0 && (holder == 0 || m_random.chance(kBracketInProductPercent))) {
        const auto donor = std::find_if(own.begin(), own.end(), [](int n) { return n > 0; });
        if (donor != own.end()) {
            --*donor;
            ++own[holder];
        } else if (holder == 0) {
            return kFailed;
        }
    }
    std::vector<int> items;
    std::vector<char> forced(own.size(), 0);
    for (std::size_t i = 0; i < own.size(); ++i) {
        const int t = term(own[i], i == holder ? inner : -1);
        if (t == kFailed)
            return kFailed;
        if (i == holder && own[i] == 0 && inner >= 0)
            forced[i] = '-';
        items.push_back(t);
    }
    if (items.size() == 1)
        return items[0];
    return chain(true, std::move(items), forced);
}

bool Builder::build(int height)
{
    m_nodes.clear();
    m_rareExponent = false;
    const int operations = int(m_random.between(m_level.minOperations, m_level.maxOperations));
    // One chain for each bracket and one outside them all, each with an operation at least.
    std::vector<int> own(std::size_t(height) + 1, 1);
    if (operations < int(own.size()))
        return false;
    for (int left = operations - int(own.size()); left > 0; --left)
        ++own[m_random.below(own.size())];
    int inner = -1;
    for (std::size_t k = 0; k < own.size(); ++k) {
        const bool top = k + 1 == own.size();
        const int content = sumWith(own[k], inner, top);
        if (content < 0)
            return false;
        if (top) {
            m_root = content;
            break;
        }
        inner = group(content);
        if (inner == kFailed)
            return false;
    }
    return node(m_root).kind != Node::Kind::Number;
}

void writeNumber(const Value& value, bool decimals, std::string& out)
{
    const auto [numerator, d] = *value.terms();
    const bool negative = numerator < 0;
    if (negative)
        out += "(-";
    const std::int64_t n = negative ? -numerator : numerator;
    if (d == 1) {
        out += std::to_string(n);
    } else if (decimals) {
        const std::int64_t scale = 100 % d == 0 && 10 % d != 0 ? 100 : 10;
        const std::int64_t scaled = n * (scale / d);
        std::string fraction = std::to_string(scaled % scale);
        if (scale == 100 && fraction.size() == 1)
            fraction.insert(0, 1, '0');
        out += std::to_string(scaled / scale) + ',' + fraction;
    } else {
        out += std::to_string(n) + '/' + std::to_string(d);
    }
    if (negative)
        out += ')';
}

void Builder::write(int at, std::string& out) const
{
    const Node& n = node(at);
    switch (n.kind) {
    case Node::Kind::Number: writeNumber(n.value, m_level.decimals, out); break;
    case Node::Kind::Chain:
        for (std::size_t i = 0; i < n.items.size(); ++i) {
            if (i > 0) {
                out += ' ';
                out += n.signs[i];
                out += ' ';
            }
            write(n.items[i], out);
        }
        break;
    case Node::Kind::Group: {
        const char32_t opening = arithmetic::openingOfHeight(n.height);
        out += char(opening);  // the brackets are ASCII
        write(n.items[0], out);
        out += char(arithmetic::closingOf(opening));
        break;
    }
    case Node::Kind::Power: {
        const Node& base = node(n.items[0]);
        const bool brackets = base.kind == Node::Kind::Number && !base.value.isInteger() && base.value.sign() > 0;
        if (brackets)
            out += '(';
        write(n.items[0], out);
        if (brackets)
            out += ')';
        out += '^' + std::to_string(n.exponent);
        break;
    }
    }
}

std::string Builder::text() const
{
    std::string out;
    write(m_root, out);
    return out;
}

}  // namespace

std::vector<std::string> generate(int levelNumber, int count, std::uint64_t seed)
{
    const Level& rules = level(levelNumber);
    if (count < 1 || count > kMaxCount)
        throw std::invalid_argument("numero di esercizi fuori da 1 a " + std::to_string(kMaxCount));
    Random random(seed);
    Builder builder(rules, random);
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
    out.reserve(std::size_t(count));
    // Every level gives an exercise in a few dozen tries; this only stops a fault from hanging.
    for (std::int64_t tries = 0; int(out.size()) < count; ++tries) {
        if (tries > 100000 + 5000 * std::int64_t(count))
            throw std::runtime_error("troppi tentativi per il livello " + std::to_string(levelNumber));
        // What a level wants in half of its exercises, every other one has.
        const bool even = out.size() % 2 == 0;
        // Elsewhere curly brackets are rarer than in a book, since fractions and (-3) already take
        // a round bracket.
        int height = int(random.between(1, rules.maxHeight));
        if (rules.curlyInHalf)
            height = even ? 3 : int(random.between(2, 3));
        else if (rules.maxHeight == 3)
            height = random.chance(kCurlyPercent) ? 3 : int(random.between(1, 2));
        if (!builder.build(height) || !fitsFinal(rules, builder.value()))
            continue;
        std::string text = builder.text();
        // Cheap looks first; the rules of the level have the last word, on the text as written.
        if (std::count(text.begin(), text.end(), '/') < rules.minFractions
            || (rules.negatives && text.find("(-") == std::string::npos) || seen.count(text))
            continue;
        const LevelCheck check = checkLevel(levelNumber, arithmetic::plainLine(text));
        if (!check.fault.empty() || (rules.unlikeSumsInHalf && even && check.unlikeSums == 0))
            continue;
        seen.insert(text);
        out.push_back(std::move(text));
    }
    return out;
}

}  // namespace quintavia::curriculum
