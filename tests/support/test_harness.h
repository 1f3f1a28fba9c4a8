#pragma once
#include "fake_sound_output.h"
#include "scripted_dialogs.h"
#include "shell/sound_player.h"
#include "shell/window_registry.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace quintavia::test {

// Catches modal dialogs that a test did not expect (real Qt dialogs that slipped past the seam):
// it closes them so the test cannot hang, and remembers their titles for the test to fail on.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    QStringList seen;

private:
    void check();
    QTimer m_timer;
};

// Everything a window needs, with fakes for sound and dialogs and all four window factories set.
struct Harness {
    Harness();
    ~Harness();

    FakeSoundOutput sound;
    SoundPlayer player{sound};
    ScriptedDialogs dialogs;
    WindowRegistry registry{player, dialogs};
    int endProgramCalls = 0;
    ModalWatchdog watchdog;
};

// Makes the offscreen platform the default (before QApplication exists) and resets the sound switch.
void prepareTestEnvironment();

}  // namespace quintavia::test

// Like QTEST_MAIN, with the offscreen platform unless another is set.
#define QUINTAVIA_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        quintavia::test::prepareTestEnvironment();                                                 \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
