// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the RTF reader alone: no crash, no hang, and a refusal always says why. What
// the reader accepts is saved and reopened by the round-trip target.
#include "document/rtf_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const quintavia::rtf::ReadResult result = quintavia::rtf::read(QByteArrayView(data, qsizetype(size)));
    if (!result.ok() && result.error.isEmpty()) {
        std::fputs("refused without a reason\n", stderr);
        std::abort();
    }
    return 0;
}
