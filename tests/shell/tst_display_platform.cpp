// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/display_platform.h"
#include "test_main.h"

#include <QTest>

#include <vector>

using namespace quintavia;

class TestDisplayPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choice_data();
    void choice();
};

void TestDisplayPlatform::choice_data()
{
    QTest::addColumn<QByteArray>("qpaPlatform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<QByteArray>("chosen");
    const QList<QByteArray> none;
    QTest::newRow("X11, or Wayland with XWayland")
        << QByteArray() << QByteArray(":1") << none << QByteArray("xcb");
    QTest::newRow("Wayland only: Qt's choice") << QByteArray() << QByteArray() << none << QByteArray();
    QTest::newRow("QT_QPA_PLATFORM chosen")
        << QByteArray("wayland") << QByteArray(":0") << none << QByteArray();
    QTest::newRow("-platform chosen")
        << QByteArray() << QByteArray(":0") << QList<QByteArray>{"-platform", "wayland"} << QByteArray();
    QTest::newRow("--platform chosen")
        << QByteArray() << QByteArray(":0") << QList<QByteArray>{"--platform", "offscreen"} << QByteArray();
    QTest::newRow("-platform without a name is no choice")
        << QByteArray() << QByteArray(":0") << QList<QByteArray>{"-platform"} << QByteArray("xcb");
    QTest::newRow("-platformtheme is another option")
        << QByteArray() << QByteArray(":0") << QList<QByteArray>{"-platformtheme", "gtk3"}
        << QByteArray("xcb");
}

void TestDisplayPlatform::choice()
{
    QFETCH(QByteArray, qpaPlatform);
    QFETCH(QByteArray, display);
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(QByteArray, chosen);
    std::vector<const char*> argv{"quintavia"};
    for (const QByteArray& argument : arguments)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);
    QCOMPARE(chooseQtPlatform(qpaPlatform, display, int(argv.size()) - 1, argv.data()), chosen);
}

QUINTAVIA_TEST_MAIN(TestDisplayPlatform)
#include "tst_display_platform.moc"
