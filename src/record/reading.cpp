// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/reading.h"

#include "record/database.h"
#include "record/pupil_name.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>

namespace quintavia::record {

namespace {

QString readExercises(Connection& db, PupilHistory& history)
{
    QSqlQuery query(db.database());
    query.setForwardOnly(true);
    QString problem = db.run(query, QStringLiteral("SELECT value FROM info WHERE key = ?"), {QStringLiteral("alunno")});
    if (problem.isEmpty() && query.next())
        history.pupil = query.value(0).toString();
    if (history.pupil.isEmpty())
        history.pupil = QFileInfo(history.path).completeBaseName();

    QHash<qint64, std::size_t> byId;
    problem = db.run(query, QStringLiteral("SELECT id, started, ended, file, lines_hash, expression, level, theme, seed"
                                           " FROM exercise ORDER BY started, id"));
    while (problem.isEmpty() && query.next()) {
        ExerciseRecord exercise;
        exercise.started = query.value(1).toLongLong();
        if (!query.isNull(2))
            exercise.ended = query.value(2).toLongLong();
        exercise.info.file = query.value(3).toString();
        exercise.info.linesHash = query.value(4).toString();
        exercise.info.expression = query.value(5).toString();
        exercise.info.level = query.value(6).toInt();
        exercise.info.theme = query.value(7).toString();
        bool ok = false;
        const quint64 seed = query.value(8).toString().toULongLong(&ok);
        if (ok)
            exercise.info.seed = seed;
        byId.insert(query.value(0).toLongLong(), history.exercises.size());
        history.exercises.push_back(std::move(exercise));
    }
    if (!problem.isEmpty())
        return problem;
    problem = db.run(query, QStringLiteral("SELECT exercise, at, kind, answer, verdict, category FROM event ORDER BY id"));
    while (problem.isEmpty() && query.next()) {
        const auto found = byId.constFind(query.value(0).toLongLong());
        if (found == byId.constEnd())
            continue;
        Event event;
        event.at = query.value(1).toLongLong();
        event.kind = query.value(2).toString() == QLatin1String("aiuto") ? Event::Kind::Help : Event::Kind::Answer;
        event.text = query.value(3).toString();
        event.verdict = query.value(4).toString();
        event.category = query.value(5).toString();
        history.exercises[*found].events.push_back(std::move(event));
    }
    return problem;
}

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
    Connection db(path, true);
    QString problem = db.open();
    PupilHistory history{{}, path, {}};
    if (problem.isEmpty())
        problem = readExercises(db, history);
    if (!problem.isEmpty())
        return {std::nullopt, problem};
    return {std::move(history), {}};
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
