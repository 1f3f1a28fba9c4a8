// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curriculum/themes.h"

#include "arithmetic/expression.h"
#include "curriculum/generator.h"

#include <functional>
#include <set>
#include <stdexcept>

namespace quintavia::curriculum {

namespace {

namespace ar = quintavia::arithmetic;
using Term = ar::Term;

// Every part of the tree, the root first.
void visit(const Term& term, const std::function<void(const Term&)>& see)
{
    see(term);
    for (const Term& part : term.parts)
        visit(part, see);
}

int count(const std::string& expression, const std::function<int(const Term&)>& score)
{
    const ar::Expression read = ar::readExpression(ar::plainLine(expression));
    if (read.kind != ar::Reading::Kind::Valued)
        return 0;
    int total = 0;
    visit(read.term, [&](const Term& term) { total += score(term); });
    return total;
}

// A bracket that holds work, not one around a single number such as (-3).
int brackets(const std::string& expression)
{
    return count(expression, [](const Term& t) {
        return t.kind == Term::Kind::Group && !t.parts.empty() && !t.parts.front().number;
    });
}

// Where school order is not the order of writing: a product or a quotient inside a sum (it comes
// first), and a chain of one level that mixes its signs (left to right, never right to left).
int order(const std::string& expression)
{
    return count(expression, [](const Term& t) {
        if (t.kind != Term::Kind::Chain || t.level == Term::Fraction)
            return 0;
        int traps = 0;
        if (t.level == Term::Sum)
            for (const Term& part : t.parts)
                traps += part.kind == Term::Kind::Chain && part.level == Term::Product;
        for (std::size_t i = 1; i < t.signs.size(); ++i)
            if (t.signs[i] != t.signs[i - 1]) {
                ++traps;
                break;
            }
        return traps;
    });
}

int powers(const std::string& expression)
{
    return count(expression, [](const Term& t) { return t.kind == Term::Kind::Power ? 1 : 0; });
}

int negatives(const std::string& expression)
{
    return count(expression, [](const Term& t) { return t.kind == Term::Kind::Sign && t.symbol == U'-' ? 1 : 0; });
}

int fractions(const std::string& expression)
{
    return count(expression, [](const Term& t) {
        return t.kind == Term::Kind::Chain && t.level == Term::Fraction ? int(t.parts.size()) - 1 : 0;
    });
}

// Batches drawn for a theme before giving up: generous, since a level's expressions hold most themes
// often.
constexpr int kBatches = 400;
constexpr int kBatchSize = 40;

}  // namespace

const std::vector<Theme>& themes()
{
    // The levels follow the levels' own rules: two brackets (one inside the other) and powers from
    // Quinta primaria, fractions from Seconda media, relative numbers in Terza media.
    static const std::vector<Theme> all{
        {"parentesi", "parentesi", "le parentesi", 2, 5, brackets},
        {"ordine", "ordine", "l'ordine delle operazioni", 1, 5, order},
        {"potenze", "potenza", "le potenze", 2, 5, powers},
        {"segni", "segno", "i segni", 5, 5, negatives},
        {"frazioni", "frazione", "le frazioni", 4, 5, fractions},
    };
    return all;
}

const Theme* themeNamed(std::string_view name)
{
    for (const Theme& theme : themes())
        if (theme.name == name)
            return &theme;
    return nullptr;
}

std::vector<std::string> generateOnTheme(int level, const Theme& theme, int count, std::uint64_t seed)
{
    if (count < 1 || count > kMaxCount)
        throw std::invalid_argument("il numero di esercizi va da 1 a " + std::to_string(kMaxCount));
    if (level < 1 || level > kLevels)
        throw std::invalid_argument("il livello va da 1 a " + std::to_string(kLevels));
    if (!theme.atLevel(level))
        throw std::invalid_argument("il tema «" + std::string(theme.name) + "» va dal livello "
                                    + std::to_string(theme.firstLevel) + " al " + std::to_string(theme.lastLevel));
    std::vector<std::string> chosen;
    std::set<std::string> seen;
    for (std::uint64_t batch = 0; batch < kBatches && int(chosen.size()) < count; ++batch)
        for (std::string& expression : generate(level, kBatchSize, seed * 1000003 + batch))
            if (int(chosen.size()) < count && theme.uses(expression) >= kThemeUses && seen.insert(expression).second)
                chosen.push_back(std::move(expression));
    if (int(chosen.size()) < count)
        throw std::invalid_argument("non ci sono abbastanza esercizi del tema «" + std::string(theme.name) + "»");
    return chosen;
}

}  // namespace quintavia::curriculum
