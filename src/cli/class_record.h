// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "cli/command.h"

#include "arithmetic/line.h"
#include "diagnosis/judge.h"
#include "exercise/exercise_file.h"
#include "record/pupil_record.h"

#include <memory>
#include <vector>

namespace quintavia::cli {

// The pupil's record that --risolvi keeps with --alunno (in the class folder of --classe, else in
// the user's own), written as the solver window writes it. A record that cannot be written is
// said once on standard error; the exercise goes on all the same.
class ClassRecord {
public:
    // Null `record` without --alunno. An empty or unusable name, or --classe alone: the usage
    // message, and `stop` holds exit status 2.
    static std::unique_ptr<ClassRecord> from(const Invocation& invocation, Output& output, int& stop);

    // The exercise of the file at `path`, as read: its lines, and its level where the file says it.
    void start(const QString& path, const std::vector<arithmetic::Line>& lines, const exercise::ReadExercise& read);
    void answer(const std::string& typed, const diagnosis::Judgement& judgement);
    void help();
    void finish();

private:
    ClassRecord(std::unique_ptr<record::PupilRecord> record, Output& output);
    void say(const QString& problem);

    std::unique_ptr<record::PupilRecord> m_record;
    Output& m_output;
};

}  // namespace quintavia::cli
