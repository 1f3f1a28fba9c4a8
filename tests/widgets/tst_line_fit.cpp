// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_main.h"
#include "widgets/line_fit.h"

using namespace quintavia::widgets;

class TestLineFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sizeForAWidth_data();
    void sizeForAWidth();
};

void TestLineFit::sizeForAWidth_data()
{
    QTest::addColumn<double>("width");  // at the ordinary size
    QTest::addColumn<double>("points");
    QTest::newRow("fits") << 300.0 << 12.0;
    QTest::newRow("exactly the room") << 400.0 << 12.0;
    QTest::newRow("a little wider: a little smaller") << 480.0 << 10.0;
    QTest::newRow("at the smallest size, just") << 400.0 * 12 / 9 << 9.0;
    QTest::newRow("too wide even then: the smallest") << 600.0 << 9.0;
    QTest::newRow("empty") << 0.0 << 12.0;
}

void TestLineFit::sizeForAWidth()
{
    QFETCH(double, width);
    QFETCH(double, points);
    QCOMPARE(fittingPoints(width, 400), points);
}

QUINTAVIA_TEST_MAIN(TestLineFit)
#include "tst_line_fit.moc"
