// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/rational.h"

#include "arithmetic/limits.h"

#include <stdexcept>

namespace quintavia::arithmetic {

Value::Value() = default;
Value::Value(long integer) : m_rep(std::make_unique<Rep>(Rep{mpq_class(integer)})) { }
Value::Value(const Value& other) : m_rep(other.m_rep ? std::make_unique<Rep>(*other.m_rep) : nullptr) { }
Value::Value(Value&& other) noexcept : m_rep(std::move(other.m_rep)) { }
Value::~Value() = default;

Value& Value::operator=(const Value& other)
{
    if (this == &other)
        return *this;
    if (!other.m_rep)
        m_rep.reset();
    else if (m_rep)
        m_rep->q = other.m_rep->q;
    else
        m_rep = std::make_unique<Rep>(*other.m_rep);
    return *this;
}

Value& Value::operator=(Value&& other) noexcept
{
    std::swap(m_rep, other.m_rep);
    return *this;
}

const Value::Rep& Value::rep() const
{
    static const Rep zero;
    return m_rep ? *m_rep : zero;
}

Value::Rep& Value::rep()
{
    if (!m_rep)
        m_rep = std::make_unique<Rep>();
    return *m_rep;
}

bool Value::operator==(const Value& other) const
{
    return rep().q == other.rep().q;
}
std::strong_ordering Value::operator<=>(const Value& other) const
{
    const int order = cmp(rep().q, other.rep().q);
    return order < 0 ? std::strong_ordering::less : order > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
}

Value Value::operator-() const
{
    Value out;
    if (m_rep)
        out.rep().q = -m_rep->q;
    return out;
}
Value& Value::operator+=(const Value& other)
{
    rep().q += other.rep().q;
    return *this;
}
Value& Value::operator-=(const Value& other)
{
    rep().q -= other.rep().q;
    return *this;
}
Value& Value::operator*=(const Value& other)
{
    rep().q *= other.rep().q;
    return *this;
}
Value& Value::operator/=(const Value& other)
{
    if (other.sign() == 0)
        throw std::domain_error("division by zero");
    rep().q /= other.rep().q;
    return *this;
}

bool Value::isInteger() const
{
    return rep().q.get_den() == 1;
}
int Value::sign() const
{
    return sgn(rep().q);
}
std::optional<std::pair<std::int64_t, std::int64_t>> Value::terms() const
{
    const mpq_class& q = rep().q;
    if (!mpz_fits_slong_p(q.get_num_mpz_t()) || !mpz_fits_slong_p(q.get_den_mpz_t()))
        return std::nullopt;
    return std::pair<std::int64_t, std::int64_t>{mpz_get_si(q.get_num_mpz_t()), mpz_get_si(q.get_den_mpz_t())};
}

std::string Value::written(Notation notation) const
{
    return detail::written(rep().q, notation);
}

namespace detail {

std::size_t digitsOf(const mpz_class& z)
{
    // mpz_sizeinbase may say one digit too many: count exactly where that could matter.
    const std::size_t estimate = mpz_sizeinbase(z.get_mpz_t(), 10);
    return estimate == kMaxDigits + 1 ? mpz_class(abs(z)).get_str().size() : estimate;
}

bool tooBig(const mpq_class& q)
{
    return digitsOf(q.get_num()) > kMaxDigits || digitsOf(q.get_den()) > kMaxDigits;
}

std::string written(const mpq_class& q, Notation notation)
{
    if (q.get_den() == 1) {
        if (mpz_fits_slong_p(q.get_num_mpz_t()))
            return std::to_string(mpz_get_si(q.get_num_mpz_t()));  // without GMP's own buffer
        return q.get_num().get_str();
    }
    if (notation == Notation::Fractions)
        return q.get_num().get_str() + '/' + q.get_den().get_str();
    // A finite decimal has a denominator 2^a 5^b; it needs max(a, b) decimals.
    mpz_class rest = q.get_den();
    unsigned twos = 0, fives = 0;
    while (twos <= kMaxWrittenDecimals && mpz_divisible_ui_p(rest.get_mpz_t(), 2)) {
        rest /= 2;
        ++twos;
    }
    while (fives <= kMaxWrittenDecimals && mpz_divisible_ui_p(rest.get_mpz_t(), 5)) {
        rest /= 5;
        ++fives;
    }
    const unsigned decimals = std::max(twos, fives);
    if (rest != 1 || decimals > kMaxWrittenDecimals)
        return q.get_num().get_str() + '/' + q.get_den().get_str();
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, decimals);
    const mpz_class scaled = abs(q.get_num()) * scale / q.get_den();
    std::string digits = scaled.get_str();
    if (digits.size() <= decimals)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - decimals, 1, ',');
    return (sgn(q) < 0 ? "-" : "") + digits;
}

}  // namespace detail

}  // namespace quintavia::arithmetic
