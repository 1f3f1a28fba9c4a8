// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

namespace quintavia {

class SoundOutput;

// The program's eight sounds, by their resource numbers.
enum class Sound {
    Fanfare = 101,  // the exercise is over, with few helps
    Click = 102,    // a keypad key, Aiuto, sounds turned on again
    Buzz = 103,     // a wrong step
    Chime = 104,    // a right step, a recorded step, the end after many helps
    Unused105 = 105,
    Whoosh = 106,  // a working window or the about window opens
    Tick = 107,    // every other command button
    Unused108 = 108,
};

// Plays the program's sounds. Every call is guarded by the sound switch, so no caller can forget
// to ask whether sounds are on.
class SoundPlayer {
public:
    explicit SoundPlayer(SoundOutput& output);

    // When sounds are on: reads the sound's resource afresh, starts it (cutting off the one
    // still playing), keeps its image as the last one, and then processes pending events once,
    // so a click already queued may run before the caller goes on.
    void play(Sound sound);

    // The bytes of sound resource `number`, or an empty array for an unknown number.
    static QByteArray resource(int number);

private:
    SoundOutput& m_output;
    QByteArray m_buffer;  // the image playing: the output may read it until the next replaces it
};

}  // namespace quintavia
