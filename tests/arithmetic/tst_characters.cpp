// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A line written with other blanks or signs than the keypad's is its plain twin to the reader and
// to the step match alike.
#include "arithmetic/arithmetic.h"

#include <QTest>

using namespace quintavia::arithmetic;

namespace {

QString reading(const QString& plain)
{
    const Reading r = readLine(plainLine(plain.toStdString()));
    switch (r.kind) {
    case Reading::Kind::Valued: return QString::fromStdString(r.value.written(r.notation));
    case Reading::Kind::Faulty:
        return QStringLiteral("%1: %2").arg(r.problem.column).arg(QString::fromStdString(r.problem.message));
    case Reading::Kind::Text: break;
    }
    return QStringLiteral("testo");
}

}  // namespace

class TestCharacters : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        QCOMPARE(reading(line), reading(twin));
        QVERIFY(stepsMatch(plainLine(line.toStdString()), plainLine(twin.toStdString())));
        QVERIFY(stepsMatch(plainLine(twin.toStdString()), plainLine(line.toStdString())));
    }
};

QTEST_APPLESS_MAIN(TestCharacters)
#include "tst_characters.moc"
