// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's record: one answer committed to its file (on the disk of the folder the benchmark
// runs in), and a class's report read back: 30 pupils with 200 exercises each.
#include "database/connection.h"
#include "database/sqlite_store.h"
#include "record/pupil_record.h"
#include "record/reading.h"
#include "record/summary.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quintavia::record;

namespace {

ExerciseInfo anExercise()
{
    return {QStringLiteral("quadrati.rtf"), QStringLiteral("0123456789abcdef"), QStringLiteral("3 + 6 x 2"), 2, {}, {}};
}

void recordAnAnswer(benchmark::State& state)
{
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("bench-record-XXXXXX")));
    PupilRecord record(dir.path(), QStringLiteral("Anna"));
    record.startExercise(anExercise());
    int i = 0;
    for (auto _ : state) {
        const QString problem = record.answer(QStringLiteral("= %1").arg(++i), QLatin1String(kRefused),
                                              QStringLiteral("calcolo"));
        if (!problem.isEmpty())
            state.SkipWithError(qPrintable(problem));
    }
}
BENCHMARK(recordAnAnswer)->Unit(benchmark::kMillisecond);

// A class written straight through SQL, a transaction a pupil: 200 exercises of 6 answers and a help.
void writeClass(const QString& folder)
{
    for (int pupil = 0; pupil < 30; ++pupil) {
        PupilRecord record(folder, QStringLiteral("Alunno %1").arg(pupil));
        record.startExercise(anExercise());
        record.finish();
        Connection db(record.path(), false);
        db.open();
        QSqlQuery query(db.database());
        db.begin();
        for (int exercise = 0; exercise < 200; ++exercise) {
            db.run(query, QStringLiteral("INSERT INTO exercise (started, ended, file, lines_hash, expression, level,"
                                         " theme, seed) VALUES (?, ?, '', '', ?, 3, 'potenze', '7')"),
                   {qint64(exercise) * 600'000, qint64(exercise) * 600'000 + 300'000, QStringLiteral("2^%1 + 1").arg(exercise)});
            const qint64 id = query.lastInsertId().toLongLong();
            for (int answer = 0; answer < 7; ++answer)
                db.run(query, QStringLiteral("INSERT INTO event (exercise, at, kind, answer, verdict, category)"
                                             " VALUES (?, ?, ?, ?, ?, ?)"),
                       {id, qint64(exercise) * 600'000 + answer, answer == 6 ? "aiuto" : "risposta",
                        QStringLiteral("= %1").arg(answer), answer % 2 ? kRefused : kTeacherLine,
                        answer % 2 ? "potenza" : ""});
        }
        db.commit();
    }
}

void classReport(benchmark::State& state)
{
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("bench-class-XXXXXX")));
    writeClass(dir.path());
    for (auto _ : state) {
        const ClassRecords records = readFolder(dir.path());
        const ClassSummary summary = summarize(records.pupils);
        if (summary.total.worked != 30 * 201)
            state.SkipWithError("the class was not read whole");
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(classReport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    useSqliteStore();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
