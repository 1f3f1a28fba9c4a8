// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: whose record the solver writes, and asks the pupil's name in a class folder.
#include "diagnosis/judge.h"
#include "record/history.h"

#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace quintavia {

namespace record {
class PupilRecord;
}
class Dialogs;

// The record of the exercises worked in one solver window. Without a class folder it is the
// account's own; with one, the pupil says their name once a run ("Come ti chiami?"), when the first
// exercise starts. Each call returns "Il registro non si può scrivere: ..." the first time the
// record fails, else nothing: the pupil goes on all the same.
class RecordKeeper {
public:
    RecordKeeper(Dialogs& dialogs, QWidget* parent);
    ~RecordKeeper();

    void start(const record::ExerciseInfo& exercise);
    QString answer(const QString& typed, const diagnosis::Judgement& judgement);
    QString help();
    QString finish();
    // The pupil's exercises so far, oldest first; none when the record cannot be read.
    std::vector<record::ExerciseRecord> history();

private:
    // The record, once the pupil is known; nullptr while the pupil has not said their name.
    record::PupilRecord* pupilRecord();

    Dialogs& m_dialogs;
    QWidget* m_parent;
    std::unique_ptr<record::PupilRecord> m_record;
    bool m_started = false;  // an exercise is being recorded
};

}  // namespace quintavia
