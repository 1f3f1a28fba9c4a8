// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/class_folder.h"

#include <QSettings>

namespace quintavia {

namespace {

const QString kKey = QStringLiteral("classe/cartella");

QString& folderForThisRun()
{
    static QString folder;
    return folder;
}

QSettings settings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Quintavia"), QStringLiteral("Quintavia"));
}

}  // namespace

QString classFolder()
{
    return folderForThisRun().isEmpty() ? classFolderSetting() : folderForThisRun();
}

void setClassFolderForThisRun(const QString& folder)
{
    folderForThisRun() = folder;
}

QString classFolderSetting()
{
    return settings().value(kKey).toString();
}

void setClassFolderSetting(const QString& folder)
{
    settings().setValue(kKey, folder);
}

}  // namespace quintavia
