// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/deferred_sound_output.h"

#include "shell/program_module.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quintavia {

DeferredSoundOutput::DeferredSoundOutput(Factory make) : m_make(std::move(make)) { }

DeferredSoundOutput::~DeferredSoundOutput() = default;

void DeferredSoundOutput::preload()
{
    if (m_made)
        return;
    m_made = true;
    if (m_make)
        m_output = m_make();
}

void DeferredSoundOutput::play(int number, const QByteArray& wavImage)
{
    preload();
    if (m_output)
        m_output->play(number, wavImage);
}

namespace {

class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QWidget* window, DeferredSoundOutput& output) : QObject(window), m_output(output)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the painted window reaches the screen before the module loads.
            QTimer::singleShot(0, parent(), [&output = m_output] { output.preload(); });
            deleteLater();
        }
        return false;
    }

private:
    DeferredSoundOutput& m_output;
};

}  // namespace

void DeferredSoundOutput::preloadAfterFirstPaint(QWidget* window)
{
    new FirstPaintWatcher(window, *this);
}

std::unique_ptr<SoundOutput> loadSoundModule(const QStringList& paths)
{
    using Make = SoundOutput* (*)();
    QString why;
    if (auto make = reinterpret_cast<Make>(resolveModuleFunction(paths, "quintavia_make_sound_output", &why)))
        return std::unique_ptr<SoundOutput>(make());
    qWarning("quintavia: suoni non disponibili: %s", qUtf8Printable(why));
    return nullptr;
}

std::unique_ptr<SoundOutput> loadSoundModule()
{
    return loadSoundModule(programModulePaths(QStringLiteral("quintavia-sound.so")));
}

}  // namespace quintavia
