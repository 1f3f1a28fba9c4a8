// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/generator.h"

#include "arithmetic/reader.h"
#include "arithmetic/steps.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <unordered_set>

namespace quintavia::curriculum {

namespace {

// Exact values of the small numbers an exercise holds; every result is checked against the
// level's bounds, so 64 bits with 128 in between are plenty, and far faster than GMP.
struct Q {
    std::int64_t n = 0;
    std::int64_t d = 1;
    bool operator==(const Q&) const = default;
};

using Wide = __int128;

std::optional<Q> reduced(Wide n, Wide d)
{
    if (d == 0)
        return std::nullopt;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    Wide a = n < 0 ? -n : n, b = d;
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) {
        n /= a;
        d /= a;
    }
    constexpr Wide kMax = std::numeric_limits<std::int64_t>::max();
    if (n > kMax || n < -kMax || d > kMax)
        return std::nullopt;
    return Q{std::int64_t(n), std::int64_t(d)};
}

std::optional<Q> apply(Q a, char op, Q b)
{
    switch (op) {
    case '+': return reduced(Wide(a.n) * b.d + Wide(b.n) * a.d, Wide(a.d) * b.d);
    case '-': return reduced(Wide(a.n) * b.d - Wide(b.n) * a.d, Wide(a.d) * b.d);
    case 'x': return reduced(Wide(a.n) * b.n, Wide(a.d) * b.d);
    default: return reduced(Wide(a.n) * b.d, Wide(a.d) * b.n);  // ':'; none when b is 0
    }
}

std::optional<Q> raised(Q base, int exponent)
{
    std::optional<Q> value = Q{1, 1};
    for (int i = 0; i < exponent && value; ++i)
        value = apply(*value, 'x', base);
    return value;
}

bool isUnit(Q q)
{
    return q.d == 1 && (q.n == 1 || q.n == -1);
}

std::int64_t lcm(std::int64_t a, std::int64_t b)
{
    return a / std::gcd(a, b) * b;
}

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
    Q value;
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
    Q value() const { return m_nodes[std::size_t(m_root)].value; }

private:
    const Node& node(int at) const { return m_nodes[std::size_t(at)]; }
    int add(Node&& node)
    {
        m_nodes.push_back(std::move(node));
        return int(m_nodes.size()) - 1;
    }
    int number(Q value)
    {
        Node n;
        n.value = value;
        n.height = value.n < 0 ? 1 : 0;
        return add(std::move(n));
    }

    // The largest whole number written: the level's, else a textbook's.
    std::int64_t maxWhole() const
    {
        return m_level.fractions ? kMaxFractionTerm : m_level.maxWhole ? m_level.maxWhole : 100;
    }
    bool fits(Q v) const;
    std::optional<Q> operate(Q left, char op, Q right) const;
    Q drawWhole(std::int64_t max);
    Q drawNumber();
    std::optional<Q> drawFor(Q left, char op);
    std::optional<Q> drawFirst(bool sum, const std::vector<Q>& rest, const std::vector<char>& signs);
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
    bool m_zeroExponent = false;
};

bool Builder::fits(Q v) const
{
    switch (m_level.partials) {
    case Level::Partials::Whole: return v.d == 1 && v.n >= 0 && v.n <= m_level.maxValue;
    case Level::Partials::Hundredths: return 100 % v.d == 0 && v.n >= 0 && v.n <= m_level.maxValue * v.d;
    case Level::Partials::Fractions: break;
    }
    return (m_level.negatives || v.n >= 0) && v.n <= kMaxNumerator && v.n >= -kMaxNumerator
           && v.d <= kMaxDenominator;
}

// The result when the operation is one a textbook prints: no 0 on either side, no x 1 or : 1 (or
// -1), no n : n, and a result the level allows.
std::optional<Q> Builder::operate(Q left, char op, Q right) const
{
    if (left.n == 0 || right.n == 0 || (op == 'x' && (isUnit(left) || isUnit(right)))
        || (op == ':' && (isUnit(right) || left == right)))
        return std::nullopt;
    const std::optional<Q> result = apply(left, op, right);
    if (!result || !fits(*result))
        return std::nullopt;
    return result;
}

// Friendly numbers first: small ones and multiples of five.
Q Builder::drawWhole(std::int64_t max)
{
    const auto r = m_random.below(10);
    if (r < 5)
        return {m_random.between(2, std::min<std::int64_t>(12, max)), 1};
    if (r < 8 && max >= 10)
        return {5 * m_random.between(1, max / 5), 1};
    return {m_random.between(2, max), 1};
}

Q Builder::drawNumber()
{
    if (m_level.decimals && m_random.chance(25)) {
        switch (m_random.below(4)) {
        case 0: return *reduced(2 * m_random.between(0, 49) + 1, 2);            // 3,5
        case 1: return *reduced(2 * m_random.between(0, 49) + 1, 4);            // 1,25
        case 2: return *reduced(m_random.between(1, 99) * 10 + 5, 100);  // 4,15
        default: {
            std::int64_t t = m_random.between(1, 99);  // 0,3
            if (t % 10 == 0)
                ++t;
            return *reduced(t, 10);
        }
        }
    }
    Q q;
    if (m_level.fractions && m_random.chance(45)) {
        static constexpr std::int64_t kDenominators[] = {2, 3, 4, 5, 6, 2, 3, 4, 8, 9, 10, 12, 15, 20};
        for (;;) {
            const std::int64_t d = kDenominators[m_random.below(std::size(kDenominators))];
            q = *reduced(m_random.between(1, std::min<std::int64_t>(kMaxFractionTerm, 3 * d)), d);
            if (q.d > 1)
                break;
        }
    } else {
        q = drawWhole(maxWhole());
    }
    if (m_level.negatives && m_random.chance(40))
        q.n = -q.n;
    return q;
}

// A number to write after `left op`: drawn among the level's numbers, or, for a division of whole
// numbers, among the divisors that keep it exact.
std::optional<Q> Builder::drawFor(Q left, char op)
{
    std::int64_t divisors[64];
    std::size_t found = 0;
    if (op == ':' && m_level.partials != Level::Partials::Fractions) {
        const std::int64_t limit = std::min(left.n - 1, maxWhole());
        for (std::int64_t k = 2; k <= limit && found < std::size(divisors); ++k)
            if (left.n % k == 0)
                divisors[found++] = k;
        if (found == 0 && !m_level.decimals)
            return std::nullopt;
    }
    for (int i = 0; i < kTries; ++i) {
        Q right = found > 0 && i % 4 != 3 ? Q{divisors[m_random.below(found)], 1} : drawNumber();
        if (operate(left, op, right))
            return right;
    }
    return std::nullopt;
}

// The first number of a chain whose other operands and signs are known: for products, a multiple
// of every denominator the rest makes; for sums, a number in the range the rest leaves.
std::optional<Q> Builder::drawFirst(bool sum, const std::vector<Q>& rest, const std::vector<char>& signs)
{
    auto works = [&](Q first) {
        if (first.n < 0 && !m_level.negatives)
            return false;
        Q v = first;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const std::optional<Q> next = operate(v, signs[i], rest[i]);
            if (!next)
                return false;
            v = *next;
        }
        return true;
    };
    std::int64_t multiple = 1, low = 1, high = maxWhole();
    Q prefix = sum ? Q{0, 1} : Q{1, 1};
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::optional<Q> next = apply(prefix, signs[i], rest[i]);
        if (!next)
            return std::nullopt;
        prefix = *next;
        if (!sum)
            multiple = lcm(multiple, prefix.d);
        else if (prefix.d == 1)
            low = std::max(low, 1 - prefix.n);  // keeps every partial of a sum of whole numbers above 0
    }
    if (!sum && m_level.partials == Level::Partials::Hundredths)
        multiple = lcm(multiple, 100) / 100;  // a whole number keeps hundredths hundredths
    for (int i = 0; i < kTries; ++i) {
        Q first;
        if (i % 2 == 1) {
            first = drawNumber();
        } else if (!sum && m_level.partials != Level::Partials::Fractions) {
            if (multiple > high)
                continue;
            first = {multiple * m_random.between(1, std::min<std::int64_t>(high / multiple, 12)), 1};
        } else {
            if (low > high)
                continue;
            first = drawWhole(high);
            if (first.n < low)
                first.n = m_random.between(low, high);
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
    auto drawSign = [&](std::size_t i) { return forced[i] ? forced[i] : m_random.chance(50) ? plus : minus; };
    Node chainNode;
    chainNode.kind = Node::Kind::Chain;
    chainNode.sum = sum;
    chainNode.signs.assign(items.size(), 0);
    if (items[0] == kPlaceholder) {
        std::vector<Q> rest;
        std::vector<char> signs;
        for (std::size_t i = 1; i < items.size(); ++i) {
            signs.push_back(drawSign(i));
            if (items[i] == kPlaceholder)
                items[i] = number(drawNumber());
            rest.push_back(node(items[i]).value);
        }
        const std::optional<Q> first = drawFirst(sum, rest, signs);
        if (!first)
            return kFailed;
        items[0] = number(*first);
        std::copy(signs.begin(), signs.end(), chainNode.signs.begin() + 1);
        Q v = *first;
        for (std::size_t i = 0; i < rest.size(); ++i)
            v = *apply(v, signs[i], rest[i]);
        chainNode.value = v;
    } else {
        Q v = node(items[0]).value;
        for (std::size_t i = 1; i < items.size(); ++i) {
            char sign = drawSign(i);
            std::optional<Q> next;
            if (items[i] == kPlaceholder) {
                std::optional<Q> right = drawFor(v, sign);
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
            v = *next;
        }
        chainNode.value = v;
    }
    for (int item : items)
        chainNode.height = std::max(chainNode.height, node(item).height);
    chainNode.items = std::move(items);
    return add(std::move(chainNode));
}

// `base` raised to a square, a cube or, in the first year of middle school, up to the fifth.
int Builder::power(int base)
{
    const Q b = node(base).value;
    if (b.n == 0 || b == Q{1, 1})
        return kFailed;
    if (m_level.maxBase && (b.d != 1 || b.n < 2 || b.n > m_level.maxBase))
        return kFailed;
    for (int i = 0; i < 4; ++i) {
        int exponent = int(m_random.between(2, m_level.maxExponent));
        if (m_level.exponentZero && !m_zeroExponent && node(base).kind == Node::Kind::Number
            && m_random.chance(12))
            exponent = 0;
        const std::optional<Q> value = raised(b, exponent);
        if (!value || !fits(*value))
            continue;
        m_zeroExponent = m_zeroExponent || exponent == 0;
        Node p;
        p.kind = Node::Kind::Power;
        p.value = *value;
        p.items = {base};
        p.exponent = exponent;
        // (2/3)^2 and (-2)^3 keep their number in round brackets.
        p.height = std::max(node(base).height, node(base).kind == Node::Kind::Number && b.d != 1 ? 1 : 0);
        return add(std::move(p));
    }
    return kFailed;
}

int Builder::literalPower()
{
    Q base = {m_random.between(2, m_level.maxBase ? std::min<std::int64_t>(m_level.maxBase, 10) : 6), 1};
    if (m_level.fractions && m_random.chance(30)) {
        base = {m_random.between(1, 4), m_random.between(2, 5)};
        base = *reduced(base.n, base.d);
        if (base.d == 1)
            base.n = 2;
    }
    if (m_level.negatives && m_random.chance(40))
        base.n = -base.n;
    return power(number(base));
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
    if (operations == 1 && powers && m_random.chance(30)) {
        if (inner < 0)
            return literalPower();
        if (!m_level.literalBases)
            return power(inner);
    }
    int powerFactors = powers && operations > 1 && m_random.chance(45) ? 1 : 0;
    if (powerFactors && operations > 3 && m_random.chance(30))
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
    if (inner >= 0 && own[holder] == 0 && (holder == 0 || m_random.chance(70))) {
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
    m_zeroExponent = false;
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

void writeNumber(Q q, bool decimals, std::string& out)
{
    const bool negative = q.n < 0;
    if (negative)
        out += "(-";
    const std::int64_t n = negative ? -q.n : q.n;
    if (q.d == 1) {
        out += std::to_string(n);
    } else if (decimals) {
        const std::int64_t scale = 100 % q.d == 0 && 10 % q.d != 0 ? 100 : 10;
        const std::int64_t scaled = n * (scale / q.d);
        std::string fraction = std::to_string(scaled % scale);
        if (scale == 100 && fraction.size() == 1)
            fraction.insert(0, 1, '0');
        out += std::to_string(scaled / scale) + ',' + fraction;
    } else {
        out += std::to_string(n) + '/' + std::to_string(q.d);
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
        static constexpr char kOpen[] = "([{", kClose[] = ")]}";
        out += kOpen[n.height - 1];
        write(n.items[0], out);
        out += kClose[n.height - 1];
        break;
    }
    case Node::Kind::Power: {
        const Node& base = node(n.items[0]);
        const bool brackets = base.kind == Node::Kind::Number && base.value.d != 1 && base.value.n > 0;
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

std::string fractionText(Q q)
{
    return q.d == 1 ? std::to_string(q.n) : std::to_string(q.n) + '/' + std::to_string(q.d);
}

// What a textbook's answer looks like: small, and for fractions simple.
bool friendlyResult(const Level& level, Q q)
{
    if (q.n == 0)
        return false;
    if (level.partials == Level::Partials::Fractions)
        return q.n <= 60 && q.n >= -60 && q.d <= 20;
    return q.n <= 100 * q.d;
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
        // Where curly brackets are wanted in half the exercises, every other one has them; elsewhere
        // they are rarer than in a book, since fractions and (-3) already take a round bracket.
        int height = int(random.between(1, rules.maxHeight));
        if (rules.curlyInHalf)
            height = out.size() % 2 == 0 ? 3 : int(random.between(2, 3));
        else if (rules.maxHeight == 3)
            height = random.chance(25) ? 3 : int(random.between(1, 2));
        if (!builder.build(height) || !friendlyResult(rules, builder.value()))
            continue;
        std::string text = builder.text();
        if ((rules.fractionRequired && text.find('/') == std::string::npos)
            || (rules.negatives && text.find("(-") == std::string::npos) || seen.count(text))
            continue;
        // The arithmetic library has the last word: the same value, and a chain that fits.
        const arithmetic::Line line = arithmetic::plainLine(text);
        const arithmetic::Reading reading = arithmetic::readLine(line);
        if (reading.kind != arithmetic::Reading::Kind::Valued
            || reading.value.written(arithmetic::Notation::Fractions) != fractionText(builder.value())
            || !arithmetic::generateSteps(line, arithmetic::StepMode::School, kMaxLines).ok())
            continue;
        seen.insert(text);
        out.push_back(std::move(text));
    }
    return out;
}

}  // namespace quintavia::curriculum
