// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: how an exercise worked by a pupil is written, as it happens, into the pupil's record.
#include "record/history.h"
#include "record/pupil_name.h"

#include <QString>

#include <functional>
#include <memory>

namespace quintavia::record {

class RecordFile;

// What a window or a script calls while a pupil works: start, each answer, each help, the end.
// Nothing touches the disk (nor loads the store) before the first answer or help of the first
// exercise; from then on each one is committed as it is given. An exercise never ended reads
// "non finito". Nothing here throws: when the record cannot be written, the call that first finds
// it out returns "Il registro non si può scrivere: ..." and every later call returns nothing, while
// still trying (a network share may come back).
class PupilRecord {
public:
    // The record of `pupil` in `folder`. A class folder that is not there is not made (a share
    // that is not mounted); with `makeFolder` the folder is made first (the user's own data).
    PupilRecord(const QString& folder, const QString& pupil, bool makeFolder = false);
    // Without a class folder: the user's own data folder, the account's name as the pupil.
    static std::unique_ptr<PupilRecord> ofThisAccount();
    ~PupilRecord();

    const PupilName& pupil() const { return m_name; }
    QString path() const { return m_path; }

    void startExercise(const ExerciseInfo& exercise);
    QString answer(const QString& text, const QString& verdict, const QString& category = {});
    QString help();
    // The exercise is finished: its last step shown.
    QString finish();

    // Milliseconds since the epoch; tests and benchmarks set their own clock.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

private:
    QString record(const Event* event);
    QString write(const Event* event, qint64 now);
    QString ensureOpen();

    PupilName m_name;
    QString m_folder;
    QString m_path;
    bool m_makeFolder;
    std::unique_ptr<RecordFile> m_file;  // once opened; dropped when a write fails
    bool m_reported = false;
    std::optional<ExerciseInfo> m_exercise;
    qint64 m_started = 0;
    qint64 m_exerciseId = -1;  // its row, once written
    std::function<qint64()> m_clock;
};

// Where the record is kept without a class folder: the user's own data folder.
QString ownRecordFolder();
// The account's name, the pupil's name without a class folder.
QString accountName();

// "Il registro non si può scrivere: " and the reason.
QString cannotWrite(const QString& reason);

}  // namespace quintavia::record
