#pragma once
#include <QByteArray>

namespace quintavia {

class SoundOutput;

// Plays the program's sounds 101 to 108. Every call is guarded by the sound switch, so no
// caller can forget to ask whether sounds are on.
class SoundPlayer {
public:
    explicit SoundPlayer(SoundOutput& output);

    // When sounds are on: reads sound resource `number` afresh, starts it (cutting off the one
    // still playing), keeps its image as the last one, and then processes pending events once,
    // so a click already queued may run before the caller goes on.
    void suona(int number);

    // The image of the last sound played (empty before the first).
    const QByteArray& lastImage() const { return m_buffer; }

    // The bytes of sound resource `number`, or an empty array for an unknown number.
    static QByteArray resource(int number);

private:
    SoundOutput& m_output;
    QByteArray m_buffer;
};

}  // namespace quintavia
