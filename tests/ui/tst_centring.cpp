// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_main.h"
#include "ui/window_builder.h"

#include <QTest>

using namespace quintavia;

class TestCentring : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frameIsCentred_data();
    void frameIsCentred();
};

void TestCentring::frameIsCentred_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QPoint>("topLeft");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("no frame yet") << screen << QSize(634, 455) << QMargins() << QPoint(323, 284);
    // A 20-pixel title bar moves the frame up by half of it, not the client area down.
    QTest::newRow("title bar") << screen << QSize(634, 455) << QMargins(1, 20, 1, 1) << QPoint(322, 274);
    QTest::newRow("on the owner") << QRect(100, 50, 800, 600) << QSize(400, 300) << QMargins(4, 30, 4, 4)
                                  << QPoint(296, 183);
    QTest::newRow("larger than the area")
        << QRect(0, 0, 300, 200) << QSize(400, 300) << QMargins() << QPoint(-50, -50);
}

void TestCentring::frameIsCentred()
{
    QFETCH(QRect, area);
    QFETCH(QSize, client);
    QFETCH(QMargins, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(ui::centredFramePosition(area, client, frame), topLeft);
}

QUINTAVIA_TEST_MAIN(TestCentring)
#include "tst_centring.moc"
