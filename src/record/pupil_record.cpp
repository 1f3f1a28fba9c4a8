// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/pupil_record.h"

#include "record/store.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quintavia::record {

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
    if (m_file)
        return {};
    if (m_makeFolder)
        QDir().mkpath(m_folder);
    if (!QFileInfo(m_folder).isDir())
        return QStringLiteral("la cartella «%1» non c'è").arg(QDir::toNativeSeparators(m_folder));
    QString problem;
    Store* kept = store(problem);
    if (kept)
        m_file = kept->openForWriting(m_path, m_name.name, problem);
    return problem;
}

QString PupilRecord::write(const Event* event, qint64 now)
{
    QString problem = ensureOpen();
    if (problem.isEmpty())
        problem = m_file->write({*m_exercise, m_started, event, now}, m_exerciseId);
    // Opened afresh next time: the share may have gone and come back.
    if (!problem.isEmpty())
        m_file.reset();
    return problem;
}

}  // namespace quintavia::record
