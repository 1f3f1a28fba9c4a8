// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/summary.h"

#include <QDateTime>
#include <QHash>
#include <QSet>

#include <numeric>

namespace quintavia::record {

namespace {

void add(PupilSummary& to, const PupilSummary& from)
{
    to.worked += from.worked;
    to.finished += from.finished;
    to.errors += from.errors;
    to.helps += from.helps;
    for (std::size_t i = 0; i < kCategories.size(); ++i)
        to.byCategory[i] += from.byCategory[i];
    if (from.lastDay.isValid() && (!to.lastDay.isValid() || from.lastDay > to.lastDay))
        to.lastDay = from.lastDay;
}

}  // namespace

std::size_t categoryIndex(const QString& name)
{
    for (std::size_t i = 0; i + 1 < kCategories.size(); ++i)
        if (name == QLatin1String(kCategories[i]))
            return i;
    return kCategories.size() - 1;
}

CategoryCounts categoryCounts(const ExerciseRecord& exercise)
{
    CategoryCounts counts{};
    for (const auto& [name, count] : exercise.errorsByCategory())
        counts[categoryIndex(name)] += count;
    return counts;
}

ClassSummary summarize(const std::vector<PupilHistory>& pupils)
{
    ClassSummary summary;
    QHash<QString, ExerciseErrors> byExercise;
    QHash<QString, QSet<QString>> whoWorked;
    for (const PupilHistory& history : pupils) {
        PupilSummary pupil;
        pupil.pupil = history.pupil;
        for (const ExerciseRecord& exercise : history.exercises) {
            ++pupil.worked;
            pupil.finished += exercise.finished();
            const int errors = exercise.errors();
            pupil.errors += errors;
            pupil.helps += exercise.helps();
            const CategoryCounts counts = categoryCounts(exercise);
            for (std::size_t i = 0; i < counts.size(); ++i)
                pupil.byCategory[i] += counts[i];
            const QDate day = QDateTime::fromMSecsSinceEpoch(exercise.started).date();
            if (!pupil.lastDay.isValid() || day > pupil.lastDay)
                pupil.lastDay = day;
            ExerciseErrors& entry = byExercise[exercise.name()];
            entry.exercise = exercise.name();
            entry.errors += errors;
            whoWorked[exercise.name()].insert(history.path);
        }
        add(summary.total, pupil);
        summary.pupils.push_back(std::move(pupil));
    }
    for (ExerciseErrors entry : std::as_const(byExercise))
        if (entry.errors > 0) {
            entry.pupils = int(whoWorked.value(entry.exercise).size());
            summary.hardest.push_back(entry);
        }
    std::sort(summary.hardest.begin(), summary.hardest.end(), [](const ExerciseErrors& a, const ExerciseErrors& b) {
        return a.errors != b.errors ? a.errors > b.errors : a.exercise < b.exercise;
    });
    return summary;
}

QString figuresLine(const PupilSummary& pupil)
{
    auto plural = [](int count, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
    };
    return QStringLiteral("%1, %2, %3, %4")
        .arg(plural(pupil.worked, "esercizio", "esercizi"), plural(pupil.finished, "finito", "finiti"),
             plural(pupil.errors, "errore", "errori"), plural(pupil.helps, "aiuto", "aiuti"));
}

QString categoryLine(const CategoryCounts& counts)
{
    std::vector<std::size_t> order(counts.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return counts[a] > counts[b]; });
    QStringList parts;
    for (std::size_t i : order)
        if (counts[i] > 0)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(kCategories[i])).arg(counts[i]);
    return parts.join(QStringLiteral(", "));
}

}  // namespace quintavia::record
