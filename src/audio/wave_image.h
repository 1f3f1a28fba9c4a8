// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace quintavia {

// What a RIFF WAVE image says about itself.
struct WaveImage {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    QByteArrayView samples;  // the data chunk, pointing into the image
};

// Reads the fmt and data chunks of a RIFF WAVE image; nothing when it is not one.
std::optional<WaveImage> parseWave(QByteArrayView image);

// What an audio device takes: sample format (in the machine's byte order), channels and rate.
struct PcmFormat {
    enum class Sample { UInt8, Int16, Int32, Float };
    Sample sample = Sample::UInt8;
    int channels = 1;
    int sampleRate = 0;
    int bytesPerSample() const { return sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4; }
};

// Our 8-bit mono samples at `sampleRate`, converted for a device that takes `to`: resampled
// (linear interpolation), copied to every channel, written in its sample format. Empty when
// either rate or the channel count is not positive.
QByteArray convertSamples(QByteArrayView unsignedMono8, int sampleRate, const PcmFormat& to);

}  // namespace quintavia
