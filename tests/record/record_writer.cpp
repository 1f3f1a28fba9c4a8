// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A second program writing a pupil's record, for the tests of two writers at once and of a kill:
// record-writer FOLDER NAME COUNT [--hold] writes one exercise of COUNT answers, then ends it, or
// with --hold says "scritto" and waits to be killed.
#include "database/sqlite_store.h"
#include "record/pupil_record.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    quintavia::record::useSqliteStore();
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4)
        return 2;
    quintavia::record::PupilRecord record(arguments[1], arguments[2]);
    const int count = arguments[3].toInt();
    record.startExercise({{}, QStringLiteral("0123456789abcdef"), QStringLiteral("3 + 6 x 2"), 1, {}, {}});
    bool failed = false;
    auto report = [&](const QString& problem) {
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            failed = true;
        }
    };
    for (int i = 0; i < count; ++i)
        report(record.answer(QStringLiteral("= %1").arg(i), QLatin1String(quintavia::record::kRefused),
                             QStringLiteral("calcolo")));
    if (arguments.contains(QLatin1String("--hold"))) {
        std::printf("scritto\n");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    }
    report(record.finish());
    return failed ? 1 : 0;
}
