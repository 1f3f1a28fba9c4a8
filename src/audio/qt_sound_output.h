// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/sound_output.h"

#include <QBuffer>
#include <QObject>
#include <memory>

class QAudioSink;
class QMediaDevices;

namespace quintavia {

// Plays 8-bit mono PCM WAVE images from memory through the default audio output, converted to the
// device's own format when it cannot take them as they are. Without an audio device or sound
// server it plays nothing and says nothing.
class QtSoundOutput final : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    void play(int number, const QByteArray& wavImage) override;

private:
    void stop();

    std::unique_ptr<QMediaDevices> m_devices;
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
    QByteArray m_samples;
};

}  // namespace quintavia
