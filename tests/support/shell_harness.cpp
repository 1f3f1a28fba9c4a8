// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell_harness.h"

#include <QSettings>

#include "shell/class_folder.h"
#include "shell/sound_switch.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace quintavia::test {

ModalWatchdog::ModalWatchdog()
{
    m_timer.setInterval(50);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { check(); });
    m_timer.start();
}

void ModalWatchdog::check()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    seen.append(modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

ShellHarness::ShellHarness()
{
    soundSwitch().reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    // The account's own record, too.
    qputenv("XDG_DATA_HOME", dataFolder.path().toLocal8Bit());
    setClassFolderForThisRun(QString());
    registry.setEndProgram([this] { ++endProgramCalls; });
}

ShellHarness::~ShellHarness()
{
    soundSwitch().reset();
}

}  // namespace quintavia::test
