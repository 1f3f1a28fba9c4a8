// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/sqlite_store.h"

#include "database/connection.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QThread>

namespace quintavia::record {

namespace {

// Tries of one write while another program holds the file longer than the busy timeout.
constexpr int kTries = 3;

// Qt binds a null string as NULL; the record's texts are never NULL, at most empty.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

class SqliteFile final : public RecordFile {
public:
    explicit SqliteFile(const QString& path) : m_db(path, false) {}

    QString open(const QString& pupil)
    {
        QString problem = m_db.open();
        for (int i = 1; i < kTries && m_db.wasBusy(); ++i)
            problem = m_db.open();
        if (!problem.isEmpty())
            return problem;
        QSqlQuery query(m_db.database());
        return m_db.run(query, QStringLiteral("INSERT OR IGNORE INTO info (key, value) VALUES ('alunno', ?)"), {pupil});
    }

    QString write(const Write& write, qint64& exerciseId) override
    {
        QString problem;
        for (int attempt = 0; attempt < kTries; ++attempt) {
            problem = writeOnce(write, exerciseId);
            if (problem.isEmpty())
                return {};
            const bool busy = m_db.wasBusy();
            m_db.rollback();
            if (!busy)
                break;
            QThread::msleep(50);
        }
        return problem;
    }

private:
    // The exercise's row the first time, then the answer, the help or the end.
    QString writeOnce(const Write& write, qint64& exerciseId)
    {
        qint64 id = exerciseId;
        QSqlQuery query(m_db.database());
        QString problem = m_db.begin();
        if (problem.isEmpty() && id < 0) {
            const ExerciseInfo& info = write.exercise;
            problem = m_db.run(query,
                               QStringLiteral("INSERT INTO exercise (started, file, lines_hash, expression, level, theme,"
                                              " seed) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                               {write.started, text(info.file), text(info.linesHash), text(info.expression), info.level,
                                text(info.theme), info.seed ? QVariant(QString::number(*info.seed)) : QVariant()});
            id = query.lastInsertId().toLongLong();
        }
        if (const Event* event = write.event; problem.isEmpty() && event)
            problem = m_db.run(query,
                               QStringLiteral("INSERT INTO event (exercise, at, kind, answer, verdict, category)"
                                              " VALUES (?, ?, ?, ?, ?, ?)"),
                               {id, write.now,
                                event->kind == Event::Kind::Help ? QStringLiteral("aiuto") : QStringLiteral("risposta"),
                                text(event->text), text(event->verdict), text(event->category)});
        if (problem.isEmpty() && !write.event)
            problem = m_db.run(query, QStringLiteral("UPDATE exercise SET ended = ? WHERE id = ?"), {write.now, id});
        if (problem.isEmpty())
            problem = m_db.commit();
        if (problem.isEmpty())
            exerciseId = id;
        return problem;
    }

    Connection m_db;
};

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

class SqliteStore final : public Store {
public:
    std::unique_ptr<RecordFile> openForWriting(const QString& path, const QString& pupil, QString& problem) override
    {
        auto file = std::make_unique<SqliteFile>(path);
        problem = file->open(pupil);
        return problem.isEmpty() ? std::move(file) : nullptr;
    }

    RecordRead read(const QString& path) override
    {
        Connection db(path, true);
        QString problem = db.open();
        PupilHistory history{{}, path, {}};
        if (problem.isEmpty())
            problem = readExercises(db, history);
        if (!problem.isEmpty())
            return {std::nullopt, problem};
        return {std::move(history), {}};
    }
};

}  // namespace

std::unique_ptr<Store> makeSqliteStore()
{
    return std::make_unique<SqliteStore>();
}

void useSqliteStore()
{
    setStoreMaker([](QString&) { return makeSqliteStore(); });
}

}  // namespace quintavia::record
