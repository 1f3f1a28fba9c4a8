// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exercise_files.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace quintavia::cli {

namespace {

struct Walk {
    QDir root;
    QSet<QString> seenFolders;
    QSet<QString> seenFiles;
    QList<ExerciseFile> found;

    void folder(const QString& path)
    {
        if (seenFolders.contains(QFileInfo(path).canonicalFilePath()))
            return;
        seenFolders.insert(QFileInfo(path).canonicalFilePath());
        const QFileInfoList entries
            = QDir(path).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
        for (const QFileInfo& entry : entries) {
            if (entry.isDir()) {
                folder(entry.filePath());
            } else if (entry.suffix().compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0) {
                const QString canonical = entry.canonicalFilePath();
                if (canonical.isEmpty() || !seenFiles.contains(canonical)) {
                    seenFiles.insert(canonical);
                    found.append({entry.filePath(), root.relativeFilePath(entry.filePath())});
                }
            }
        }
    }
};

}  // namespace

QList<ExerciseFile> folderExercises(const QString& folder)
{
    Walk walk{QDir(folder), {}, {}, {}};
    walk.folder(QDir(folder).path());
    QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(walk.found.begin(), walk.found.end(), [&](const ExerciseFile& a, const ExerciseFile& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return walk.found;
}

QList<ExerciseFile> exerciseFiles(const QStringList& inputs)
{
    QList<ExerciseFile> files;
    for (const QString& input : inputs) {
        if (QFileInfo(input).isDir())
            files.append(folderExercises(input));
        else
            files.append({input, input});
    }
    return files;
}

}  // namespace quintavia::cli
