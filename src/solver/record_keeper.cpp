// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/record_keeper.h"

#include "record/pupil_record.h"
#include "record/reading.h"
#include "shell/class_folder.h"
#include "shell/dialogs.h"
#include "tutor/recording.h"

#include <QDir>
#include <QFileInfo>

#include <map>

namespace quintavia {

namespace {

// The name each class folder's pupil gave in this run: asked once, whichever window asks.
std::map<QString, QString>& namesOfThisRun()
{
    static std::map<QString, QString> names;
    return names;
}

QString folderKey(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// "Come ti chiami?" until a name that can be a record's is given; nothing when cancelled.
std::optional<QString> askPupilName(Dialogs& dialogs, QWidget* parent, const QString& folder)
{
    const QString title = QStringLiteral("Registro");
    const QStringList names = record::pupilNames(folder);
    for (;;) {
        const std::optional<QString> typed = dialogs.askName(parent, title, QStringLiteral("Come ti chiami?"), names);
        if (!typed)
            return std::nullopt;
        const record::PupilName name = record::checkPupilName(*typed);
        if (name.ok())
            return name.name;
        dialogs.warn(parent, title, QStringLiteral("«%1»: %2").arg(typed->trimmed(), name.problem));
    }
}

}  // namespace

RecordKeeper::RecordKeeper(Dialogs& dialogs, QWidget* parent) : m_dialogs(dialogs), m_parent(parent) {}

RecordKeeper::~RecordKeeper() = default;

record::PupilRecord* RecordKeeper::pupilRecord()
{
    if (m_record)
        return m_record.get();
    const QString folder = classFolder();
    if (folder.isEmpty()) {
        m_record = record::PupilRecord::ofThisAccount();
        return m_record.get();
    }
    QString& name = namesOfThisRun()[folderKey(folder)];
    if (name.isEmpty()) {
        // Cancelled: this exercise is not recorded, and the next one asks again.
        const std::optional<QString> given = askPupilName(m_dialogs, m_parent, folder);
        if (!given)
            return nullptr;
        name = *given;
    }
    m_record = std::make_unique<record::PupilRecord>(folder, name);
    return m_record.get();
}

void RecordKeeper::start(const record::ExerciseInfo& exercise)
{
    record::PupilRecord* kept = pupilRecord();
    m_started = kept != nullptr;
    if (kept)
        kept->startExercise(exercise);
}

QString RecordKeeper::answer(const QString& typed, const diagnosis::Judgement& judgement)
{
    return m_started ? tutor::recordAnswer(*m_record, typed, judgement) : QString();
}

QString RecordKeeper::help()
{
    return m_started ? m_record->help() : QString();
}

QString RecordKeeper::finish()
{
    if (!m_started)
        return {};
    m_started = false;
    return m_record->finish();
}

std::vector<record::ExerciseRecord> RecordKeeper::history()
{
    const record::PupilRecord* kept = pupilRecord();
    if (!kept)
        return {};
    const record::RecordRead read = record::readRecord(kept->path());
    return read.history ? read.history->exercises : std::vector<record::ExerciseRecord>{};
}

}  // namespace quintavia
