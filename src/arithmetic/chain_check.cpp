// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/chain_check.h"

namespace quintavia::arithmetic {

std::string LineVerdict::message() const
{
    switch (status) {
    case Status::Slip:
        return "vale " + value.written(notation) + ", ma la riga " + std::to_string(previousLine) + " vale "
               + previousValue.written(notation);
    case Status::Unreadable: return problem.message;
    default: return {};
    }
}

std::vector<LineVerdict> checkChain(const std::vector<Line>& lines)
{
    std::vector<LineVerdict> verdicts;
    verdicts.reserve(lines.size());  // `previous` points into it
    int previousLine = 0;
    const Value* previous = nullptr;
    std::optional<Notation> notation;  // the expression's: the first line with digits
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Reading reading = readLine(lines[i]);
        if (!notation && reading.kind != Reading::Kind::Text)
            notation = reading.notation;
        LineVerdict& verdict = verdicts.emplace_back();
        verdict.notation = notation.value_or(Notation::Decimals);
        switch (reading.kind) {
        case Reading::Kind::Text: break;
        case Reading::Kind::Faulty:
            verdict.status = LineVerdict::Status::Unreadable;
            verdict.problem = std::move(reading.problem);
            break;
        case Reading::Kind::Valued:
            verdict.status = previousLine == 0 || reading.value == *previous ? LineVerdict::Status::Right
                                                                             : LineVerdict::Status::Slip;
            if (verdict.status == LineVerdict::Status::Slip) {
                verdict.previousLine = previousLine;
                verdict.previousValue = *previous;
            }
            verdict.value = std::move(reading.value);
            previous = &verdict.value;
            previousLine = int(i) + 1;
            break;
        }
    }
    return verdicts;
}

std::optional<std::size_t> firstFlagged(const std::vector<LineVerdict>& verdicts)
{
    for (std::size_t i = 0; i < verdicts.size(); ++i)
        if (verdicts[i].flagged())
            return i;
    return std::nullopt;
}

}  // namespace quintavia::arithmetic
