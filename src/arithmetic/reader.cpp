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
        const mpq_class first = evaluate(*parsed.members.front());
        for (std::size_t i = 1; i < parsed.members.size(); ++i) {
            const mpq_class other = evaluate(*parsed.members[i]);
            if (other != first)
                throw Failure{
                    Problem{parsed.equalsColumns[i - 1],
                            "dopo l'uguale vale " + written(other) + ", ma prima vale " + written(first)}};
        }
        reading.kind = Reading::Kind::Valued;
        reading.value = makeValue(first);
    } catch (const Failure& failure) {
        reading.kind = Reading::Kind::Faulty;
        reading.problem = failure.problem;
    }
    return reading;
}

}  // namespace quintavia::arithmetic
