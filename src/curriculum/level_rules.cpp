// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/level_rules.h"

#include "arithmetic/outline.h"
#include "arithmetic/steps.h"
#include "curriculum/levels.h"

#include <algorithm>

namespace quintavia::curriculum {

namespace {

using arithmetic::Part;
using arithmetic::Value;

// Where a part stands, which decides whether a bracket around it changes anything.
struct Place {
    enum class Where { Root, Group, Sign, PowerBase, Operand };
    Where where = Where::Root;
    int level = 0;  // Operand: the chain's (1 sums, 2 products, 3 fraction bars)
    std::size_t index = 0;
    char32_t sign = 0;  // Operand: the sign before it
};

struct Fault {
    std::string message;
};

class Checker {
public:
    Checker(const Level& level, const arithmetic::Outline& outline, arithmetic::Notation notation)
        : m_level(level), m_outline(outline), m_notation(notation)
    {
    }

    // The highest bracket in the part, its own included; throws Fault.
    int walk(int at, Place place);
    std::string canonical(int at) const;

    int operations = 0;
    int fractions = 0;
    int negatives = 0;

private:
    const Part& part(int at) const { return m_outline.parts[std::size_t(at)]; }
    std::string written(const Value& v) const { return v.written(m_notation); }
    [[noreturn]] void fail(std::string message) const { throw Fault{std::move(message)}; }

    int chainLevel(const Part& p) const
    {
        if (p.kind != Part::Kind::Chain)
            return 4;
        const char32_t s = p.signs.front();
        return s == U'+' || s == U'-' ? 1 : s == U'/' ? 3 : 2;
    }
    bool isPlainNumber(int at) const { return part(at).kind == Part::Kind::Number; }
    bool isNegativeNumber(int at) const
    {
        return part(at).kind == Part::Kind::Sign && part(at).symbol == U'-'
               && isPlainNumber(part(at).children[0]);
    }
    // a/b, or -a/b, between two whole numbers as written.
    bool isFraction(int at) const
    {
        const Part& p = part(at);
        return p.kind == Part::Kind::Chain && p.signs.size() == 1 && p.signs[0] == U'/'
               && (isPlainNumber(p.children[0]) || isNegativeNumber(p.children[0])) && isPlainNumber(p.children[1]);
    }
    bool isLiteral(int at) const { return isPlainNumber(at) || isNegativeNumber(at) || isFraction(at); }

    void checkPartial(const Value& v) const;
    void checkNumber(const Part& p) const;
    void checkFraction(int at);
    void checkOperation(const Value& left, char32_t sign, const Value& right) const;
    void checkPower(const Part& p, int base);
    void checkBracket(int group, Place place) const;

    const Level& m_level;
    const arithmetic::Outline& m_outline;
    arithmetic::Notation m_notation;
    int m_zeroExponents = 0;
};

void Checker::checkPartial(const Value& v) const
{
    const auto terms = v.terms();
    bool fits = terms.has_value();
    if (fits) {
        const auto [n, d] = *terms;
        switch (m_level.partials) {
        case Level::Partials::Whole: fits = d == 1 && n >= 0 && n <= m_level.maxValue; break;
        case Level::Partials::Hundredths: fits = 100 % d == 0 && n >= 0 && n <= m_level.maxValue * d; break;
        case Level::Partials::Fractions:
            fits = (m_level.negatives || n >= 0) && std::max(n, -n) <= kMaxNumerator && d <= kMaxDenominator;
            break;
        }
    }
    if (!fits)
        fail("risultato parziale fuori dal livello: " + written(v));
}

void Checker::checkNumber(const Part& p) const
{
    const auto comma = p.text.find(',');
    if (comma != std::string::npos && (!m_level.decimals || p.text.size() - comma - 1 > 2))
        fail("numero decimale non ammesso: " + p.text);
    const auto terms = p.value.terms();
    if (m_level.maxWhole && (!terms || terms->first > m_level.maxWhole * terms->second))
        fail("numero oltre " + std::to_string(m_level.maxWhole) + ": " + p.text);
}

void Checker::checkFraction(int at)
{
    const Part& p = part(at);
    const Part& top = part(p.children[0]).kind == Part::Kind::Sign ? part(part(p.children[0]).children[0])
                                                                    : part(p.children[0]);
    const Part& bottom = part(p.children[1]);
    const auto a = top.value.terms(), b = bottom.value.terms(), value = p.value.terms();
    if (!m_level.fractions || !a || !b || !value || a->second != 1 || b->second != 1 || a->first > kMaxFractionTerm
        || b->first > kMaxFractionTerm || value->second != b->first || b->first < 2)
        fail("frazione non ammessa: " + canonical(at));
    ++fractions;
}

void Checker::checkOperation(const Value& left, char32_t sign, const Value& right) const
{
    const auto one = Value(1);
    const bool useless = left.sign() == 0 || right.sign() == 0
                         || ((sign == U'x' || sign == 0x00B7) && (left == one || right == one))
                         || (sign == U':' && right == one);
    if (useless) {
        const char32_t shown = sign == 0x00B7 ? U'x' : sign;
        fail("operazione che non cambia nulla: " + written(left) + ' ' + arithmetic::utf8(shown) + ' '
             + written(right));
    }
}

void Checker::checkPower(const Part& p, int base)
{
    if (m_level.maxExponent == 0)
        fail("potenze non ammesse a questo livello");
    const int exponent = p.text.size() > 2 ? 99 : std::stoi(p.text);
    if (exponent == 1)
        fail("esponente 1");
    if (exponent > m_level.maxExponent)
        fail("esponente oltre " + std::to_string(m_level.maxExponent) + ": " + p.text);
    if (exponent == 0 && (!m_level.exponentZero || ++m_zeroExponents > 1))
        fail(m_level.exponentZero ? "più di un esponente 0" : "esponente 0 non ammesso a questo livello");
    const Value& b = part(base).value;
    if (m_level.literalBases && !isPlainNumber(base))
        fail("la base di una potenza è un numero, a questo livello");
    const auto terms = b.terms();
    const bool baseFits = m_level.maxBase ? terms && terms->second == 1 && terms->first >= 2 && terms->first <= m_level.maxBase
                                          : b.sign() != 0 && !(b == Value(1));
    if (!baseFits)
        fail("base non ammessa: " + written(b));
    checkPartial(p.value);
}

// A bracket is either notation, around one number, or needed: without it the expression would be
// worked in another order.
void Checker::checkBracket(int group, Place place) const
{
    const int at = part(group).children[0];
    if (isLiteral(at))
        return;
    const int inside = chainLevel(part(at));
    bool needed = false;
    switch (place.where) {
    case Place::Where::PowerBase: needed = true; break;
    case Place::Where::Sign: needed = inside == 1; break;
    case Place::Where::Operand:
        needed = inside < place.level
                 || (inside == place.level && place.index > 0 && (place.sign == U'-' || place.sign == U':'));
        break;
    default: break;
    }
    if (!needed)
        fail("parentesi che non cambiano nulla: " + canonical(group));
}

int Checker::walk(int at, Place place)
{
    const Part& p = part(at);
    switch (p.kind) {
    case Part::Kind::Number: checkNumber(p); return 0;
    case Part::Kind::Sign:
        if (!isNegativeNumber(at))
            fail("segno davanti a un'espressione: " + canonical(at));
        if (!m_level.negatives)
            fail("numeri negativi non ammessi a questo livello");
        if (place.where == Place::Where::Operand && place.index > 0)
            fail("numero negativo senza parentesi: " + canonical(at));
        checkNumber(part(p.children[0]));
        ++negatives;
        return 0;
    case Part::Kind::Power: {
        checkPower(p, p.children[0]);
        ++operations;
        return walk(p.children[0], {Place::Where::PowerBase});
    }
    case Part::Kind::Group: {
        checkBracket(at, place);
        const int height = walk(p.children[0], {Place::Where::Group}) + 1;
        static constexpr char32_t kOpening[] = {U'(', U'[', U'{'};
        if (height > m_level.maxHeight)
            fail("parentesi troppo annidate per il livello");
        if (p.symbol != kOpening[height - 1])
            fail("parentesi nell'ordine sbagliato: «" + arithmetic::utf8(p.symbol) + "» dove va «"
                 + arithmetic::utf8(kOpening[height - 1]) + "»");
        return height;
    }
    case Part::Kind::Chain: break;
    }
    if (isFraction(at)) {
        checkFraction(at);
        if (part(p.children[0]).kind == Part::Kind::Sign)
            walk(p.children[0], place);
        return 0;
    }
    const int level = chainLevel(p);
    if (level == 3)
        fail("linea di frazione fra espressioni: " + canonical(at));
    int height = 0;
    for (std::size_t i = 0; i < p.children.size(); ++i) {
        const char32_t sign = i > 0 ? p.signs[i - 1] : 0;
        height = std::max(height, walk(p.children[i], {Place::Where::Operand, level, i, sign}));
        if (i == 0)
            continue;
        checkOperation(i == 1 ? part(p.children[0]).value : p.partials[i - 2], sign, part(p.children[i]).value);
        checkPartial(p.partials[i - 1]);
        ++operations;
    }
    return height;
}

// The expression as a textbook writes it: one blank each side of a sign, the keypad's signs.
std::string Checker::canonical(int at) const
{
    const Part& p = part(at);
    switch (p.kind) {
    case Part::Kind::Number: return p.text;
    case Part::Kind::Group: {
        const char32_t closing = p.symbol == U'(' ? U')' : p.symbol == U'[' ? U']' : U'}';
        return arithmetic::utf8(p.symbol) + canonical(p.children[0]) + arithmetic::utf8(closing);
    }
    case Part::Kind::Sign: return arithmetic::utf8(p.symbol) + canonical(p.children[0]);
    case Part::Kind::Power: return canonical(p.children[0]) + '^' + p.text;
    case Part::Kind::Chain: break;
    }
    std::string out = canonical(p.children[0]);
    for (std::size_t i = 1; i < p.children.size(); ++i) {
        const char32_t sign = p.signs[i - 1];
        if (sign == U'/')
            out += '/';
        else
            out += ' ' + arithmetic::utf8(sign == 0x00B7 ? U'x' : sign) + ' ';
        out += canonical(p.children[i]);
    }
    return out;
}

}  // namespace

std::string levelFault(int levelNumber, const arithmetic::Line& expression)
{
    const Level& rules = level(levelNumber);
    const arithmetic::Outline outline = arithmetic::outlineOf(expression);
    if (!outline.ok())
        return outline.problem.message;
    Checker checker(rules, outline, arithmetic::notationOf(expression));
    try {
        const std::string text = checker.canonical(outline.root);
        if (text != arithmetic::plainText(expression))
            return "scritta non come in un libro: «" + text + "»";
        checker.walk(outline.root, {});
    } catch (const Fault& fault) {
        return fault.message;
    }
    if (checker.operations < rules.minOperations || checker.operations > rules.maxOperations)
        return std::to_string(checker.operations) + " operazioni, il livello ne vuole da "
               + std::to_string(rules.minOperations) + " a " + std::to_string(rules.maxOperations);
    if (rules.fractionRequired && checker.fractions == 0)
        return "manca una frazione";
    if (rules.negatives && checker.negatives == 0)
        return "manca un numero negativo";
    const arithmetic::Steps steps = arithmetic::generateSteps(expression, arithmetic::StepMode::School, kMaxLines);
    if (!steps.ok())
        return steps.problem.message;
    return {};
}

}  // namespace quintavia::curriculum
