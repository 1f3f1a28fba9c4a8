// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/arithmetic: the only header that shows GMP.
#include "arithmetic/value.h"

#include <gmpxx.h>

#include <string>

struct quintavia::arithmetic::Value::Rep {
    mpq_class q;
};

namespace quintavia::arithmetic::detail {

// No number, typed or computed, may have more digits than this (numerator or denominator).
inline constexpr std::size_t kMaxDigits = 10000;

inline const mpq_class& rationalOf(const Value& value)
{
    return value.rep().q;
}

// Decimal digits of |z|: exact at the limit, at most one too many elsewhere.
std::size_t digitsOf(const mpz_class& z);
bool tooBig(const mpq_class& q);
// The written form of a value, see Value::written().
std::string written(const mpq_class& q, Notation notation);

}  // namespace quintavia::arithmetic::detail
