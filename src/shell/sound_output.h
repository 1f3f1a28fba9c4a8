// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

namespace quintavia {

// Where a sound image goes. The real output plays it through the audio device; tests record it.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts playing a complete RIFF WAVE image and returns at once, cutting off any sound still
    // playing. Must do nothing, silently, when the image cannot be played.
    virtual void play(int number, const QByteArray& wavImage) = 0;
};

}  // namespace quintavia
