// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exercises with their chains, as the level generator gives them to the windows and --genera
// writes them: never more lines than an exercise holds.
#include "arithmetic/arithmetic.h"
#include "arithmetic/limits.h"
#include "curriculum/exercise_chain.h"
#include "curriculum/levels.h"

#include <QTest>

using namespace quintavia;

namespace {

// "1+2+...+n": one operation a line gives a chain of n lines.
std::string sumTo(int n)
{
    std::string expression = "1";
    for (int i = 2; i <= n; ++i)
        expression += '+' + std::to_string(i);
    return expression;
}

}  // namespace

class TestExerciseChain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chainFitsOrIsRefused_data()
    {
        QTest::addColumn<int>("terms");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("lines");  // 0: refused
        const int school = int(arithmetic::StepMode::School);
        const int fine = int(arithmetic::StepMode::OneOperation);
        QTest::newRow("one operation a line, to the last line") << arithmetic::kMaxExerciseLines << fine
                                                                << arithmetic::kMaxExerciseLines;
        QTest::newRow("one operation a line, one line over") << arithmetic::kMaxExerciseLines + 1 << fine << 0;
        QTest::newRow("in school order the same sum is one step") << arithmetic::kMaxExerciseLines + 1 << school << 2;
    }
    void chainFitsOrIsRefused()
    {
        QFETCH(int, terms);
        QFETCH(int, mode);
        QFETCH(int, lines);
        QCOMPARE(int(curriculum::exerciseLines(sumTo(terms), arithmetic::StepMode(mode)).size()), lines);
    }

    void everyLevelFits_data()
    {
        QTest::addColumn<int>("level");
        for (int level = 1; level <= curriculum::kLevels; ++level)
            QTest::addRow("level %d", level) << level;
    }
    void everyLevelFits()
    {
        QFETCH(int, level);
        for (std::uint64_t seed = 0; seed < 40; ++seed) {
            const std::size_t lines = curriculum::exerciseWithChain(level, seed).size();
            QVERIFY2(lines >= 2 && lines <= std::size_t(arithmetic::kMaxExerciseLines), qPrintable(QString::number(seed)));
        }
    }
};

QTEST_APPLESS_MAIN(TestExerciseChain)
#include "tst_exercise_chain.moc"
