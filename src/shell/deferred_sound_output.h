// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/sound_output.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace quintavia {

// A sound output made only when it is first needed: at the first sound, or when preload() is
// called once the first window has painted. The sound system is the heaviest thing the program
// loads, and the first window does not need it.
class DeferredSoundOutput final : public SoundOutput {
public:
    using Factory = std::function<std::unique_ptr<SoundOutput>()>;
    explicit DeferredSoundOutput(Factory make);
    ~DeferredSoundOutput() override;

    void play(int number, const QByteArray& wavImage) override;
    // Makes the real output now (once); a factory that gives nothing leaves the program silent.
    void preload();
    // Preloads as soon as the event loop is idle after `window`'s first paint.
    void preloadAfterFirstPaint(QWidget* window);

private:
    Factory m_make;
    bool m_made = false;
    std::unique_ptr<SoundOutput> m_output;
};

// The real output from the module quintavia-sound, looked for beside the executable and then in
// the installed module folder; nothing (with one warning) when it cannot be loaded.
std::unique_ptr<SoundOutput> loadSoundModule();
std::unique_ptr<SoundOutput> loadSoundModule(const QStringList& paths);

}  // namespace quintavia
