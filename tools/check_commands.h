// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>

#include <optional>

namespace quintavia::check {

// Runs --valore, --verifica or --passaggi when the arguments (program name excluded) ask for one;
// returns the exit status, or nothing when they ask for none of them.
std::optional<int> runArithmeticCommand(const QStringList& arguments);

}  // namespace quintavia::check
