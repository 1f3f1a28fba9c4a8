// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the trees and values of three lines, the school order of the steps, a teacher's words.
// Must not know: windows, sounds, documents, files, Qt, or how the arithmetic is computed.
#include "arithmetic/line.h"

#include <string>
#include <string_view>

namespace quintavia::diagnosis {

// In the order they are tried: the first that applies is the diagnosis.
enum class Category {
    Right,       // giusto: the step matches the teacher's line as the solver matches it
    Unreadable,  // illeggibile: the answer cannot be read
    Brackets,    // parentesi: brackets unbalanced, or dropped while they still hold an operation
    Together,    // insieme: right value, but more than the next step at once
    Partial,     // parziale: right value, in school order, but less than the teacher's step
    Order,       // ordine: an operation worked out before one that school order puts first
    Power,       // potenza: a power worked out wrong
    Sign,        // segno: a rule of signs broken
    Calculation, // calcolo: the right operation, worked out wrong
    Copied,      // ricopiato: a number or a sign outside the operations changed
    Other,       // altro: none of these; no message
};

// "giusto", "illeggibile", ..., as the command line prints them.
std::string_view categoryName(Category category);

struct Diagnosis {
    Category category = Category::Other;
    // One short Italian sentence naming the numbers involved, in plain notation: "^" before raised
    // digits ("4^3 = 4 x 4 x 4 = 64, non 12."), as the command line prints it. A window shows it
    // with arithmetic::plainLine(), whose raised characters are the exponents. Empty for
    // Right and Other.
    std::string message;
};

// `previous`: the line shown last; `expected`: the teacher's next line; `answer`: the pupil's.
// When `previous` or `expected` cannot be read, a wrong answer is Other.
Diagnosis diagnose(const arithmetic::Line& previous, const arithmetic::Line& expected,
                   const arithmetic::Line& answer);

}  // namespace quintavia::diagnosis
