// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/step_table.h"
#include "test_main.h"

#include <QTest>

using namespace quintavia;

class TestStepTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsLines_data();
    void splitsLines();
    void growsForLongDocuments();
    void refusesWhatA16BitCounterCannotCount();
    void counterStopsAtItsLimit();
};

void TestStepTable::splitsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("three lines") << "A\r\nB\r\nC" << QStringList{"A", "B", "C"};
    QTest::newRow("empty text is one empty line") << "" << QStringList{""};
    QTest::newRow("trailing break gives an empty last line") << "A\r\nB\r\n" << QStringList{"A", "B", ""};
    QTest::newRow("empty line in the middle") << "A\r\n\r\nC" << QStringList{"A", "", "C"};
    QTest::newRow("blanks and case kept") << " 3 + 2\r\nX= 5 " << QStringList{" 3 + 2", "X= 5 "};
    QTest::newRow("exponents and dots as typed") << "3²·{2}\r\n9·2" << QStringList{"3²·{2}", "9·2"};
    QStringList twenty;
    QString text;
    for (int i = 1; i <= 20; ++i) {
        twenty << QString::number(i);
        text += QString::number(i) + (i < 20 ? "\r\n" : "");
    }
    QTest::newRow("twenty lines") << text << twenty;
}

void TestStepTable::splitsLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    StepTable table;
    QCOMPARE(table.build(text), qint16(lines.size()));
    QCOMPARE(table.lineCount(), qint16(lines.size()));
    QVERIFY(table.at(0).isEmpty());
    for (int k = 1; k <= lines.size(); ++k)
        QCOMPARE(table.at(k), lines.at(k - 1) + "\r\n");
    QVERIFY(table.at(lines.size() + 1).isEmpty());
    QVERIFY(table.upperIndex() >= 20);
}

void TestStepTable::growsForLongDocuments()
{
    QStringList lines;
    for (int i = 1; i <= 25; ++i)
        lines << QStringLiteral("riga %1").arg(i);
    StepTable table;
    QCOMPARE(table.build(lines.join("\r\n")), qint16(25));
    QCOMPARE(table.at(25), QStringLiteral("riga 25\r\n"));
    QCOMPARE(table.upperIndex(), 26);
    QVERIFY(table.at(26).isEmpty());
    table.build("A");
    QCOMPARE(table.upperIndex(), 20);  // rebuilt afresh
}

void TestStepTable::refusesWhatA16BitCounterCannotCount()
{
    StepTable table;
    QCOMPARE(table.build(QString("\r\n").repeated(kMaximumLines - 1)), qint16(kMaximumLines));
    QCOMPARE(table.build(QString("\r\n").repeated(kMaximumLines)), qint16(0));
    QCOMPARE(table.lineCount(), qint16(0));
    QVERIFY(table.at(1).isEmpty());
}

void TestStepTable::counterStopsAtItsLimit()
{
    qint16 counter = 32766;
    QVERIFY(checkedIncrement(counter));
    QCOMPARE(counter, qint16(32767));
    QVERIFY(!checkedIncrement(counter));
    QCOMPARE(counter, qint16(32767));
}

QUINTAVIA_TEST_MAIN(TestStepTable)
#include "tst_step_table.moc"
