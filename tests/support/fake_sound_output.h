// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/sound_output.h"

#include <QList>

namespace quintavia::test {

// Records every sound started. Like the real output, only one sound plays at a time.
class FakeSoundOutput final : public SoundOutput {
public:
    void play(int number, const QByteArray& wavImage) override
    {
        if (playing != 0)
            ++cutOff;
        played.append(number);
        playing = number;
        lastImage = wavImage;
    }
    QList<int> takePlayed()
    {
        QList<int> taken = played;
        played.clear();
        return taken;
    }

    QList<int> played;
    int playing = 0;  // the sound now playing, 0 for none
    int cutOff = 0;   // how many sounds a later one cut off
    QByteArray lastImage;  // as the output was given it
};

}  // namespace quintavia::test
