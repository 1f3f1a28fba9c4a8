// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the school levels, their expressions, the generator of exercises and the rules it obeys.
// Must not know: documents, files, widgets, Qt.
#include "arithmetic/limits.h"

#include <cstdint>
#include <string_view>

namespace quintavia::curriculum {

inline constexpr int kLevels = 5;
inline constexpr int kMaxCount = 1000;
// The lines of a document, the expression's included: every generated chain fits them.
inline constexpr int kMaxLines = arithmetic::kMaxExerciseLines;

// What the expressions of one school level may hold.
struct Level {
    std::string_view name;  // "Quarta primaria" ... "Terza media"
    int minOperations = 0;  // powers count as operations; a fraction a/b or a number (-3) does not
    int maxOperations = 0;
    int maxHeight = 0;  // brackets nest up to: 1 round, 2 square, 3 curly
    bool curlyInHalf = false;  // curly brackets in at least half of the exercises
    enum class Partials { Whole, Hundredths, Fractions };
    Partials partials = Partials::Whole;  // every partial result
    std::int64_t maxValue = 0;            // Whole and Hundredths: partial results from 0 to this
    std::int64_t maxWhole = 0;            // whole numbers as written; 0: no bound
    bool decimals = false;                // one or two digits after the comma, up to maxWhole
    bool fractions = false;               // a/b with terms up to kMaxFractionTerm
    bool fractionRequired = false;        // at least one an exercise
    bool negatives = false;               // at least one an exercise, in round brackets
    int maxExponent = 0;                  // 0: no powers
    bool exponentZero = false;            // at most once an exercise
    std::int64_t maxBase = 0;             // a power's base from 2 to this; 0: any
    bool literalBases = false;            // the base is a number as written
};

inline constexpr std::int64_t kMaxFractionTerm = 20;
// Fractions levels: reduced partial results up to these terms.
inline constexpr std::int64_t kMaxNumerator = 10000;
inline constexpr std::int64_t kMaxDenominator = 1000;

// The level numbered 1 to kLevels.
const Level& level(int number);

}  // namespace quintavia::curriculum
