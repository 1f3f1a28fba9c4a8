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

}  // namespace quintavia
