// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_player.h"

#include "shell/sound_output.h"
#include "shell/sound_switch.h"

#include <QCoreApplication>
#include <QFile>

namespace quintavia {

SoundPlayer::SoundPlayer(SoundOutput& output) : m_output(output) { }

QByteArray SoundPlayer::resource(int number)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void SoundPlayer::play(Sound sound)
{
    if (!soundsOn())
        return;
    const int number = static_cast<int>(sound);
    QByteArray image = resource(number);
    m_output.play(number, image);
    // The output may still read the previous image until the new one has replaced it.
    m_buffer = std::move(image);
    QCoreApplication::processEvents();
}

}  // namespace quintavia
