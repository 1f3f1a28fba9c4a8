// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the line reader. Bytes are plain notation (UTF-8, "^" before raised digits);
// a control byte switches raising on or off for what follows. Besides crashes and hangs it checks
// that every problem has a message and a column on the line, and that a value, written as the
// program writes it, reads back as the same value.
#include "arithmetic/arithmetic.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void failWith(const char* what)
{
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quintavia::arithmetic;
    Line line = plainLine(std::string_view(reinterpret_cast<const char*>(data), size));
    bool raised = false;
    Line mixed;
    for (const Char& c : line) {
        if (c.code < 0x20 && c.code != U'\t')
            raised = !raised;
        else
            mixed.push_back({c.code, c.raised || raised});
    }
    const Reading reading = readLine(mixed);
    switch (reading.kind) {
    case Reading::Kind::Faulty:
        if (reading.problem.message.empty())
            failWith("problem without a message");
        if (reading.problem.column < 1 || reading.problem.column > int(mixed.size()) + 1)
            failWith("problem outside the line");
        break;
    case Reading::Kind::Valued: {
        const Reading again = readLine(plainLine(reading.value.written(reading.notation)));
        if (again.kind != Reading::Kind::Valued || !(again.value == reading.value))
            failWith("written value reads differently");
        break;
    }
    case Reading::Kind::Text:
        for (const Char& c : mixed)
            if (c.code >= U'0' && c.code <= U'9')
                failWith("line with digits taken as text");
        break;
    }
    return 0;
}
