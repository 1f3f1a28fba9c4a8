// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/deferred_sound_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLibrary>
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
    QStringList errors;
    for (const QString& path : paths) {
        QLibrary module(path);
        // Never unloaded: the output it makes lives until the program ends.
        if (auto make = reinterpret_cast<Make>(module.resolve("quintavia_make_sound_output")))
            return std::unique_ptr<SoundOutput>(make());
        errors << module.errorString();
    }
    qWarning("quintavia: suoni non disponibili: %s", qUtf8Printable(errors.join(QStringLiteral("; "))));
    return nullptr;
}

std::unique_ptr<SoundOutput> loadSoundModule()
{
    const QString here = QCoreApplication::applicationDirPath();
    return loadSoundModule({here + QStringLiteral("/quintavia-sound.so"),
                            QDir::cleanPath(here + QStringLiteral("/" QUINTAVIA_MODULE_DIR "/quintavia-sound.so"))});
}

}  // namespace quintavia
