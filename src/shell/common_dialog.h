// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QString>

class QWidget;

namespace quintavia {

class Dialogs;

// One window's file and colour dialog. Like the window it belongs to, it remembers the last file
// name and the last colour from one use to the next, and forgets them when the window goes.
class CommonDialog {
public:
    explicit CommonDialog(Dialogs& dialogs) : m_dialogs(dialogs) { }

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
    QString m_fileName;
    QColor m_color = Qt::black;
};

}  // namespace quintavia
