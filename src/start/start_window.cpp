// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/start_window.h"

#include "shell/sound_player.h"
#include "shell/sound_switch.h"
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "start/info_window.h"
#include "ui/start_layout.h"
#include "ui/window_builder.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace quintavia {

namespace {

// The home window: opens the working windows and the about window, switches the sounds off and
// on, and is the only way out of the program. Hidden, never destroyed, while a working window
// is open, so the switch keeps its state for the whole run.
class StartWindow final : public QWidget {
    Q_OBJECT

public:
    explicit StartWindow(WindowRegistry& registry) : m_registry(registry)
    {
        prepareWindow(this);
        const ui::StartControls controls = ui::buildStartWindow(this);
        controls.version->setText(versionText());

        connect(controls.solver, &QAbstractButton::clicked, this,
                [this] { openWorkingWindow(WindowKind::Solver); });
        connect(controls.editor, &QAbstractButton::clicked, this,
                [this] { openWorkingWindow(WindowKind::Editor); });
        connect(controls.info, &QAbstractButton::clicked, this, [this] { openInfo(); });
        connect(controls.exit, &QAbstractButton::clicked, this, [this] {
            m_registry.sound().play(Sound::Tick);
            m_registry.endProgram();
        });
        QAbstractButton* sound = controls.sound;
        sound->setChecked(!soundsOn());
        connect(sound, &QAbstractButton::clicked, this, [this, sound] { toggleSound(sound); });
        // These take the keyboard focus when the pointer moves over them.
        for (QAbstractButton* w : {controls.solver, controls.editor, controls.info, controls.exit, sound}) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
        }
        ui::centreOn(this, nullptr);
    }

    static QString versionText()
    {
        return QStringLiteral("%1.%2").arg(QUINTAVIA_VERSION_MAJOR).arg(QUINTAVIA_VERSION_MINOR);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove: static_cast<QWidget*>(watched)->setFocus(Qt::MouseFocusReason); break;
        case QEvent::MouseButtonPress: closeInfo(); break;
        default: break;
        }
        return QWidget::eventFilter(watched, event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        closeInfo();
        QWidget::mousePressEvent(event);
    }

private:
    // A click on this window takes the activation from the about window, which then closes.
    // Where the platform does not move the activation on a click, close it here all the same.
    void closeInfo()
    {
        if (auto* info = qobject_cast<InfoWindow*>(m_registry.find(WindowKind::Info));
            info && info->isVisible())
            info->dismiss();
    }

    void openWorkingWindow(WindowKind kind)
    {
        m_registry.sound().play(Sound::Whoosh);
        // A click queued behind this one may already have left for a working window.
        if (!isVisible())
            return;
        QWidget* window = m_registry.load(kind);
        if (!window)
            return;
        window->show();
        hide();
    }

    void openInfo()
    {
        m_registry.sound().play(Sound::Whoosh);
        QWidget* info = m_registry.load(WindowKind::Info);
        if (!info)
            return;
        info->show();
        info->activateWindow();
    }

    void toggleSound(QAbstractButton* check)
    {
        soundSwitch() = soundsOn() ? 1 : 0;
        check->setChecked(!soundsOn());
        if (soundsOn())
            m_registry.sound().play(Sound::Click);
    }

    WindowRegistry& m_registry;
};

}  // namespace

QWidget* createStartWindow(WindowRegistry& registry)
{
    return new StartWindow(registry);
}

}  // namespace quintavia

#include "start_window.moc"
