// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Esercizio nuovo": a generated exercise starts as if its file had been opened.
#include "solver_fixture.h"

#include "arithmetic/line.h"
#include "curriculum/exercise_chain.h"
#include "document/document_file.h"
#include "exercise/exercise_lines.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

using namespace quintavia;
using test::Solver;

namespace {

constexpr std::uint64_t kSeed = 77;

QString plain(const arithmetic::Line& line)
{
    return QString::fromStdString(arithmetic::plainText(line));
}

}  // namespace

class TestSolverNewExercise : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuOfLevels();
    void sameAsItsFile_data();
    void sameAsItsFile();
    void solvedToItsEnd_data();
    void solvedToItsEnd();
};

void TestSolverNewExercise::menuOfLevels()
{
    Solver s;
    QAction* action = s.w->newExerciseAction();
    QCOMPARE(action->text(), QStringLiteral("Esercizio nuovo"));
    // Ctrl+N is the exercise chosen for the pupil, first in the menu; the levels follow it.
    QAction* forMe = s.w->exerciseForMeAction();
    QCOMPARE(forMe->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QVERIFY(s.w->actions().contains(forMe));
    QStringList entries;
    for (QAction* entry : action->menu()->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(entries, (QStringList{"Esercizio per me", "-", "1 - Quarta primaria", "2 - Quinta primaria",
                                   "3 - Prima media", "4 - Seconda media", "5 - Terza media"}));
    s.w->setSeedSource([] { return kSeed; });
    action->menu()->actions().at(5)->trigger();
    QVERIFY(s.w->session().running());
    QCOMPARE(s.w->session().lines(), curriculum::exerciseWithChain(4, kSeed));
}

void TestSolverNewExercise::sameAsItsFile_data()
{
    QTest::addColumn<int>("level");
    for (int level = 1; level <= 5; ++level)
        QTest::addRow("level %d", level) << level;
}

void TestSolverNewExercise::sameAsItsFile()
{
    QFETCH(int, level);
    const auto lines = curriculum::exerciseWithChain(level, kSeed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("es.rtf"));
    QString error;
    QVERIFY2(writeDocumentFile(path, *exercise::documentOfLines(lines), &error), qPrintable(error));

    Solver fromFile;
    fromFile.open(path);
    fromFile.help();
    Solver generated;
    generated.w->setSeedSource([] { return kSeed; });
    // Over an exercise in progress, with errors, a help and a hint: all of it starts afresh.
    generated.open(path);
    generated.answer(QStringLiteral("= 0"));
    generated.help();
    generated.answer(QStringLiteral("= 1"));
    generated.h.sound.played.clear();
    generated.w->newExercise(level);
    QCOMPARE(generated.h.sound.played, QList<int>{107});
    QCOMPARE(generated.w->session().errors(), 0);
    QCOMPARE(generated.w->session().helps(), 0);
    QCOMPARE(generated.message->text(), QString());
    QVERIFY(generated.w->findChild<QLabel*>(QStringLiteral("lblSuggerimento"))->isHidden());
    QVERIFY(!generated.inputLocked());
    QVERIFY(!generated.timer->isActive());
    generated.help();
    QCOMPARE(generated.rtb1->document()->toHtml(), fromFile.rtb1->document()->toHtml());
    QCOMPARE(generated.rtb1->heightTwips(), fromFile.rtb1->heightTwips());
    QCOMPARE(generated.rtb2->topTwips(), fromFile.rtb2->topTwips());
}

void TestSolverNewExercise::solvedToItsEnd_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<quint64>("seed");
    for (int level = 1; level <= 5; ++level)
        for (quint64 seed : {1u, 99u})
            QTest::addRow("level %d, seed %llu", level, seed) << level << seed;
}

void TestSolverNewExercise::solvedToItsEnd()
{
    QFETCH(int, level);
    QFETCH(quint64, seed);
    Solver s;
    s.w->setSeedSource([seed] { return seed; });
    s.w->newExercise(level);
    const auto lines = s.w->session().lines();
    QCOMPARE(lines, curriculum::exerciseWithChain(level, seed));
    s.h.sound.played.clear();
    // One slip on the way, then every step typed as the teacher wrote it ("^2" typed is raised).
    s.answer(QStringLiteral("= 0"));
    QCOMPARE(s.h.sound.played, QList<int>{103});
    for (std::size_t k = 1; k < lines.size(); ++k) {
        s.answer(plain(lines[k]));
        if (k + 1 < lines.size())
            QCOMPARE(s.message->text(), QStringLiteral("Bravissimo"));
    }
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 1 errore e 0 aiuti "));
    QCOMPARE(s.h.sound.played.last(), 101);
    QCOMPARE(s.h.sound.played.count(104), int(lines.size()) - 1);
    QVERIFY(s.inputLocked());
    QVERIFY(s.timer->isActive());
}

QUINTAVIA_TEST_MAIN(TestSolverNewExercise)
#include "tst_new_exercise.moc"
