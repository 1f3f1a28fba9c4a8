// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the RTF reader. Besides crashes and hangs it checks that whatever the reader
// accepts survives our own save: written and read again, it gives the same text and the same file.
#include "document/document_file.h"
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quintavia;
    const rtf::ReadResult first = rtf::read(QByteArrayView(data, qsizetype(size)));
    if (!first.ok()) {
        if (first.error.isEmpty()) {
            std::fputs("refused without a reason\n", stderr);
            std::abort();
        }
        return 0;
    }
    const QString text = plainText(*first.document);
    const QByteArray written = rtf::write(*first.document);
    const rtf::ReadResult second = rtf::read(written);
    if (!second.ok()) {
        std::fprintf(stderr, "own file refused: %s\n", qPrintable(second.error));
        std::abort();
    }
    if (plainText(*second.document) != text) {
        std::fputs("text changed by saving\n", stderr);
        std::abort();
    }
    if (rtf::write(*second.document) != written) {
        std::fputs("formats changed by saving\n", stderr);
        std::abort();
    }
    return 0;
}
