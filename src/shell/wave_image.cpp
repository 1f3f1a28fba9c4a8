// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/wave_image.h"

#include <QtEndian>

namespace quintavia {

namespace {

quint32 u32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}
quint16 u16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

}  // namespace

std::optional<WaveImage> parseWave(QByteArrayView image)
{
    if (image.size() < 12 || image.first(4) != "RIFF" || image.sliced(8, 4) != "WAVE")
        return std::nullopt;
    WaveImage wave;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const QByteArrayView id = image.sliced(at, 4);
        const qsizetype size = u32(image, at + 4);
        const qsizetype body = at + 8;
        if (size > image.size() - body)
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wave.formatTag = u16(image, body);
            wave.channels = u16(image, body + 2);
            wave.sampleRate = static_cast<int>(u32(image, body + 4));
            wave.blockAlign = u16(image, body + 12);
            wave.bitsPerSample = u16(image, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            wave.samples = image.sliced(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    return wave;
}

}  // namespace quintavia
