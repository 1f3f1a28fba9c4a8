// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"

#include "record/pupil_record.h"
#include "record/reading.h"
#include "tutor/choice.h"

#include <QDir>
#include <QFileInfo>

#include <random>

namespace quintavia::cli {

int runNext(const Invocation& invocation, Output& output)
{
    const QString help = QStringLiteral("quintavia-check --prossimo");
    const record::PupilName pupil = record::checkPupilName(invocation.value("--alunno"));
    if (!pupil.ok())
        return output.usage(QStringLiteral("«%1»: %2").arg(invocation.value("--alunno"), pupil.problem), help);
    std::uint64_t seed = 0;
    if (invocation.has("--seme")) {
        bool ok = false;
        seed = invocation.value("--seme").toULongLong(&ok);
        if (!ok)
            return output.usage(QStringLiteral("il seme è un numero intero, non «%1»").arg(invocation.value("--seme")),
                                help);
    } else {
        seed = std::random_device()();
    }
    const QString folder = invocation.has("--classe") ? invocation.value("--classe") : record::ownRecordFolder();
    const QString path = QDir(folder).filePath(pupil.fileName);
    std::vector<record::ExerciseRecord> exercises;
    if (QFileInfo::exists(path)) {
        record::RecordRead read = record::readRecord(path);
        if (!read.history) {
            output.complain(QStringLiteral("%1: %2").arg(path, read.problem));
            return 1;
        }
        exercises = std::move(read.history->exercises);
    }
    const tutor::NextExercise next = tutor::nextExercise(exercises, seed);
    output.print(QStringLiteral("livello %1, tema %2\n")
                     .arg(next.choice.level)
                     .arg(next.choice.theme.isEmpty() ? QStringLiteral("nessuno") : next.choice.theme));
    output.print(next.expression + '\n');
    return 0;
}

}  // namespace quintavia::cli
