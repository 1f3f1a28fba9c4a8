// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace quintavia::arithmetic {

// How values are written: as the exercise writes its numbers.
enum class Notation {
    Decimals,   // a decimal wherever one is exact ("2,5"), else a fraction ("7/3")
    Fractions,  // always a fraction or a whole number ("5/2"): the line has fraction bars, no comma
};

// An exact rational number. The rest of the program sees only this and its written form.
class Value {
public:
    Value();
    explicit Value(long integer);
    Value(const Value& other);
    Value(Value&& other) noexcept;
    Value& operator=(const Value& other);
    Value& operator=(Value&& other) noexcept;
    ~Value();

    bool operator==(const Value& other) const;
    std::strong_ordering operator<=>(const Value& other) const;

    // Exact arithmetic, as KCalc's KNumber has it, without the reader's size limit: combine() and
    // raise() keep that. A division by zero throws std::domain_error.
    Value operator-() const;
    Value& operator+=(const Value& other);
    Value& operator-=(const Value& other);
    Value& operator*=(const Value& other);
    Value& operator/=(const Value& other);
    friend Value operator+(Value left, const Value& right) { return left += right; }
    friend Value operator-(Value left, const Value& right) { return left -= right; }
    friend Value operator*(Value left, const Value& right) { return left *= right; }
    friend Value operator/(Value left, const Value& right) { return left /= right; }

    bool isInteger() const;
    int sign() const;  // -1, 0 or 1
    // Numerator and denominator (reduced, the denominator positive), when both fit 64 bits.
    std::optional<std::pair<std::int64_t, std::int64_t>> terms() const;
    // How the program writes a value: "-3", "2,5", "7/3"; "5/2" in fractions.
    std::string written(Notation notation = Notation::Decimals) const;

    struct Rep;  // defined where GMP is visible
    const Rep& rep() const;
    Rep& rep();

private:
    std::unique_ptr<Rep> m_rep;  // none for zero until it is written to: lines and verdicts hold many
};

}  // namespace quintavia::arithmetic
