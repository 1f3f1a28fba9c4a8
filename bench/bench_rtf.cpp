// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing exercise documents of 1 KiB, 1 MiB and 10 MiB in the rich-edit style.
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// Steps with exponents, a colour and Italian letters, repeated up to the size asked for.
QByteArray exerciseOfSize(qsizetype size)
{
    QByteArray out(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Comic "
        "Sans MS;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs24 ");
    const QByteArray lines[] = {
        "[(3\\up8\\b\\fs16 2\\up0\\b0\\fs24  + 4) \\'b7 2 - 5] : 7 = \\par\r\n",
        "\\cf1 = [(9 + 4) \\'b7 2 - 5] : 7 = \\cf0\\par\r\n",
        "= [13 \\'b7 2 - 5] : 7 \\'e8 giusto = \\par\r\n",
        "= 21 : 7 = 3\\up8\\b\\fs16 1\\up0\\b0\\fs24\\par\r\n",
    };
    for (int i = 0; out.size() < size - 3; ++i)
        out.append(lines[i % 4]);
    out.append("}\r\n");
    return out;
}

// What a large exercise really holds: a few lines and a big picture that the reader skips.
QByteArray pictureOfSize(qsizetype size)
{
    QByteArray out("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}}"
                   "\\viewkind4\\uc1\\pard\\f0\\fs24 3\\up8\\b\\fs16 2\\up0\\b0\\fs24 +4\\par\r\n"
                   "{\\pict\\pngblip\\picw100\\pich100\r\n");
    while (out.size() < size - 40)
        out.append("89504e470d0a1a0a0000000d4948445200000064000000640806000000\r\n");
    out.append("}= 13\\par\r\n}\r\n");
    return out;
}

// Long lines of text, so the cost is in reading rather than in building blocks.
QByteArray longLinesOfSize(qsizetype size)
{
    QByteArray out("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}}"
                   "\\viewkind4\\uc1\\pard\\f0\\fs24 ");
    const qsizetype line = size / 20;
    while (out.size() < size - 64) {
        const qsizetype end = std::min(out.size() + line, size - 64);
        while (out.size() < end)
            out.append("(3 + 4) \\'b7 2 - 5 : 7 ");
        out.append("\\par\r\n");
    }
    out.append("}\r\n");
    return out;
}

void readBytes(benchmark::State& state, const QByteArray& bytes)
{
    for (auto _ : state) {
        const quintavia::rtf::ReadResult result = quintavia::rtf::read(bytes);
        if (!result.ok())
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(result.document.get());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void readPicture(benchmark::State& state)
{
    readBytes(state, pictureOfSize(state.range(0)));
}

void readLongLines(benchmark::State& state)
{
    readBytes(state, longLinesOfSize(state.range(0)));
}

void readDocument(benchmark::State& state)
{
    readBytes(state, exerciseOfSize(state.range(0)));
}

void writeDocument(benchmark::State& state)
{
    const quintavia::rtf::ReadResult result = quintavia::rtf::read(exerciseOfSize(state.range(0)));
    qsizetype written = 0;
    for (auto _ : state) {
        const QByteArray bytes = quintavia::rtf::write(*result.document);
        written = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * written);
}

}  // namespace

BENCHMARK(readDocument)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(readPicture)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(readLongLines)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(writeDocument)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
