// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/reader.h"

#include "arithmetic/syntax.h"

namespace quintavia::arithmetic {

using namespace detail;

Reading detail::readParsed(const Line& line, bool keepText, ParsedLine& parsed)
{
    Reading reading;
    reading.notation = notationOf(line);
    try {
        parseLine(line, keepText, parsed);
        if (parsed.members.empty())
            return reading;
        mpq_class& first = reading.value.rep().q;  // computed where it is kept
        evaluate(parsed.tree, parsed.members.front(), first);
        for (std::size_t i = 1; i < parsed.members.size(); ++i) {
            mpq_class other;
            evaluate(parsed.tree, parsed.members[i], other);
            if (other != first)
                throw Failure{
                    Problem{parsed.equalsColumns[i - 1],
                            "dopo l'uguale vale " + written(other, reading.notation) + ", ma prima vale "
                                + written(first, reading.notation)}};
        }
        reading.kind = Reading::Kind::Valued;
    } catch (const Failure& failure) {
        reading.kind = Reading::Kind::Faulty;
        reading.value = Value();
        reading.problem = failure.problem;
    }
    return reading;
}

Notation notationOf(const Line& line)
{
    bool bar = false;
    for (const Char& c : line) {
        if (c.raised)
            continue;
        if (c.code == U',')
            return Notation::Decimals;
        bar = bar || c.code == U'/';
    }
    return bar ? Notation::Fractions : Notation::Decimals;
}

Reading readLine(const Line& line)
{
    // Kept from line to line, so that a chain is read without allocating a tree for each line.
    thread_local ParsedLine parsed;
    Reading reading = readParsed(line, false, parsed);
    parsed.tree.values.clear();  // big numbers are not kept
    if (parsed.tree.nodes.capacity() > 4096)
        parsed = {};  // a very long line leaves no large buffers behind
    return reading;
}

}  // namespace quintavia::arithmetic
