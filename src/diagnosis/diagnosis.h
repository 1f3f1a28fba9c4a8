// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the trees and values of three lines, the school order of the steps, a teacher's words.
// Must not know: windows, sounds, documents, files, Qt, or how the arithmetic is computed.
#include "arithmetic/line.h"

#include <string>
#include <string_view>

namespace quintavia::diagnosis {

enum class Category {
    Right,       // giusto: a step the judge accepts
    Unreadable,  // illeggibile: the answer is empty or cannot be read
    Brackets,    // parentesi: brackets unbalanced, or dropped while they still hold an operation
    Together,    // insieme: right value, but more than the next step at once
    Order,       // ordine: an operation worked out before one that school order puts first
    Power,       // potenza: a power worked out wrong
    Fraction,    // frazione: a rule of fractions broken (common denominator, reciprocal)
    Sign,        // segno: a rule of signs broken
    Calculation, // calcolo: the right operation, worked out wrong
    Copied,      // ricopiato: the line copied unchanged or only reordered, or a part copied wrong
    Other,       // altro: none of these
};

// "giusto", "illeggibile", ..., as the command line prints them.
std::string_view categoryName(Category category);

struct Diagnosis {
    Category category = Category::Other;
    // One short Italian sentence naming the numbers involved, written as the exercise writes them,
    // in plain notation: "^" before raised digits ("4^3 = 4 x 4 x 4 = 64, non 12."), as the command
    // line prints it. A window shows it with arithmetic::plainLine(), whose raised characters are
    // the exponents. For Right: empty, or a suggestion ("Ora riduci 6/8.").
    std::string message;
};

// `previous`: the line shown last; `expected`: the teacher's next line; `answer`: the pupil's.
// The judge's diagnosis with `expected` the only line ahead (see judge.h).
Diagnosis diagnose(const arithmetic::Line& previous, const arithmetic::Line& expected,
                   const arithmetic::Line& answer);

}  // namespace quintavia::diagnosis
