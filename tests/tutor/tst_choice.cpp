// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Esercizio per me": the level and theme chosen from a pupil's exercises, written as a row of
// letters, oldest first: P perfect (finished, no error, no help), S struggled (three errors),
// O ordinary (finished, one error); a digit before a letter says the exercise's own level.
#include "tutor/choice.h"

#include <QTest>

using namespace quintavia;

namespace {

std::vector<record::ExerciseRecord> history(const QString& row, const QString& category)
{
    std::vector<record::ExerciseRecord> exercises;
    int level = 0;
    for (const QChar c : row) {
        if (c.isDigit()) {
            level = c.digitValue();
            continue;
        }
        record::ExerciseRecord exercise;
        exercise.info.level = level;
        level = 0;
        const int errors = c == QLatin1Char('S') ? 3 : c == QLatin1Char('O') ? 1 : 0;
        for (int i = 0; i < errors; ++i)
            exercise.events.push_back({record::Event::Kind::Answer, 0, QString::number(i),
                                       QLatin1String(record::kRefused), category});
        if (c != QLatin1Char('S'))
            exercise.ended = 1;
        exercises.push_back(exercise);
    }
    return exercises;
}

}  // namespace

class TestChoice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("category");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a new pupil") << "" << "" << 1 << "" << "Un esercizio per te - livello 1";
        QTest::newRow("three perfect") << "PPP" << "" << 2 << "" << "";
        QTest::newRow("two perfect, one slip") << "PPOP" << "" << 1 << "" << "";
        QTest::newRow("a help breaks the row") << "PPSPP" << "" << 1 << "" << "";
        QTest::newRow("six perfect: two levels") << "PPPPPP" << "" << 3 << "" << "";
        QTest::newRow("the top stays") << "5PPP" << "" << 5 << "" << "";
        QTest::newRow("two struggled") << "3SS" << "" << 2 << "" << "";
        QTest::newRow("struggled, then not") << "3SOS" << "" << 3 << "" << "";
        QTest::newRow("the bottom stays") << "SS" << "" << 1 << "" << "";
        QTest::newRow("a file of another level") << "PP4O" << "" << 4 << "" << "";
        QTest::newRow("the row counts afresh after a move") << "PPPPP" << "" << 2 << "" << "";
        QTest::newRow("powers broken") << "3O" << "potenza" << 3 << "potenze" << "Allenati con le potenze - livello 3";
        QTest::newRow("signs, not a theme at level 3") << "3O" << "segno" << 3 << "" << "";
        QTest::newRow("no theme for a slip in a sum") << "3O" << "calcolo" << 3 << "" << "";
        QTest::newRow("fractions at level 4") << "4SS" << "frazione" << 3 << "" << "";
    }
    void choice()
    {
        QFETCH(QString, row);
        QFETCH(QString, category);
        QFETCH(int, level);
        QFETCH(QString, theme);
        QFETCH(QString, reason);
        const tutor::Choice choice = tutor::choose(history(row, category));
        QCOMPARE(choice.level, level);
        QCOMPARE(choice.theme, theme);
        if (!reason.isEmpty())
            QCOMPARE(choice.reason, reason);
    }

    void theThemeLooksAtTheLastTen()
    {
        auto exercises = history(QStringLiteral("4OOO"), QStringLiteral("frazione"));
        const auto powers = history(QStringLiteral("OOOOOOOO"), QStringLiteral("potenza"));
        exercises.insert(exercises.end(), powers.begin(), powers.end());
        QCOMPARE(tutor::choose(exercises).theme, QStringLiteral("potenze"));  // 8 powers, 2 fractions in the last ten
        const tutor::NextExercise next = tutor::nextExercise(exercises, 5);
        QCOMPARE(next.choice.level, 4);
        QVERIFY(next.expression.find('^') != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(TestChoice)
#include "tst_choice.moc"
