// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/diagnosis: when two lines say the same, read as a teacher reads them.
#include "arithmetic/expression.h"

#include <string>

namespace quintavia::diagnosis::detail {

enum class Likeness {
    // As written: terms and factors in any order, a number in brackets or not, an explicit "+",
    // any sign of the same meaning; a fraction keeps its terms ("6/8" is not "3/4").
    Writing,
    // As worth: numbers by value in any form ("0,5", "1/2", "2/4"), a minus before a number or a
    // bracket taken into the terms (the sign rule), a product of a number and a bracketed sum
    // spread over the sum (the distributive law).
    Value,
    // As Value, but a bracket after a minus dropped with only its first term's sign changed: the
    // slip "10 - (4 - 7) = 10 - 4 - 7".
    SignsKept,
};

// One key for every line that reads the same in `likeness`.
std::string keyOf(const arithmetic::Term& term, Likeness likeness);

// The pupil's line as the reader takes it: "²" and "^2" become raised digits.
arithmetic::Line schoolLine(const arithmetic::Line& typed);

// The first fraction of two whole numbers not in lowest terms ("6/8"), or none.
const arithmetic::Term* unreducedFraction(const arithmetic::Term& term);
// A fraction of two whole numbers, the first signed or not, reduced or not.
bool isFractionPair(const arithmetic::Term& term);

}  // namespace quintavia::diagnosis::detail
