// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt_sound_output.h"

#include "shell/wave_image.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace quintavia {

// Nothing is set up here: the sound system is reached on the first sound, not before the first
// window shows.
QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput()
{
    stop();
}

void QtSoundOutput::stop()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    if (m_buffer.isOpen())
        m_buffer.close();
}

void QtSoundOutput::play(int /*number*/, const QByteArray& wavImage)
{
    stop();  // a new sound cuts off the one still playing
    const auto wave = parseWave(wavImage);
    if (!wave || wave->formatTag != 1 || wave->channels != 1 || wave->bitsPerSample != 8)
        return;
    if (!m_devices)
        m_devices = std::make_unique<QMediaDevices>();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(wave->sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    if (format.sampleFormat() != QAudioFormat::UInt8 || format.channelCount() != 1)
        return;  // the device cannot take our samples as they are; stay silent rather than noisy

    m_samples = wave->samples.toByteArray();
    m_buffer.setData(m_samples);
    if (!m_buffer.open(QIODevice::ReadOnly))
        return;
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
}

}  // namespace quintavia
