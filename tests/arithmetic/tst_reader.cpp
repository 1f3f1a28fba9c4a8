// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and evaluating lines, writing values, and checking a chain of lines.
#include "arithmetic/arithmetic.h"

#include <QElapsedTimer>
#include <QTest>

using namespace quintavia::arithmetic;

Q_DECLARE_METATYPE(quintavia::arithmetic::Line)

namespace {

QString valueText(const Reading& reading)
{
    switch (reading.kind) {
    case Reading::Kind::Valued: return QString::fromStdString(reading.value.written(reading.notation));
    case Reading::Kind::Faulty:
        return QStringLiteral("%1: %2")
            .arg(reading.problem.column)
            .arg(QString::fromStdString(reading.problem.message));
    case Reading::Kind::Text: break;
    }
    return QStringLiteral("testo");
}

QString read(const QString& plain)
{
    return valueText(readLine(plainLine(plain.toStdString())));
}

}  // namespace

class TestReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void values_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("integer") << "42"
                                 << "42";
        QTest::newRow("decimal comma") << "3,25"
                                       << "3,25";
        QTest::newRow("leading zeros are decimal") << "0177 + 09"
                                                   << "186";
        QTest::newRow("zeros after the comma") << "0,0625"
                                               << "0,0625";
        QTest::newRow("thousands point") << "1.000"
                                         << "1000";
        QTest::newRow("thousands and decimals") << "1.234.567,5"
                                                << "1234567,5";
        QTest::newRow("blanks and tabs ignored") << " 3 +\t4 "
                                                 << "7";
        QTest::newRow("sum and difference left to right") << "10 - 4 + 3"
                                                          << "9";
        QTest::newRow("product before sum") << "2 + 3 x 4"
                                            << "14";
        QTest::newRow("every multiplication sign") << "2 x 3 X 2 · 2 × 2 ⋅ 2 * 2"
                                                   << "192";
        QTest::newRow("division signs") << "100 : 5 ÷ 2"
                                        << "10";
        QTest::newRow("minus signs of word processors") << "10 − 3 – 2"
                                                        << "5";
        QTest::newRow("division left to right") << "24 : 4 : 2"
                                                << "3";
        QTest::newRow("fraction bar tighter than division") << "6 : 2/3"
                                                            << "9";
        QTest::newRow("fraction bar looser than power") << "3/4^2"
                                                        << "3/16";
        QTest::newRow("fraction bars left to right") << "1/2/3"
                                                     << "1/6";
        QTest::newRow("power") << "3^2"
                               << "9";
        QTest::newRow("power of several digits") << "2^10"
                                                 << "1024";
        QTest::newRow("sign before power") << "-2^2"
                                           << "-4";
        QTest::newRow("power of bracket") << "(-2)^2"
                                          << "4";
        QTest::newRow("power of decimal") << "2,5^2"
                                          << "6,25";
        QTest::newRow("power of fraction") << "(2/3)^2"
                                           << "4/9";
        QTest::newRow("power zero") << "7^0"
                                    << "1";
        QTest::newRow("zero to a power") << "0^5"
                                         << "0";
        QTest::newRow("one to a huge power") << "1^99999999999"
                                             << "1";
        QTest::newRow("minus one to a huge odd power") << "(-1)^99999999999"
                                                       << "-1";
        QTest::newRow("round brackets") << "(3 + 4) x 2"
                                        << "14";
        QTest::newRow("three kinds nested") << "{[(1 + 2) x 3] - 4} : 5"
                                            << "1";
        QTest::newRow("kinds in any order") << "[{(2)}] + ({[3]})"
                                            << "5";
        QTest::newRow("sign opens the line") << "-3 + 5"
                                             << "2";
        QTest::newRow("plus sign opens the line") << "+3"
                                                  << "3";
        QTest::newRow("sign after bracket") << "(-3 + 1) x 2"
                                            << "-4";
        QTest::newRow("sign after multiplication") << "3 x -2"
                                                   << "-6";
        QTest::newRow("sign after minus") << "3 - -2"
                                          << "5";
        QTest::newRow("sign after equals") << "= -4 + 1"
                                           << "-3";
        QTest::newRow("leading equals") << "= 5 + 2"
                                        << "7";
        QTest::newRow("trailing equals") << "3 + 4 ="
                                         << "7";
        QTest::newRow("two members agree") << "3 + 4 = 7"
                                           << "7";
        QTest::newRow("three members agree") << "= 2 x 3 = 6 = 12 : 2"
                                             << "6";
        QTest::newRow("exact, not floating") << "0,1 + 0,2 - 0,3"
                                             << "0";
        QTest::newRow("thirds add up") << "1/3 + 1/3 + 1/3"
                                       << "1";
        QTest::newRow("no-break space is a blank") << "3\u00a0+\u00a04"
                                                   << "7";
        QTest::newRow("thousands blank") << "1 000 + 12 500"
                                         << "13500";
        QTest::newRow("thousands blanks, then decimals") << "1 000 000,5"
                                                         << "1000000,5";
        QTest::newRow("narrow no-break space between thousands") << "12\u202f500"
                                                                 << "12500";
        QTest::newRow("thousands blank among fractions") << "1 000/3"
                                                         << "1000/3";
    }
    void values()
    {
        QFETCH(QString, line);
        QFETCH(QString, value);
        QCOMPARE(read(line), value);
    }

    // A line with other blanks or signs than the keypad's is its plain twin to the reader and to
    // the step match alike.
    void twins_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("twin");
        QTest::newRow("narrow no-break spaces around a sign") << "3\u202f+\u202f4"
                                                              << "3 + 4";
        QTest::newRow("narrow no-break space between thousands") << "12\u202f500 - 1"
                                                                 << "12 500 - 1";
        QTest::newRow("narrow no-break space after =") << "=\u202f7"
                                                       << "= 7";
        QTest::newRow("no-break spaces") << "3\u00a0x\u00a04"
                                         << "3 x 4";
        QTest::newRow("tabs") << "8\t:\t4"
                              << "8 : 4";
        QTest::newRow("capital X") << "6 X 2"
                                   << "6 x 2";
        QTest::newRow("star") << "6 * 2"
                              << "6 x 2";
        QTest::newRow("times") << "6 × 2"
                               << "6 x 2";
        QTest::newRow("middle dot") << "6 · 2"
                                    << "6 x 2";
        QTest::newRow("dot operator") << "6 ⋅ 2"
                                      << "6 · 2";
        QTest::newRow("minus sign") << "(−3 + 5) − 1"
                                    << "(-3 + 5) - 1";
        QTest::newRow("en dash") << "9 – 4"
                                 << "9 - 4";
        QTest::newRow("obelus") << "9 ÷ 4"
                                << "9 : 4";
        QTest::newRow("the same fault at the same column") << "3\u202f÷\u202f0"
                                                           << "3 : 0";
    }
    void twins()
    {
        QFETCH(QString, line);
        QFETCH(QString, twin);
        QCOMPARE(read(line), read(twin));
        QVERIFY(stepsMatch(plainLine(line.toStdString()), plainLine(twin.toStdString())));
        QVERIFY(stepsMatch(plainLine(twin.toStdString()), plainLine(line.toStdString())));
    }

    void problems_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown character") << "3 + a"
                                           << "5: carattere sconosciuto «a»";
        QTest::newRow("unknown character after digits") << "3a"
                                                        << "2: carattere sconosciuto «a»";
        QTest::newRow("missing number at the end") << "3 +"
                                                   << "4: manca un numero";
        QTest::newRow("missing number between signs") << "3 + x 2"
                                                      << "5: manca un numero";
        QTest::newRow("two signs at the start") << "--3"
                                                << "2: manca un numero";
        QTest::newRow("empty brackets") << "2 x ()"
                                        << "6: manca un numero";
        QTest::newRow("empty member") << "3 == 3"
                                      << "4: manca un numero";
        QTest::newRow("missing closing bracket") << "(3 + 4 x 2"
                                                 << "11: manca una parentesi chiusa";
        QTest::newRow("missing closing bracket before equals") << "(3 = 3"
                                                               << "4: manca una parentesi chiusa";
        QTest::newRow("wrong closing bracket") << "[(3 + 4] x 2"
                                               << "8: parentesi sbagliata: «]» chiude «(»";
        QTest::newRow("closing bracket without opening") << "3 + 4)"
                                                         << "6: parentesi chiusa senza quella aperta";
        QTest::newRow("missing operation before bracket") << "3 (4)"
                                                          << "3: manca un segno di operazione";
        QTest::newRow("missing operation after bracket") << "(3) 4"
                                                         << "5: manca un segno di operazione";
        QTest::newRow("point not before three digits") << "1.00"
                                                       << "2: punto fuori posto";
        QTest::newRow("point before four digits") << "1.0000"
                                                  << "2: punto fuori posto";
        QTest::newRow("point after decimals") << "1,5.000"
                                              << "4: punto fuori posto";
        QTest::newRow("lone point") << ".5"
                                    << "1: punto fuori posto";
        QTest::newRow("comma without digit") << "3, + 1"
                                             << "2: manca una cifra dopo la virgola";
        QTest::newRow("second comma") << "3,5,1"
                                      << "4: virgola fuori posto";
        QTest::newRow("lone comma") << "3 + ,5"
                                    << "5: virgola fuori posto";
        QTest::newRow("exponent without base") << "^2 + 3"
                                               << "1: esponente fuori posto";
        QTest::newRow("exponent after sign") << "3 x ^2"
                                             << "5: esponente fuori posto";
        QTest::newRow("nothing but an exponent") << " ^2"
                                                 << "2: esponente fuori posto";
        QTest::newRow("division by zero") << "5 : (2 - 2)"
                                          << "3: divisione per zero";
        QTest::newRow("fraction over zero") << "3/0"
                                            << "2: divisione per zero";
        QTest::newRow("zero to zero") << "0^0 + 1"
                                      << "2: zero elevato a zero non ha valore";
        QTest::newRow("bracket zero to zero") << "(1 - 1)^0"
                                              << "8: zero elevato a zero non ha valore";
        QTest::newRow("huge power") << "9^99999999"
                                    << "2: numero troppo grande";
        QTest::newRow("huge power of fraction") << "(1/3)^99999"
                                                << "6: numero troppo grande";
        QTest::newRow("exponent of many digits") << "2^1234567890123"
                                                 << "2: numero troppo grande";
        QTest::newRow("power just too big") << "10^10000"
                                            << "3: numero troppo grande";
        QTest::newRow("product too big") << "10^9999 x 10^9999"
                                         << "8: numero troppo grande";
        QTest::newRow("members differ") << "3 + 4 = 8"
                                        << "7: dopo l'uguale vale 8, ma prima vale 7";
        QTest::newRow("members differ in fractions") << "1/2 + 1/4 = 1"
                                                     << "11: dopo l'uguale vale 1, ma prima vale 3/4";
        QTest::newRow("blank between digits") << "2 3"
                                              << "3: manca un segno di operazione";
        QTest::newRow("blank between digits after a sign") << "3 x 2 2"
                                                           << "7: manca un segno di operazione";
        QTest::newRow("two digits after a blank") << "12 50"
                                                  << "4: manca un segno di operazione";
        QTest::newRow("four digits after a blank") << "1 0000"
                                                   << "3: manca un segno di operazione";
        QTest::newRow("blank inside a group") << "1 00 0"
                                              << "3: manca un segno di operazione";
        QTest::newRow("blank among decimals") << "3,5 2"
                                              << "5: manca un segno di operazione";
        QTest::newRow("blank group after decimals") << "3,5 200"
                                                    << "5: manca un segno di operazione";
        QTest::newRow("blank between digits in brackets") << "(4 5) x 2"
                                                          << "4: manca un segno di operazione";
    }
    void problems()
    {
        QFETCH(QString, line);
        QFETCH(QString, problem);
        QCOMPARE(read(line), problem);
    }

    void largestAllowedPower() { QCOMPARE(read(QStringLiteral("10^9999")).size(), 10000); }

    // The longest written value reads back as the same value.
    void largestFractionReadsBack()
    {
        const Reading big = readLine(plainLine("(2/3)^20959"));
        QCOMPARE(big.kind, Reading::Kind::Valued);
        const Reading again = readLine(plainLine(big.value.written()));
        QVERIFY(again.kind == Reading::Kind::Valued && again.value == big.value);
    }

    void textLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "  \t ";
        QTest::newRow("title") << "Calcola:";
        QTest::newRow("equals alone") << "=";
        QTest::newRow("signs and brackets only") << "( + ) x [ : ]";
        QTest::newRow("longer than a line of numbers may be") << QString(30000, QLatin1Char('a'));
    }
    void textLines()
    {
        QFETCH(QString, line);
        QCOMPARE(read(line), QStringLiteral("testo"));
    }

    void raisedFlags_data()
    {
        QTest::addColumn<Line>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("raised two is an exponent") << Line{{U'3', false}, {U'2', true}} << "9";
        QTest::newRow("ordinary two is a digit") << Line{{U'3', false}, {U'2', false}} << "32";
        QTest::newRow("raised blank ignored") << Line{{U'3', false}, {U' ', true}, {U'2', true}} << "9";
        QTest::newRow("raised sign refused")
            << Line{{U'3', false}, {U'+', true}} << "2: in apice vanno solo cifre";
    }
    void raisedFlags()
    {
        QFETCH(Line, line);
        QFETCH(QString, value);
        QCOMPARE(valueText(readLine(line)), value);
    }

    void writing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("written");
        QTest::newRow("negative integer") << "0 - 3"
                                          << "-3";
        QTest::newRow("zero") << "-0"
                              << "0";
        QTest::newRow("half") << "1 : 2"
                              << "0,5";
        QTest::newRow("negative half") << "-1 : 2"
                                       << "-0,5";
        QTest::newRow("trailing zero dropped") << "2,50"
                                               << "2,5";
        QTest::newRow("six decimals") << "1 : 64"
                                      << "0,015625";
        QTest::newRow("seven decimals become a fraction") << "1 : 128"
                                                          << "1/128";
        QTest::newRow("millionth") << "1 : 1000000"
                                   << "0,000001";
        QTest::newRow("ten-millionth") << "1 : 10000000"
                                       << "1/10000000";
        QTest::newRow("thirds") << "7 : 3"
                                << "7/3";
        QTest::newRow("negative fraction reduced") << "-4 : 6"
                                                   << "-2/3";
        QTest::newRow("whole fraction") << "6/3"
                                        << "2";
        QTest::newRow("big integer") << "123456789012345678901234567890 x 10"
                                     << "1234567890123456789012345678900";
        QTest::newRow("fraction bars keep fractions") << "1/2 + 1/4"
                                                      << "3/4";
        QTest::newRow("negative fraction") << "1/4 - 1/2"
                                           << "-1/4";
        QTest::newRow("fraction bars with a whole result") << "3/4 x 4"
                                                           << "3";
        QTest::newRow("a comma makes decimals") << "0,5 + 1/4"
                                                << "0,75";
        QTest::newRow("division without bars makes decimals") << "3 : 4"
                                                              << "0,75";
        QTest::newRow("raised digits are no comma") << "1/2^2"
                                                    << "1/4";
    }
    void writing()
    {
        QFETCH(QString, line);
        QFETCH(QString, written);
        QCOMPARE(read(line), written);
    }

    // Hostile lines are answered at once, without exhausting the stack or the memory.
    void hostileLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("deep brackets")
            << QString(4000, QLatin1Char('(')) + QLatin1Char('1') + QString(4000, QLatin1Char(')'))
            << "101: troppe parentesi una dentro l'altra";
        QTest::newRow("long sum") << QStringLiteral("1+").repeated(4999) + QLatin1Char('1') << "5000";
        QTest::newRow("too long") << QStringLiteral("1+").repeated(12500) + QLatin1Char('1')
                                  << "1: riga troppo lunga";
        QTest::newRow("tower of powers") << QStringLiteral("((9^99)^99)^99") << "10: numero troppo grande";
    }
    void hostileLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, problem);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(read(line), problem);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }

    void chain_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("right") << QStringList{"(3^2 + 4) x 2", "= 13 x 2", "= 26"} << QStringList{};
        QTest::newRow("slip flagged once") << QStringList{"3^2 + 5", "= 9 + 5", "= 21", "= 21"}
                                           << QStringList{"3: vale 21, ma la riga 2 vale 14"};
        QTest::newRow("titles and empty lines skipped")
            << QStringList{"Calcola:", "2 x 3", "", "= 6", "Fine"} << QStringList{};
        QTest::newRow("unreadable line, then compared with the last valued")
            << QStringList{"2 x (3 + 4)", "= 2 x (7", "= 15"}
            << QStringList{"2: 9: manca una parentesi chiusa", "3: vale 15, ma la riga 1 vale 14"};
        QTest::newRow("members disagree")
            << QStringList{"3 + 4", "= 7 = 8"} << QStringList{"2: 5: dopo l'uguale vale 8, ma prima vale 7"};
        QTest::newRow("values written as the expression's fractions")
            << QStringList{"1/2 + 1/4", "= 0,5"} << QStringList{"2: vale 1/2, ma la riga 1 vale 3/4"};
        QTest::newRow("values written as the expression's decimals")
            << QStringList{"0,5 + 0,25", "= 1/2"} << QStringList{"2: vale 0,5, ma la riga 1 vale 0,75"};
        QTest::newRow("raised digit typed as ordinary")
            << QStringList{"3^2 + 1", "= 32 + 1"} << QStringList{"2: vale 33, ma la riga 1 vale 10"};
    }
    void chain()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, flags);
        std::vector<Line> chainLines;
        for (const QString& line : lines)
            chainLines.push_back(plainLine(line.toStdString()));
        const std::vector<LineVerdict> verdicts = checkChain(chainLines);
        QStringList found;
        for (std::size_t i = 0; i < verdicts.size(); ++i) {
            if (verdicts[i].status == LineVerdict::Status::Unreadable)
                found << QStringLiteral("%1: %2: %3")
                             .arg(i + 1)
                             .arg(verdicts[i].problem.column)
                             .arg(QString::fromStdString(verdicts[i].message()));
            else if (verdicts[i].flagged())
                found << QStringLiteral("%1: %2").arg(i + 1).arg(
                    QString::fromStdString(verdicts[i].message()));
        }
        QCOMPARE(found, flags);
        QCOMPARE(firstFlagged(verdicts).has_value(), !flags.isEmpty());
    }

    // The tree written back as a textbook writes it, whatever signs and blanks the line used.
    void treeText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks and signs") << "{[(3^2+4)·2−5]:7}" << "{[(3^2 + 4) x 2 - 5] : 7}";
        QTest::newRow("fraction bar") << "1/2 + (-3/4)*2" << "1/2 + (-3/4) x 2";
        QTest::newRow("last member") << "= 3 + 4 = 7" << "7";
        QTest::newRow("decimal comma") << "2,5 : 0,5" << "2,5 : 0,5";
    }
    void treeText()
    {
        QFETCH(QString, line);
        QFETCH(QString, text);
        const Expression expression = readExpression(plainLine(line.toStdString()));
        QCOMPARE(int(expression.kind), int(Reading::Kind::Valued));
        QCOMPARE(QString::fromStdString(plainText(expression.term)), text);
    }

    void bracketPairs_data()
    {
        QTest::addColumn<uint>("opening");
        QTest::addColumn<uint>("closing");
        QTest::addColumn<int>("height");
        QTest::newRow("round") << uint(U'(') << uint(U')') << 1;
        QTest::newRow("square") << uint(U'[') << uint(U']') << 2;
        QTest::newRow("curly") << uint(U'{') << uint(U'}') << 3;
        QTest::newRow("no bracket") << uint(U'x') << 0u << 0;
    }
    void bracketPairs()
    {
        QFETCH(uint, opening);
        QFETCH(uint, closing);
        QFETCH(int, height);
        QCOMPARE(uint(closingOf(char32_t(opening))), closing);
        QCOMPARE(bracketHeight(char32_t(opening)), height);
        QCOMPARE(isClosing(char32_t(closing)), closing != 0);
        if (height > 0)
            QCOMPARE(uint(openingOfHeight(height)), opening);
    }

    void plainNotationRoundTrip()
    {
        const std::string plain = "{[(3^2 + 4) · 2 − 5] : 7}^12 = 3^1";
        QCOMPARE(plainText(plainLine(plain)), plain);
        QCOMPARE(plainLine("\xff").front().code, char32_t(0xFFFD));
    }
};

QTEST_APPLESS_MAIN(TestReader)
#include "tst_reader.moc"
