// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QString>

#include "shell/folder_memory.h"

class QWidget;

namespace quintavia {

class Dialogs;

// One window's file and colour dialog. Like the window it belongs to, it remembers the last file
// name and the last colour from one use to the next, and forgets them when the window goes.
class CommonDialog {
public:
    // The open and save dialogs start where the last ones of `use` were confirmed (folder_memory.h).
    explicit CommonDialog(Dialogs& dialogs, FolderUse use = FolderUse::Teacher)
        : m_dialogs(dialogs), m_use(use)
    {
    }

    // Each returns true when the user confirmed; fileName() / color() then hold the choice.
    // A cancelled dialog leaves them as they were.
    bool showOpen(QWidget* parent, const QString& filter);
    bool showSave(QWidget* parent, const QString& filter);
    bool showColor(QWidget* parent);

    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }
    QColor color() const { return m_color; }

    Dialogs& dialogs() { return m_dialogs; }

private:
    Dialogs& m_dialogs;
    FolderUse m_use;
    QString m_fileName;
    QColor m_color = Qt::black;
};

}  // namespace quintavia
