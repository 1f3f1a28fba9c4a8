// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves two versions of a large exercise over TARGET in turn, for ever, with the program's own save;
// tst_kill_during_save kills it at random moments. Prints "pronto" once it starts saving and
// "salvato" after each save, so that the killer can aim at any save whatever the machine's speed.
#include "document/document_file.h"
#include "large_exercise.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Uso: save_loop TARGET\n", stderr);
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    QTextDocument versions[2];
    quintavia::test::fillLargeExercise(versions[0], 0);
    quintavia::test::fillLargeExercise(versions[1], 1);
    std::puts("pronto");
    std::fflush(stdout);
    for (int i = 1;; ++i) {
        QString error;
        if (!quintavia::writeDocumentFile(target, versions[i % 2], &error)) {
            std::fprintf(stderr, "save_loop: %s\n", qPrintable(error));
            return 1;
        }
        std::puts("salvato");
        std::fflush(stdout);
    }
}
