// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/pupil_record.h"

#include "record/database.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
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

}  // namespace

QString accountName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name.isEmpty() ? QDir::home().dirName() : name;
}

QString ownRecordFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("quintavia/registro"));
}

QString cannotWrite(const QString& reason)
{
    return QStringLiteral("Il registro non si può scrivere: ") + reason;
}

PupilRecord::PupilRecord(const QString& folder, const QString& pupil, bool makeFolder)
    : m_name(checkPupilName(pupil)),
      m_folder(folder),
      m_makeFolder(makeFolder),
      m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    if (m_name.ok())
        m_path = QDir(folder).filePath(m_name.fileName);
}

std::unique_ptr<PupilRecord> PupilRecord::ofThisAccount()
{
    return std::make_unique<PupilRecord>(ownRecordFolder(), accountName(), true);
}

PupilRecord::~PupilRecord() = default;

void PupilRecord::startExercise(const ExerciseInfo& exercise)
{
    m_exercise = exercise;
    m_started = m_clock();
    m_exerciseId = -1;
}

QString PupilRecord::answer(const QString& text, const QString& verdict, const QString& category)
{
    const Event event{Event::Kind::Answer, 0, text, verdict, category};
    return record(&event);
}

QString PupilRecord::help()
{
    const Event event{Event::Kind::Help, 0, {}, {}, {}};
    return record(&event);
}

QString PupilRecord::finish()
{
    const QString problem = record(nullptr);
    m_exercise.reset();
    return problem;
}

QString PupilRecord::record(const Event* event)
{
    if (!m_exercise)
        return {};
    const QString problem = write(event, m_clock());
    if (problem.isEmpty() || m_reported)
        return {};
    m_reported = true;
    return cannotWrite(problem);
}

QString PupilRecord::ensureOpen()
{
    if (!m_name.ok())
        return m_name.problem;
    if (m_open)
        return {};
    if (m_makeFolder)
        QDir().mkpath(m_folder);
    if (!QFileInfo(m_folder).isDir())
        return QStringLiteral("la cartella «%1» non c'è").arg(QDir::toNativeSeparators(m_folder));
    if (!m_connection)
        m_connection = std::make_unique<Connection>(m_path, false);
    QString problem = m_connection->open();
    for (int i = 1; i < kTries && m_connection->wasBusy(); ++i)
        problem = m_connection->open();
    if (!problem.isEmpty())
        return problem;
    QSqlQuery query(m_connection->database());
    problem = m_connection->run(query, QStringLiteral("INSERT OR IGNORE INTO info (key, value) VALUES ('alunno', ?)"),
                                {m_name.name});
    m_open = problem.isEmpty();
    return problem;
}

// One transaction: the exercise's row the first time, then the answer, the help or the end.
QString PupilRecord::write(const Event* event, qint64 now)
{
    QString problem = ensureOpen();
    if (!problem.isEmpty())
        return problem;
    Connection& db = *m_connection;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        qint64 id = m_exerciseId;
        QSqlQuery query(db.database());
        problem = db.begin();
        if (problem.isEmpty() && id < 0) {
            const ExerciseInfo& info = *m_exercise;
            problem = db.run(query,
                             QStringLiteral("INSERT INTO exercise (started, file, lines_hash, expression, level, theme,"
                                            " seed) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                             {m_started, text(info.file), text(info.linesHash), text(info.expression), info.level, text(info.theme),
                              info.seed ? QVariant(QString::number(*info.seed)) : QVariant()});
            id = query.lastInsertId().toLongLong();
        }
        if (problem.isEmpty() && event)
            problem = db.run(query,
                             QStringLiteral("INSERT INTO event (exercise, at, kind, answer, verdict, category)"
                                            " VALUES (?, ?, ?, ?, ?, ?)"),
                             {id, now,
                              event->kind == Event::Kind::Help ? QStringLiteral("aiuto") : QStringLiteral("risposta"),
                              text(event->text), text(event->verdict), text(event->category)});
        if (problem.isEmpty() && !event)
            problem = db.run(query, QStringLiteral("UPDATE exercise SET ended = ? WHERE id = ?"), {now, id});
        if (problem.isEmpty())
            problem = db.commit();
        if (problem.isEmpty()) {
            m_exerciseId = id;
            return {};
        }
        const bool busy = db.wasBusy();
        db.rollback();
        if (!busy)
            break;
        QThread::msleep(50);
    }
    // Opened afresh next time: the share may have gone and come back.
    m_open = false;
    m_connection.reset();
    return problem;
}

}  // namespace quintavia::record
