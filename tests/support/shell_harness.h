// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "fake_sound_output.h"
#include "scripted_dialogs.h"
#include "shell/sound_player.h"
#include "shell/window_registry.h"
#include "test_main.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
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

// What a window needs from the shell, with fakes for sound and dialogs; no window factories.
struct ShellHarness {
    ShellHarness();
    ~ShellHarness();

    // The program's settings (the dialogs' last folders) live here, never in the user's own.
    QTemporaryDir settingsFolder;
    // The user's own data (the pupil's record without a class folder) lives here.
    QTemporaryDir dataFolder;

    FakeSoundOutput sound;
    SoundPlayer player{sound};
    ScriptedDialogs dialogs;
    WindowRegistry registry{player, dialogs};
    int endProgramCalls = 0;
    ModalWatchdog watchdog;
};

}  // namespace quintavia::test
