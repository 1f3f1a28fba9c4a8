// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/wave_image.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

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

namespace {

// One sample in -1 .. 1 written in the device's format, machine byte order.
void writeSample(char* out, double value, PcmFormat::Sample format)
{
    const auto scaled
        = [value](double full) { return std::lround(std::clamp(value * full, -full - 1, full)); };
    switch (format) {
    case PcmFormat::Sample::UInt8: {
        const quint8 v = static_cast<quint8>(scaled(127) + 128);
        std::memcpy(out, &v, 1);
        break;
    }
    case PcmFormat::Sample::Int16: {
        const qint16 v = static_cast<qint16>(scaled(32767));
        std::memcpy(out, &v, 2);
        break;
    }
    case PcmFormat::Sample::Int32: {
        const qint32 v = static_cast<qint32>(scaled(2147483647.0));
        std::memcpy(out, &v, 4);
        break;
    }
    case PcmFormat::Sample::Float: {
        const float v = static_cast<float>(value);
        std::memcpy(out, &v, 4);
        break;
    }
    }
}

}  // namespace

QByteArray convertSamples(QByteArrayView unsignedMono8, int sampleRate, const PcmFormat& to)
{
    if (sampleRate <= 0 || to.sampleRate <= 0 || to.channels <= 0)
        return {};
    const qsizetype in = unsignedMono8.size();
    const auto at = [&](qsizetype i) {
        // 128 is silence; 127 either side is full scale, as our sounds are made.
        return (static_cast<quint8>(unsignedMono8[qBound<qsizetype>(0, i, in - 1)]) - 128) / 127.0;
    };
    const qsizetype frames
        = in == 0 ? 0 : qMax<qsizetype>(1, std::llround(double(in) * to.sampleRate / sampleRate));
    const int frameBytes = to.channels * to.bytesPerSample();
    QByteArray out(frames * frameBytes, Qt::Uninitialized);
    for (qsizetype f = 0; f < frames; ++f) {
        const double position = double(f) * sampleRate / to.sampleRate;
        const auto whole = static_cast<qsizetype>(position);
        const double part = position - double(whole);
        const double value = at(whole) + (at(whole + 1) - at(whole)) * part;
        char* frame = out.data() + f * frameBytes;
        for (int c = 0; c < to.channels; ++c)
            writeSample(frame + c * to.bytesPerSample(), value, to.sample);
    }
    return out;
}

}  // namespace quintavia
