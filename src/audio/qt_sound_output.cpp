// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/qt_sound_output.h"

#include "audio/wave_image.h"

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

namespace {

// The device's format in our terms; nothing for a sample format we cannot write.
std::optional<PcmFormat> pcmFormatOf(const QAudioFormat& format)
{
    PcmFormat pcm;
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8: pcm.sample = PcmFormat::Sample::UInt8; break;
    case QAudioFormat::Int16: pcm.sample = PcmFormat::Sample::Int16; break;
    case QAudioFormat::Int32: pcm.sample = PcmFormat::Sample::Int32; break;
    case QAudioFormat::Float: pcm.sample = PcmFormat::Sample::Float; break;
    default: return std::nullopt;
    }
    pcm.channels = format.channelCount();
    pcm.sampleRate = format.sampleRate();
    if (pcm.channels <= 0 || pcm.sampleRate <= 0)
        return std::nullopt;
    return pcm;
}

}  // namespace

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
    // Devices that cannot take our samples as they are get them in their own format.
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    const auto pcm = pcmFormatOf(format);
    if (!pcm)
        return;
    m_samples = convertSamples(wave->samples, wave->sampleRate, *pcm);
    m_buffer.setData(m_samples);
    if (!m_buffer.open(QIODevice::ReadOnly))
        return;
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
}

}  // namespace quintavia
