// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the school levels, their expressions, the generator of exercises and the rules it obeys.
// Must not know: documents, files, widgets, Qt.
#include "arithmetic/limits.h"
#include "arithmetic/steps.h"
#include "arithmetic/value.h"

#include <cstdint>
#include <string_view>

namespace quintavia::curriculum {

inline constexpr int kLevels = 5;
inline constexpr int kMaxCount = 1000;
// The lines of a document, the expression's included: every generated chain fits them.
inline constexpr int kMaxLines = arithmetic::kMaxExerciseLines;

// What the expressions of one school level may hold: one row of the table of the school years.
// The generator draws within it and the rule checker reads it, through the functions below.
struct Level {
    std::string_view name;  // "Quarta primaria" ... "Terza media"
    int minOperations = 0;  // powers count as operations; a fraction a/b or a number (-3) does not
    int maxOperations = 0;
    int maxHeight = 0;         // brackets nest up to: 1 round, 2 square, 3 curly
    bool curlyInHalf = false;  // curly brackets in at least half of the exercises

    // Numbers as written.
    std::int64_t maxWhole = 0;  // whole numbers up to this; 0: no bound
    bool decimals = false;      // one or two digits after the comma
    bool negatives = false;     // at least one an exercise, in round brackets
    bool fractions = false;     // reduced a/b, numerator up to kMaxFractionTerm
    std::int64_t maxDenominator = 0;  // of a fraction as written
    int minFractions = 0;             // fractions written in every exercise
    bool unlikeSumsInHalf = false;    // a sum of fractions with unlike denominators in half of them

    // Powers.
    int maxExponent = 0;        // 0: no powers
    bool rareExponents = false;  // an exponent 0 or 1, at most once an exercise
    std::int64_t maxBase = 0;   // a power's base from 2 to this; 0: any
    bool literalBases = false;  // the base is a number as written

    // Operations, on the values they work on.
    // "Powers of ten" are 10, 100 and 1000.
    std::int64_t maxDivisor = 0;  // a whole divisor from 2 to this; 0: any
    bool tenPowerDivisors = false;  // or a power of ten
    std::int64_t maxSmallFactor = 0;  // a product has a whole factor up to this; 0: any
    bool tenPowerFactors = false;     // or a power of ten

    // Partial results: every value met while working the expression left to right.
    enum class Partials { Whole, Hundredths, Fractions };
    Partials partials = Partials::Whole;
    std::int64_t maxValue = 0;  // Whole and Hundredths: from 0 to this; Fractions: numerator's size
    std::int64_t maxLineDenominator = 0;  // Fractions: of any number in any line of the chain

    // The final value: never 0.
    enum class Finals { Whole, Tenths, Fractions };
    Finals finals = Finals::Whole;  // Tenths: one decimal place at most; Fractions: up to maxDenominator
    std::int64_t minFinal = 0;
    std::int64_t maxFinal = 0;

    // How its chains are worked: primary school books multiply and divide one operation a line.
    arithmetic::StepMode steps = arithmetic::StepMode::School;
};

inline constexpr std::int64_t kMaxFractionTerm = 20;

// The level numbered 1 to kLevels.
const Level& level(int number);

// The bound an operation of a level breaks, before its result is looked at.
enum class OperationFault {
    None,
    Useless,      // x 1, : 1, a 0 on either side: an operation that changes nothing
    Divisor,      // a division by a decimal, or by a number the level does not divide by
    Factor,       // a product with no factor the level multiplies by
    Reciprocal,   // a division by a fraction whose reciprocal has a denominator over the level's
};
OperationFault operationFault(const Level& level, const arithmetic::Value& left, char32_t sign,
                              const arithmetic::Value& right);
// Whether a partial result, or the final value, keeps to the level.
bool fitsPartial(const Level& level, const arithmetic::Value& value);
bool fitsFinal(const Level& level, const arithmetic::Value& value);

}  // namespace quintavia::curriculum
