// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The step generator: textbook chains in both modes, limits, and that every chain verifies.
#include "arithmetic/arithmetic.h"
#include "random_expression.h"

#include <QTest>

#include <random>

using namespace quintavia::arithmetic;

namespace {

QStringList chainOf(const QString& expression, StepMode mode, int maxLines = 100)
{
    const Steps steps = generateSteps(plainLine(expression.toStdString()), mode, maxLines);
    if (!steps.ok())
        return {QStringLiteral("%1: %2")
                    .arg(steps.problem.column)
                    .arg(QString::fromStdString(steps.problem.message))};
    QStringList lines;
    for (const Line& line : steps.lines)
        lines << QString::fromStdString(plainText(line));
    return lines;
}

// Empty when the chain is right: every line keeps the expression's value, the last is a number.
QString chainFault(const std::string& expression, StepMode mode)
{
    const Line first = plainLine(expression);
    const Reading reading = readLine(first);
    const Steps steps = generateSteps(first, mode, 100000);
    if (reading.kind != Reading::Kind::Valued)
        return steps.ok() || steps.problem.message != reading.problem.message
                   ? QStringLiteral("problem not reported: %1")
                         .arg(QString::fromStdString(reading.problem.message))
                   : QString();
    if (!steps.ok())
        return QStringLiteral("refused: ") + QString::fromStdString(steps.problem.message);
    std::vector<Line> lines{first};
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    const std::vector<LineVerdict> verdicts = checkChain(lines);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const QString text = QString::fromStdString(plainText(lines[i]));
        if (verdicts[i].status != LineVerdict::Status::Right)
            return QStringLiteral("line %1 (%2): %3")
                .arg(i + 1)
                .arg(text, QString::fromStdString(verdicts[i].message()));
        if (!text.startsWith(QLatin1String("= ")) || lines[i] == lines[i - 1])
            return QStringLiteral("line %1 is no step: %2").arg(i + 1).arg(text);
    }
    if (!steps.lines.empty()) {
        Line last(steps.lines.back().begin() + 2, steps.lines.back().end());
        if (!generateSteps(last, mode, 100).lines.empty())
            return QStringLiteral("the last line is no single number");
    }
    return {};
}

}  // namespace

class TestSteps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textbook_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("school");
        QTest::addColumn<QStringList>("oneOperation");
        QTest::newRow("power, brackets, then left to right")
            << "(3^2 + 4) x 2 - 5" << QStringList{"= (9 + 4) x 2 - 5", "= 13 x 2 - 5", "= 26 - 5", "= 21"}
            << QStringList{"= (9 + 4) x 2 - 5", "= 13 x 2 - 5", "= 26 - 5", "= 21"};
        QTest::newRow("three kinds of brackets")
            << "{[(1+2) x 3] - 4} : 5"
            << QStringList{"= {[3 x 3] - 4} : 5", "= {9 - 4} : 5", "= 5 : 5", "= 1"}
            << QStringList{"= {[3 x 3] - 4} : 5", "= {9 - 4} : 5", "= 5 : 5", "= 1"};
        QTest::newRow("every innermost group in one step")
            << "(2^2 + 1) x (3 + 4)" << QStringList{"= (4 + 1) x 7", "= 5 x 7", "= 35"}
            << QStringList{"= (4 + 1) x (3 + 4)", "= 5 x (3 + 4)", "= 5 x 7", "= 35"};
        QTest::newRow("whole chain of products at once")
            << "24 : 4 x 3 - 2 x 5 + 1" << QStringList{"= 18 - 10 + 1", "= 9"}
            << QStringList{"= 6 x 3 - 2 x 5 + 1", "= 18 - 2 x 5 + 1", "= 18 - 10 + 1", "= 8 + 1", "= 9"};
        QTest::newRow("every power at once")
            << "2^3 x 3 - 4^2" << QStringList{"= 8 x 3 - 16", "= 24 - 16", "= 8"}
            << QStringList{"= 8 x 3 - 4^2", "= 8 x 3 - 16", "= 24 - 16", "= 8"};
        QTest::newRow("negative result keeps round brackets")
            << "2 x [3 - (1 + 4)]" << QStringList{"= 2 x [3 - 5]", "= 2 x (-2)", "= -4"}
            << QStringList{"= 2 x [3 - 5]", "= 2 x (-2)", "= -4"};
        QTest::newRow("negative number in brackets")
            << "[(-3)^2 - 1] : 4" << QStringList{"= [9 - 1] : 4", "= 8 : 4", "= 2"}
            << QStringList{"= [9 - 1] : 4", "= 8 : 4", "= 2"};
        QTest::newRow("negative before exponent stays in brackets")
            << "(2 - 5)^2 + 1" << QStringList{"= (-3)^2 + 1", "= 9 + 1", "= 10"}
            << QStringList{"= (-3)^2 + 1", "= 9 + 1", "= 10"};
        QTest::newRow("fraction before exponent stays in brackets")
            << "(1/2 + 1/6)^2" << QStringList{"= (2/3)^2", "= 4/9"} << QStringList{"= (2/3)^2", "= 4/9"};
        QTest::newRow("fraction after fraction bar stays in brackets")
            << "1/(4/6)" << QStringList{"= 1/(2/3)", "= 3/2"} << QStringList{"= 1/(2/3)", "= 3/2"};
        QTest::newRow("leading negative result drops its brackets")
            << "(1 - 4) x 2" << QStringList{"= -3 x 2", "= -6"} << QStringList{"= -3 x 2", "= -6"};
        QTest::newRow("decimals") << "2,5 x 4 - 1,25" << QStringList{"= 10 - 1,25", "= 8,75"}
                                  << QStringList{"= 10 - 1,25", "= 8,75"};
        QTest::newRow("fractions") << "1/2 + 2/3 x 3/4" << QStringList{"= 1/2 + 1/2", "= 1"}
                                   << QStringList{"= 1/2 + 1/2", "= 1"};
        QTest::newRow("fractions stay fractions")
            << "(2/5 + 1/10) : 5/4 - 1/4"
            << QStringList{"= (2/5 + 1/10) x 4/5 - 1/4", "= 1/2 x 4/5 - 1/4", "= 2/5 - 1/4", "= 3/20"}
            << QStringList{"= (2/5 + 1/10) x 4/5 - 1/4", "= 1/2 x 4/5 - 1/4", "= 2/5 - 1/4", "= 3/20"};
        QTest::newRow("decimals stay decimals")
            << "(0,4 + 0,1) : 1,25 - 0,25" << QStringList{"= 0,5 : 1,25 - 0,25", "= 0,4 - 0,25", "= 0,15"}
            << QStringList{"= 0,5 : 1,25 - 0,25", "= 0,4 - 0,25", "= 0,15"};
        QTest::newRow("negative fraction in brackets")
            << "1/3 x (1/4 - 1/2)" << QStringList{"= 1/3 x (-1/4)", "= -1/12"}
            << QStringList{"= 1/3 x (-1/4)", "= -1/12"};
        QTest::newRow("thousands blank read as one number")
            << "12 000 : 4 - 1" << QStringList{"= 3000 - 1", "= 2999"}
            << QStringList{"= 3000 - 1", "= 2999"};
        QTest::newRow("reduced fraction result")
            << "(1 + 1/3) : 2" << QStringList{"= 4/3 : 2", "= 2/3"} << QStringList{"= 4/3 : 2", "= 2/3"};
        QTest::newRow("thousands point and middle dot kept as typed")
            << "1.000 · 2 + 3" << QStringList{"= 2000 + 3", "= 2003"} << QStringList{"= 2000 + 3", "= 2003"};
        QTest::newRow("signs the keypad types") << "6 × 2 ÷ 3 − 1" << QStringList{"= 4 - 1", "= 3"}
                                                << QStringList{"= 12 : 3 - 1", "= 4 - 1", "= 3"};
        QTest::newRow("sign before a power")
            << "-(2 + 3)^2" << QStringList{"= -5^2", "= -25"} << QStringList{"= -5^2", "= -25"};
        QTest::newRow("fraction bar done last")
            << "1/2^0" << QStringList{"= 1/1", "= 1"} << QStringList{"= 1/1", "= 1"};
        QTest::newRow("already a number") << "= 7" << QStringList{} << QStringList{};
    }
    void textbook()
    {
        QFETCH(QString, expression);
        QFETCH(QStringList, school);
        QFETCH(QStringList, oneOperation);
        QCOMPARE(chainOf(expression, StepMode::School), school);
        QCOMPARE(chainOf(expression, StepMode::OneOperation), oneOperation);
    }

    // The lines a textbook writes that a shorter chain would skip.
    void textbookLines_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("chain");
        const int school = int(StepMode::School), primary = int(StepMode::Primary);
        QTest::newRow("reciprocal") << "3/4 : 2/5" << school << QStringList{"= 3/4 x 5/2", "= 15/8"};
        QTest::newRow("reciprocal of a negative fraction")
            << "(-3/4) : (-1/2)" << school << QStringList{"= (-3/4) x (-2)", "= 3/2"};
        QTest::newRow("reciprocal of a computed fraction")
            << "2 : (1/2 + 1/3)" << school << QStringList{"= 2 : 5/6", "= 2 x 6/5", "= 12/5"};
        QTest::newRow("no reciprocal for a whole divisor") << "3/4 : 3" << school << QStringList{"= 1/4"};
        QTest::newRow("sign rule") << "6 - (-14) + 18" << school << QStringList{"= 6 + 14 + 18", "= 38"};
        QTest::newRow("sign rule on a computed number")
            << "5 + 3 x (-2)" << school << QStringList{"= 5 + (-6)", "= 5 - 6", "= -1"};
        QTest::newRow("sign rule in a bracket")
            << "[4 - (-1/2)] x 2" << school << QStringList{"= [4 + 1/2] x 2", "= 9/2 x 2", "= 9"};
        QTest::newRow("no decimal without a comma") << "-41 : 4" << school << QStringList{"= -41/4"};
        QTest::newRow("no decimal in a whole expression") << "7 : 2 + 1" << school << QStringList{"= 7/2 + 1", "= 9/2"};
        QTest::newRow("decimals where the expression has them") << "7 : 2 + 0,5" << school
                                                                << QStringList{"= 3,5 + 0,5", "= 4"};
        QTest::newRow("primary: one operation a line")
            << "42 x 6 : 14" << primary << QStringList{"= 252 : 14", "= 18"};
        QTest::newRow("primary: every product at once, each a step")
            << "8 x 5 : 4 + 6 x 4 : 3" << primary << QStringList{"= 40 : 4 + 24 : 3", "= 10 + 8", "= 18"};
        QTest::newRow("primary: brackets first")
            << "(12 : 3 x 2 + 1) x 4" << primary << QStringList{"= (4 x 2 + 1) x 4", "= (8 + 1) x 4", "= 9 x 4", "= 36"};
        QTest::newRow("school: the chain at once") << "42 x 6 : 14" << school << QStringList{"= 18"};
    }
    void textbookLines()
    {
        QFETCH(QString, expression);
        QFETCH(int, mode);
        QFETCH(QStringList, chain);
        QCOMPARE(chainOf(expression, StepMode(mode)), chain);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QString>("problem");
        QTest::newRow("text") << "Calcola:" << 100 << "0: la riga non contiene un'espressione";
        QTest::newRow("two members") << "3 + 4 = 7" << 100
                                     << "7: scrivi solo l'espressione, senza altri membri";
        QTest::newRow("unreadable") << "(3 + 4" << 100 << "7: manca una parentesi chiusa";
        QTest::newRow("division by zero") << "3 : (2 - 2)" << 100 << "3: divisione per zero";
        QTest::newRow("blank between digits") << "3 x 2 2" << 100 << "7: manca un segno di operazione";
        QTest::newRow("too many steps")
            << "(1 + 2) x 3 + 4" << 3 << "0: troppi passaggi: 3, ma il documento ne tiene al massimo 2";
        QTest::newRow("too long") << QStringLiteral("1+").repeated(1000) + QLatin1Char('1') << 100000
                                  << "0: espressione troppo lunga (più di 2000 caratteri)";
    }
    void refused()
    {
        QFETCH(QString, expression);
        QFETCH(int, maxLines);
        QFETCH(QString, problem);
        QCOMPARE(chainOf(expression, StepMode::School, maxLines), QStringList{problem});
    }

    void exactlyAtTheLimit()
    {
        QCOMPARE(chainOf(QStringLiteral("(1 + 2) x 3 + 4"), StepMode::School, 4).size(), 3);
    }

    void raisedExponentsStayRaised()
    {
        const Steps steps = generateSteps(plainLine("(1 + 2)^2 x 2^10"), StepMode::OneOperation, 10);
        QVERIFY(steps.ok());
        const Line expected = plainLine("= 3^2 x 2^10");
        QCOMPARE(steps.lines.front(), expected);
        QCOMPARE(expected.size(), std::size_t(10));
        QVERIFY(expected[3].raised && expected[8].raised && expected[9].raised && !expected[7].raised);
    }

    // Random valid expressions: every chain verifies line by line and ends with the value.
    void everyChainVerifies_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("school") << int(StepMode::School);
        QTest::newRow("one operation") << int(StepMode::OneOperation);
        QTest::newRow("primary") << int(StepMode::Primary);
    }
    void everyChainVerifies()
    {
        QFETCH(int, mode);
        std::mt19937 random(20260);
        auto draw = [&random](int n) { return int(random() % unsigned(n)); };
        for (int i = 0; i < 1500; ++i) {
            const std::string expression = quintavia::testing::randomExpression(draw);
            const QString fault = chainFault(expression, StepMode(mode));
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QString::fromStdString(expression) + QLatin1String(": ") + fault));
        }
    }
};

QTEST_APPLESS_MAIN(TestSteps)
#include "tst_steps.moc"
