// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/level_rules.h"

#include "arithmetic/expression.h"
#include "arithmetic/notation.h"
#include "arithmetic/steps.h"
#include "curriculum/levels.h"

#include <algorithm>

namespace quintavia::curriculum {

namespace {

using arithmetic::Term;
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
    Checker(const Level& level, arithmetic::Notation notation) : m_level(level), m_notation(notation)
    {
    }

    // The highest bracket in the part, its own included; throws Fault.
    int walk(const Term& p, Place place);

    int operations = 0;
    int fractions = 0;
    int negatives = 0;
    int unlikeSums = 0;

private:
    std::string written(const Value& v) const { return v.written(m_notation); }
    [[noreturn]] void fail(std::string message) const { throw Fault{std::move(message)}; }

    // A chain's sign level; a number, a power or a bracket binds harder than any sign.
    int chainLevel(const Term& p) const
    {
        return p.kind == Term::Kind::Chain ? p.level : int(arithmetic::SignLevel::Fraction) + 1;
    }
    bool isPlainNumber(const Term& p) const { return p.kind == Term::Kind::Number; }
    bool isNegativeNumber(const Term& p) const
    {
        return p.kind == Term::Kind::Sign && p.symbol == U'-' && isPlainNumber(p.parts[0]);
    }
    // a/b, or -a/b, between two whole numbers as written.
    bool isFraction(const Term& p) const
    {
        return p.kind == Term::Kind::Chain && p.signs.size() == 1 && p.signs[0] == U'/'
               && (isPlainNumber(p.parts[0]) || isNegativeNumber(p.parts[0])) && isPlainNumber(p.parts[1]);
    }
    bool isLiteral(const Term& p) const { return isPlainNumber(p) || isNegativeNumber(p) || isFraction(p); }

    void checkPartial(const Value& v) const;
    void checkNumber(const Term& p) const;
    void checkFraction(const Term& p);
    void checkOperation(const Value& left, char32_t sign, const Value& right);
    void checkPower(const Term& p);
    void checkBracket(const Term& group, Place place) const;

    const Level& m_level;
    arithmetic::Notation m_notation;
    int m_rareExponents = 0;
};

void Checker::checkPartial(const Value& v) const
{
    if (!fitsPartial(m_level, v))
        fail("risultato parziale fuori dal livello: " + written(v));
}

void Checker::checkNumber(const Term& p) const
{
    const auto comma = p.digits.find(',');
    if (comma != std::string::npos && (!m_level.decimals || p.digits.size() - comma - 1 > 2))
        fail("numero decimale non ammesso: " + p.digits);
    const auto terms = p.value.terms();
    if (m_level.maxWhole && (!terms || terms->first > m_level.maxWhole * terms->second))
        fail("numero oltre " + std::to_string(m_level.maxWhole) + ": " + p.digits);
}

void Checker::checkFraction(const Term& p)
{
    const Term& top = p.parts[0].kind == Term::Kind::Sign ? p.parts[0].parts[0] : p.parts[0];
    const Term& bottom = p.parts[1];
    const auto a = top.value.terms(), b = bottom.value.terms(), value = p.value.terms();
    if (!m_level.fractions || !a || !b || !value || a->second != 1 || b->second != 1 || a->first > kMaxFractionTerm
        || b->first > m_level.maxDenominator || value->second != b->first || b->first < 2)
        fail("frazione non ammessa: " + arithmetic::plainText(p));
    ++fractions;
}

void Checker::checkOperation(const Value& left, char32_t sign, const Value& right)
{
    const std::string operation = written(left) + ' ' + arithmetic::utf8(sign == 0x00B7 ? U'x' : sign) + ' '
                                  + written(right);
    switch (operationFault(m_level, left, sign, right)) {
    case OperationFault::None: break;
    case OperationFault::Useless: fail("operazione che non cambia nulla: " + operation);
    case OperationFault::Divisor: fail("divisore non ammesso a questo livello: " + operation);
    case OperationFault::Factor:
        fail("prodotto senza un fattore fino a " + std::to_string(m_level.maxSmallFactor) + ": " + operation);
    case OperationFault::Reciprocal:
        fail("reciproco con denominatore oltre " + std::to_string(m_level.maxLineDenominator) + ": " + operation);
    }
    const auto l = left.terms(), r = right.terms();
    if ((sign == U'+' || sign == U'-') && l && r && l->second != 1 && r->second != 1 && l->second != r->second)
        ++unlikeSums;
}

void Checker::checkPower(const Term& p)
{
    if (m_level.maxExponent == 0)
        fail("potenze non ammesse a questo livello");
    const int exponent = p.digits.size() > 2 ? 99 : std::stoi(p.digits);
    if (exponent > m_level.maxExponent)
        fail("esponente oltre " + std::to_string(m_level.maxExponent) + ": " + p.digits);
    if (exponent < 2 && !m_level.rareExponents)
        fail("esponente " + p.digits + " non ammesso a questo livello");
    if (exponent < 2 && ++m_rareExponents > 1)
        fail("più di un esponente 0 o 1");
    const Term& base = p.parts[0];
    const Value& b = base.value;
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
void Checker::checkBracket(const Term& group, Place place) const
{
    const Term& at = group.parts[0];
    if (isLiteral(at))
        return;
    const int inside = chainLevel(at);
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
        fail("parentesi che non cambiano nulla: " + arithmetic::plainText(group));
}

int Checker::walk(const Term& p, Place place)
{
    switch (p.kind) {
    case Term::Kind::Number: checkNumber(p); return 0;
    case Term::Kind::Sign:
        if (!isNegativeNumber(p))
            fail("segno davanti a un'espressione: " + arithmetic::plainText(p));
        if (!m_level.negatives)
            fail("numeri negativi non ammessi a questo livello");
        if (place.where == Place::Where::Operand && place.index > 0)
            fail("numero negativo senza parentesi: " + arithmetic::plainText(p));
        checkNumber(p.parts[0]);
        ++negatives;
        return 0;
    case Term::Kind::Power: {
        checkPower(p);
        ++operations;
        return walk(p.parts[0], {Place::Where::PowerBase});
    }
    case Term::Kind::Group: {
        checkBracket(p, place);
        const int height = walk(p.parts[0], {Place::Where::Group}) + 1;
        if (height > m_level.maxHeight)
            fail("parentesi troppo annidate per il livello");
        if (p.symbol != arithmetic::openingOfHeight(height))
            fail("parentesi nell'ordine sbagliato: «" + arithmetic::utf8(p.symbol) + "» dove va «"
                 + arithmetic::utf8(arithmetic::openingOfHeight(height)) + "»");
        return height;
    }
    case Term::Kind::Chain: break;
    }
    if (isFraction(p)) {
        checkFraction(p);
        if (p.parts[0].kind == Term::Kind::Sign)
            walk(p.parts[0], place);
        return 0;
    }
    const int level = chainLevel(p);
    if (level == int(arithmetic::SignLevel::Fraction))
        fail("linea di frazione fra espressioni: " + arithmetic::plainText(p));
    int height = 0;
    Value partial;  // the chain's value so far, worked left to right as a pupil does
    for (std::size_t i = 0; i < p.parts.size(); ++i) {
        const char32_t sign = i > 0 ? p.signs[i - 1] : 0;
        height = std::max(height, walk(p.parts[i], {Place::Where::Operand, level, i, sign}));
        if (i == 0) {
            partial = p.parts[0].value;
            continue;
        }
        checkOperation(partial, sign, p.parts[i].value);
        const std::optional<Value> next = arithmetic::combine(partial, sign, p.parts[i].value);
        if (!next)
            fail("operazione impossibile: " + arithmetic::plainText(p));
        partial = *next;
        checkPartial(partial);
        ++operations;
    }
    return height;
}

// The first line of the chain, the expression's included, longer than the solver shows unwrapped.
std::string lineTooLong(const arithmetic::Line& expression, const std::vector<arithmetic::Line>& steps)
{
    std::size_t longest = expression.size();
    for (const arithmetic::Line& line : steps)
        longest = std::max(longest, line.size());
    if (longest <= arithmetic::kMaxLineCharacters)
        return {};
    return "una riga di " + std::to_string(longest) + " caratteri, il massimo è "
           + std::to_string(arithmetic::kMaxLineCharacters);
}

}  // namespace

LevelCheck checkLevel(int levelNumber, const arithmetic::Line& expression)
{
    const Level& rules = level(levelNumber);
    const arithmetic::Expression read = arithmetic::readExpression(expression);
    if (read.kind == arithmetic::Reading::Kind::Faulty)
        return {read.problem.message};
    if (read.kind == arithmetic::Reading::Kind::Text)
        return {"la riga non contiene un'espressione"};
    const arithmetic::Notation notation = arithmetic::notationOf(expression);
    Checker checker(rules, notation);
    LevelCheck check;
    try {
        const std::string text = arithmetic::plainText(read.term);
        if (text != arithmetic::plainText(expression))
            return {"scritta non come in un libro: «" + text + "»"};
        checker.walk(read.term, {});
    } catch (const Fault& fault) {
        return {fault.message};
    }
    check.fractions = checker.fractions;
    check.unlikeSums = checker.unlikeSums;
    if (checker.operations < rules.minOperations || checker.operations > rules.maxOperations)
        check.fault = std::to_string(checker.operations) + " operazioni, il livello ne vuole da "
                      + std::to_string(rules.minOperations) + " a " + std::to_string(rules.maxOperations);
    else if (!fitsFinal(rules, read.term.value))
        check.fault = "risultato finale fuori dal livello: " + read.term.value.written(notation);
    else if (checker.fractions < rules.minFractions)
        check.fault = rules.minFractions == 1 ? std::string("manca una frazione")
                                              : "servono almeno " + std::to_string(rules.minFractions) + " frazioni";
    else if (rules.negatives && checker.negatives == 0)
        check.fault = "manca un numero negativo";
    else if (const arithmetic::Steps steps = arithmetic::generateSteps(expression, rules.steps, kMaxLines);
             !steps.ok())
        check.fault = steps.problem.message;
    else
        check.fault = lineTooLong(expression, steps.lines);
    return check;
}

std::string levelFault(int levelNumber, const arithmetic::Line& expression)
{
    return checkLevel(levelNumber, expression).fault;
}

}  // namespace quintavia::curriculum
