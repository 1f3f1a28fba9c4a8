// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/reader.h"

#include "arithmetic/syntax.h"

namespace quintavia::arithmetic {

using namespace detail;

Reading readLine(const Line& line)
{
    Reading reading;
    try {
        const ParsedLine parsed = parseLine(line);
        if (parsed.members.empty())
            return reading;
        mpq_class first;
        evaluate(parsed.tree, parsed.members.front(), first);
        for (std::size_t i = 1; i < parsed.members.size(); ++i) {
            mpq_class other;
            evaluate(parsed.tree, parsed.members[i], other);
            if (other != first)
                throw Failure{
                    Problem{parsed.equalsColumns[i - 1],
                            "dopo l'uguale vale " + written(other) + ", ma prima vale " + written(first)}};
        }
        reading.kind = Reading::Kind::Valued;
        reading.value = makeValue(std::move(first));
    } catch (const Failure& failure) {
        reading.kind = Reading::Kind::Faulty;
        reading.problem = failure.problem;
    }
    return reading;
}

}  // namespace quintavia::arithmetic
