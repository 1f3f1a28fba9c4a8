// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/common_dialog.h"

#include "shell/dialogs.h"

#include <QStringList>

namespace quintavia {

QString toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

bool CommonDialog::showOpen(QWidget* parent, const QString& filter)
{
    const auto chosen = m_dialogs.openFile(parent, filter, m_fileName, startFolder(m_use));
    if (!chosen)
        return false;
    m_fileName = *chosen;
    rememberFolder(m_use, m_fileName);
    return true;
}

bool CommonDialog::showSave(QWidget* parent, const QString& filter)
{
    const auto chosen = m_dialogs.saveFile(parent, filter, m_fileName, startFolder(m_use));
    if (!chosen)
        return false;
    m_fileName = *chosen;
    rememberFolder(m_use, m_fileName);
    return true;
}

bool CommonDialog::showColor(QWidget* parent)
{
    const auto chosen = m_dialogs.chooseColor(parent, m_color);
    if (!chosen)
        return false;
    m_color = *chosen;
    return true;
}

}  // namespace quintavia
