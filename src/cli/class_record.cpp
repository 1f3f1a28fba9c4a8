// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/class_record.h"

#include "tutor/recording.h"

#include <QFileInfo>

namespace quintavia::cli {

ClassRecord::ClassRecord(std::unique_ptr<record::PupilRecord> record, Output& output)
    : m_record(std::move(record)), m_output(output)
{
}

std::unique_ptr<ClassRecord> ClassRecord::from(const Invocation& invocation, Output& output, int& stop)
{
    const QString help = QStringLiteral("quintavia-check --risolvi");
    if (!invocation.has("--alunno")) {
        if (invocation.has("--classe"))
            stop = output.usage(QStringLiteral("--classe vuole anche --alunno NOME"), help);
        return nullptr;
    }
    const QString name = invocation.value("--alunno");
    const record::PupilName pupil = record::checkPupilName(name);
    if (!pupil.ok()) {
        stop = output.usage(QStringLiteral("«%1»: %2").arg(name, pupil.problem), help);
        return nullptr;
    }
    auto kept = invocation.has("--classe")
                    ? std::make_unique<record::PupilRecord>(invocation.value("--classe"), name)
                    : std::make_unique<record::PupilRecord>(record::ownRecordFolder(), name, true);
    return std::unique_ptr<ClassRecord>(new ClassRecord(std::move(kept), output));
}

void ClassRecord::say(const QString& problem)
{
    if (!problem.isEmpty())
        m_output.complain(problem);
}

void ClassRecord::start(const QString& path, const std::vector<arithmetic::Line>& lines,
                        const exercise::ReadExercise& read)
{
    record::ExerciseInfo info = tutor::exerciseInfo(QFileInfo(path).fileName(), lines);
    tutor::takeOrigin(info, read.level, read.theme, read.seed);
    m_record->startExercise(info);
}

void ClassRecord::answer(const std::string& typed, const diagnosis::Judgement& judgement)
{
    say(tutor::recordAnswer(*m_record, QString::fromStdString(typed), judgement));
}

void ClassRecord::help()
{
    say(m_record->help());
}

void ClassRecord::finish()
{
    say(m_record->finish());
}

}  // namespace quintavia::cli
