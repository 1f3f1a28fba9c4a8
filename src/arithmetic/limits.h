// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sizes of an exercise and of its numbers, each named once for every library that writes or
// reads them.

#include <cstddef>

namespace quintavia::arithmetic {

// The most lines an exercise holds, its expression's included: what the editor's Invio allows
// and every generated chain must fit. A file written elsewhere may hold more; it is still read.
inline constexpr int kMaxExerciseLines = 15;

// The most characters a generated line holds, raised digits included: a line of that many of the
// widest characters an exercise writes still fits the solver's boxes whole, unwrapped, at their
// smallest readable size.
inline constexpr std::size_t kMaxLineCharacters = 59;

// A value is written with at most this many decimals; one that needs more is written as a fraction.
inline constexpr unsigned kMaxWrittenDecimals = 6;

// A number of at most this many digits, its decimals included, is kept in one machine word
// (below 10^18, numerator and denominator both fit 64 bits).
inline constexpr std::size_t kMaxWordDigits = 18;

}  // namespace quintavia::arithmetic
