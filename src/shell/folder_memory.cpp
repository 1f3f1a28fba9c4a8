// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/folder_memory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quintavia {

namespace {

QString key(FolderUse use)
{
    return use == FolderUse::Pupil ? QStringLiteral("dialogs/pupilFolder")
                                   : QStringLiteral("dialogs/teacherFolder");
}

QSettings settings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Quintavia"), QStringLiteral("Quintavia"));
}

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

}  // namespace

QString collectionFolder()
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                              + QStringLiteral("/" QUINTAVIA_COLLECTION_DIR));
    for (const QString& folder : {installed, QStringLiteral(QUINTAVIA_SOURCE_COLLECTION)}) {
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return {};
}

QString startFolder(FolderUse use)
{
    const QString last = settings().value(key(use)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    if (use == FolderUse::Pupil) {
        if (const QString collection = collectionFolder(); !collection.isEmpty())
            return collection;
    }
    return documentsFolder();
}

void rememberFolder(FolderUse use, const QString& chosenFile)
{
    settings().setValue(key(use), QFileInfo(chosenFile).absolutePath());
}

}  // namespace quintavia
