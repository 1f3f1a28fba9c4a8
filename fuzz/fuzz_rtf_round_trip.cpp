// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for a save and a reopen: whatever the reader accepts, written by our writer and
// read again, must give the same lines with the same raised and coloured runs and the same document
// information, and saved again the very same file.
#include "document/char_format.h"
#include "document/document_info.h"
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"

#include <QTextBlock>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// One run of characters that look alike: the text, its colour (0 for none) and its raise.
struct Run {
    QString text;
    QRgb colour;
    int raise;
    bool operator==(const Run&) const = default;
};

// The document's lines as runs, neighbours that look alike joined.
QList<QList<Run>> runsOf(const QTextDocument& document)
{
    QList<QList<Run>> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QList<Run> line;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QRgb colour
                = format.foreground().style() != Qt::NoBrush ? format.foreground().color().rgb() : 0;
            const Run run{it.fragment().text(), colour, quintavia::raiseOf(format)};
            if (!line.isEmpty() && line.last().colour == run.colour && line.last().raise == run.raise)
                line.last().text += run.text;
            else
                line.append(run);
        }
        lines.append(line);
    }
    return lines;
}

[[noreturn]] void fail(const char* what, qsizetype line)
{
    std::fprintf(stderr, "round trip changed %s (line %lld)\n", what, static_cast<long long>(line));
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quintavia;
    const rtf::ReadResult first = rtf::read(QByteArrayView(data, qsizetype(size)));
    if (!first.ok())
        return 0;
    const QByteArray written = rtf::write(*first.document);
    const rtf::ReadResult second = rtf::read(written);
    if (!second.ok()) {
        std::fprintf(stderr, "own file refused: %s\n", qPrintable(second.error));
        std::abort();
    }
    const QList<QList<Run>> before = runsOf(*first.document);
    const QList<QList<Run>> after = runsOf(*second.document);
    if (before.size() != after.size())
        fail("the number of lines", -1);
    for (qsizetype i = 0; i < before.size(); ++i) {
        QString textBefore, textAfter;
        for (const Run& r : before[i])
            textBefore += r.text;
        for (const Run& r : after[i])
            textAfter += r.text;
        if (textBefore != textAfter)
            fail("the text", i + 1);
        if (before[i] != after[i])
            fail("the raised or coloured runs", i + 1);
    }
    if (documentInfo(*second.document) != documentInfo(*first.document)) {
        std::fputs("round trip changed the document information\n", stderr);
        std::abort();
    }
    if (rtf::write(*second.document) != written) {
        std::fputs("saving the reopened file gave another file\n", stderr);
        std::abort();
    }
    return 0;
}
