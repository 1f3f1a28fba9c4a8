// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "test_harness.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QWindow>

using namespace quintavia;

Q_DECLARE_METATYPE(quintavia::WindowKind)

class TestWindowSetup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWindowIsTopmostWithoutCloseBox_data();
    void everyWindowIsTopmostWithoutCloseBox();
    void keepOnTopKeepsAShownWindowWhereItWas();
};

void TestWindowSetup::everyWindowIsTopmostWithoutCloseBox_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("start") << WindowKind::Start << "frmStart";
    QTest::newRow("solver") << WindowKind::Solver << "frmQuintavia";
    QTest::newRow("editor") << WindowKind::Editor << "frmEditor";
    QTest::newRow("about") << WindowKind::Info << "frmInfo";
}

void TestWindowSetup::everyWindowIsTopmostWithoutCloseBox()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, name);
    test::Harness h;
    QWidget* window = h.registry.load(kind);
    QVERIFY(window);
    QCOMPARE(window->objectName(), name);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(closeCommandRemoved(window));

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The window manager's close request (close box, Alt+F4) is refused...
    QVERIFY(window->windowHandle());
    QCloseEvent request;
    QCoreApplication::sendEvent(window->windowHandle(), &request);
    QVERIFY(!request.isAccepted());
    QVERIFY(window->isVisible());
    QVERIFY(h.registry.find(kind) == window);
    // ...while the program's own close and unload still work.
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
    QPointer<QWidget> watched = window;
    h.registry.unload(kind);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watched);
}

void TestWindowSetup::keepOnTopKeepsAShownWindowWhereItWas()
{
    // Changing the flags re-creates the native window; it must come back visible, same place.
    QWidget shown;
    shown.setGeometry(120, 90, 60, 40);
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    const QRect before = shown.geometry();
    inPrimoPiano(&shown);
    QVERIFY(shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(shown.isVisible());
    QCOMPARE(shown.geometry(), before);
    QVERIFY(!shown.testAttribute(Qt::WA_ShowWithoutActivating));
}

QUINTAVIA_TEST_MAIN(TestWindowSetup)
#include "tst_window_setup.moc"
