// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/reading.h"

#include "record/pupil_name.h"
#include "record/store.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

namespace quintavia::record {

namespace {

QStringList recordFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList paths;
    for (const QString& name :
         dir.entryList({QStringLiteral("*") + QLatin1String(kRecordSuffix)}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

}  // namespace

RecordRead readRecord(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {std::nullopt, QStringLiteral("il file non c'è")};
    QString problem;
    Store* kept = store(problem);
    return kept ? kept->read(path) : RecordRead{std::nullopt, problem};
}

ClassRecords readFolder(const QString& folder)
{
    ClassRecords records;
    if (!QFileInfo(folder).isDir()) {
        records.problems << QStringLiteral("%1: la cartella non c'è").arg(folder);
        return records;
    }
    for (const QString& path : recordFiles(folder)) {
        RecordRead read = readRecord(path);
        if (read.history)
            records.pupils.push_back(std::move(*read.history));
        else
            records.problems << QStringLiteral("%1: %2").arg(path, read.problem);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(records.pupils.begin(), records.pupils.end(),
                     [&](const PupilHistory& a, const PupilHistory& b) { return collator.compare(a.pupil, b.pupil) < 0; });
    return records;
}

QStringList pupilNames(const QString& folder, QStringList* problems)
{
    QStringList names;
    ClassRecords records = readFolder(folder);
    for (const PupilHistory& pupil : records.pupils)
        names << pupil.pupil;
    if (problems)
        *problems = records.problems;
    return names;
}

}  // namespace quintavia::record
