// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

namespace quintavia::arithmetic {

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
    bool isInteger() const;
    int sign() const;  // -1, 0 or 1
    // How the program writes a value everywhere: "-3", "2,5", "7/3".
    std::string written() const;

    struct Rep;  // defined where GMP is visible
    const Rep& rep() const;
    Rep& rep();

private:
    std::unique_ptr<Rep> m_rep;  // none for zero until it is written to: lines and verdicts hold many
};

}  // namespace quintavia::arithmetic
