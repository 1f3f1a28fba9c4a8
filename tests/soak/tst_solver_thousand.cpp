// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One pupil's session of a thousand exercises in one solver window: each opened, worked through to
// its end with a wrong step and a help now and then, and its end checked as the pupil sees it. The
// session must not grow in memory, keep files open or leave timers running.
#include "../solver/solver_fixture.h"
#include "shell/sound_player.h"
#include "soak_exercises.h"
#include "soak_probe.h"

using namespace quintavia;
using namespace quintavia::test;

namespace {

// QUINTAVIA_SOAK_ROUNDS sets a longer (or shorter) session by hand.
const int kExercises = soakRounds();
const QString kRight = QStringLiteral("Bravissimo");
const QString kWrong = QString::fromUtf8("Il passaggio non è esatto. Correggi.");

QString exercisePath(const QString& folder, int i)
{
    return folder + QStringLiteral("/es%1.rtf").arg(i);
}

// What the pupil does on exercise `i`: which steps get a wrong try first, which a help.
bool wrongFirst(int i, std::size_t step) { return i % 7 == 3 && step == 1; }
bool helped(int i, std::size_t step, std::size_t last) { return i % 50 == 7 || (i % 5 == 1 && step == last); }

}  // namespace

class TestSolverThousand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void thousandExercises();

private:
    // Works through exercise `i`, checking each message and the end.
    void solve(Solver& s, int i);

    QString m_folder;
};

void TestSolverThousand::initTestCase()
{
    m_folder = freshFolder("solver");
    for (int i = 0; i < kExercises; ++i)
        QVERIFY2(writeExercise(exercisePath(m_folder, i), soakExercise(i)), qPrintable(QString::number(i)));
}

void TestSolverThousand::solve(Solver& s, int i)
{
    const std::vector<arithmetic::Line> lines = soakExercise(i);
    s.open(exercisePath(m_folder, i));
    QVERIFY2(!s.inputLocked(), qPrintable(QString::number(i)));
    const bool onKeypad = i % 10 == 0;
    int errors = 0, helps = 0;
    const auto enter = [&](const arithmetic::Line& line) {
        s.rtb2->selectAll();
        QTest::keyClick(s.rtb2, Qt::Key_Backspace);
        typeLine(s.w, s.rtb2, line, onKeypad);
        if (onKeypad)
            s.confirm();
        else
            QTest::keyClick(s.rtb2, Qt::Key_Return);
    };
    for (std::size_t step = 1; step < lines.size(); ++step) {
        const QString where = QStringLiteral("exercise %1, step %2").arg(i).arg(step);
        if (wrongFirst(i, step)) {
            arithmetic::Line wrong = lines[step];
            wrong.push_back({U'1'});
            enter(wrong);
            ++errors;
            QVERIFY2(s.message->text() == kWrong, qPrintable(where));
        }
        if (helped(i, step, lines.size() - 1)) {
            s.help();
            ++helps;
        } else {
            enter(lines[step]);
        }
        if (step + 1 < lines.size())
            QVERIFY2(s.message->text() == (helped(i, step, lines.size() - 1) ? QString() : kRight),
                     qPrintable(where + QStringLiteral(": ") + s.message->text()));
    }
    // The end as the pupil sees it: the counts, the closing sound, the keys locked, the open
    // button blinking again.
    const QString expected = QStringLiteral("Hai finito con %1 %2 e %3 %4 ")
                                 .arg(errors)
                                 .arg(errors == 1 ? QStringLiteral("errore") : QStringLiteral("errori"))
                                 .arg(helps)
                                 .arg(helps == 1 ? QStringLiteral("aiuto") : QStringLiteral("aiuti"));
    QCOMPARE(s.message->text(), expected);
    QCOMPARE(s.h.sound.played.last(), int(helps < SolverSession::kFewHelpsLimit ? Sound::Fanfare : Sound::Chime));
    QVERIFY(s.inputLocked());
    QVERIFY(s.timer->isActive());
    // The fakes' logs would grow with the session; they are the test's, not the window's.
    s.h.sound.played.clear();
    s.h.dialogs.shown.clear();
}

void TestSolverThousand::thousandExercises()
{
    Solver s;
    const QStringList atRest = TimerCensus::take();
    SoakReport report;
    QElapsedTimer clock;
    clock.start();
    // The pupil's record opens at the first answer and stays open while the window lives.
    solve(s, 0);
    if (QTest::currentTestFailed())
        return;
    report.sample("solver", 1);
    const QSet<QString> descriptors = openDescriptors();
    for (int i = 1; i < kExercises; ++i) {
        solve(s, i);
        if (QTest::currentTestFailed())
            return;
        report.sample("solver", i + 1);
    }
    report.elapsedMs = clock.elapsed();
    report.late = memoryNow();
    report.lateObjects = int(allObjects().size());
    report.log("solver", kExercises);

    QCOMPARE(listed(s.h.dialogs.unexpected), QString());
    QCOMPARE(listed(s.h.watchdog.seen), QString());
    checkNoDescriptorAdded(descriptors);
    // At rest, and again after the last exercise, two timers run: the harness's dialog watchdog
    // and the open button's blinking.
    const QStringList atEnd = TimerCensus::take();
    SOAK_FIGURE("solver: timers at rest %s; at the end %s", qPrintable(atRest.join(QStringLiteral(", "))),
                qPrintable(atEnd.join(QStringLiteral(", "))));
    QCOMPARE(listed(atRest), QStringLiteral("QTimer; QTimer Timer1 in quintavia::SolverWindow"));
    QCOMPARE(listed(atEnd), listed(atRest));
    checkMemoryBound(report);

    // The pupil leaves: the window goes, the start window is back.
    s.click(QStringLiteral("Cmd_esci"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!s.h.registry.find(WindowKind::Solver));
    QVERIFY(s.h.registry.find(WindowKind::Start) && s.h.registry.find(WindowKind::Start)->isVisible());
}

QUINTAVIA_TEST_MAIN(TestSolverThousand)
#include "tst_solver_thousand.moc"
