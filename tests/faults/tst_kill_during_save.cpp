// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A save cut short by a crash or a power cut: save_loop saves two versions of a large exercise in
// turn and is killed with SIGKILL at a random moment, 200 times. The file must always be one
// version or the other, whole. The kill waits for 0, 1 or 2 whole saves, then a random part of one
// save's time: on a slow machine (a sanitizer build under load) as on a fast one, kills land before,
// during and after a rename, and both versions are seen.
#include "document/document_file.h"
#include "document/rtf_writer.h"
#include "large_exercise.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "test_main.h"

#include <algorithm>
#include <csignal>

using namespace quintavia;

class TestKillDuringSave : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void targetIsAlwaysOneWholeVersion();
};

// Reads COUNT lines of the child's output ("pronto", then one "salvato" a save).
static bool waitForLines(QProcess& child, int count)
{
    while (count > 0) {
        if (!child.canReadLine() && !child.waitForReadyRead(30000))
            return false;
        while (count > 0 && child.canReadLine()) {
            child.readLine();
            --count;
        }
    }
    return true;
}

void TestKillDuringSave::targetIsAlwaysOneWholeVersion()
{
    QByteArray versions[2];
    for (int v = 0; v < 2; ++v) {
        QTextDocument document;
        test::fillLargeExercise(document, v);
        versions[v] = rtf::write(document);
    }
    QVERIFY(versions[0] != versions[1]);
    QTemporaryDir dir;
    const QString target = dir.filePath("grande.rtf");
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(versions[0]);
    }
    const int rounds = qEnvironmentVariableIntValue("QUINTAVIA_KILL_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("QUINTAVIA_KILL_ROUNDS")
                           : 200;
    QRandomGenerator random(20260515);
    qint64 saveMs = 0;
    {
        QProcess child;
        child.start(QStringLiteral(SAVE_LOOP), {target});
        QVERIFY(waitForLines(child, 3));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(waitForLines(child, 2));
        saveMs = std::max<qint64>(1, timer.elapsed() / 2);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
    }
    int seen[2] = {0, 0};
    QSet<QString> leftovers;
    for (int round = 0; round < rounds; ++round) {
        QProcess child;
        child.start(QStringLiteral(SAVE_LOOP), {target});
        QVERIFY2(waitForLines(child, 1 + int(random.bounded(3))), qPrintable(child.errorString()));
        QTest::qSleep(int(random.bounded(saveMs)));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QVERIFY2(child.exitStatus() == QProcess::CrashExit,
                 qPrintable(QString::fromLocal8Bit(child.readAllStandardError())));

        QFile f(target);
        QVERIFY2(f.open(QIODevice::ReadOnly),
                 qPrintable(QStringLiteral("round %1: file missing").arg(round)));
        const QByteArray now = f.readAll();
        const int version = now == versions[0] ? 0 : now == versions[1] ? 1 : -1;
        QVERIFY2(
            version >= 0,
            qPrintable(QStringLiteral("round %1: %2 bytes, neither version").arg(round).arg(now.size())));
        ++seen[version];
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name != QLatin1String("grande.rtf")) {
                leftovers.insert(name);
                QFile::remove(dir.filePath(name));
            }
        }
    }
    qInfo("%d rounds, %lld ms a save: old version %d times, new %d times; %d temporary files left by "
          "the kills",
          rounds, saveMs, seen[0], seen[1], int(leftovers.size()));
    // Kills that all fall before or between saves would prove nothing.
    QVERIFY(seen[0] > 0 && seen[1] > 0);
}

QUINTAVIA_TEST_MAIN(TestKillDuringSave)
#include "tst_kill_during_save.moc"
