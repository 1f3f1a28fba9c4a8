// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "test_harness.h"

#include <QAbstractButton>
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
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
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

void TestWindowSetup::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("keypadEnter");
    QTest::addColumn<QList<int>>("sounds");
    QTest::addColumn<WindowKind>("shown");  // the window the click leaves on screen
    QTest::newRow("start, Info") << WindowKind::Start << "cmdInfo" << false << QList<int>{106}
                                 << WindowKind::Info;
    QTest::newRow("start, Risoluzione, keypad")
        << WindowKind::Start << "cmdQuintavia" << true << QList<int>{106} << WindowKind::Solver;
    QTest::newRow("solver, Esci") << WindowKind::Solver << "Cmd_esci" << false << QList<int>{107}
                                  << WindowKind::Start;
    QTest::newRow("editor, Nuova, keypad")
        << WindowKind::Editor << "cmdNuovo" << true << QList<int>{107} << WindowKind::Editor;
    QTest::newRow("editor, Esci") << WindowKind::Editor << "Cmd_esci" << false << QList<int>{107}
                                  << WindowKind::Start;
    QTest::newRow("about, OK") << WindowKind::Info << "cmdOK" << false << QList<int>{107}
                               << WindowKind::Start;
}

void TestWindowSetup::enterPressesTheFocusedButton()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, button);
    QFETCH(bool, keypadEnter);
    QFETCH(QList<int>, sounds);
    QFETCH(WindowKind, shown);
    test::Harness h;
    h.registry.load(WindowKind::Start)->show();
    QWidget* window = h.registry.load(kind);
    window->show();
    auto* target = window->findChild<QAbstractButton*>(button);
    QVERIFY(target);
    target->setFocus();
    if (keypadEnter)
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(h.sound.played, sounds);
    QWidget* after = h.registry.find(shown);
    QVERIFY(after && after->isVisible());
}

QUINTAVIA_TEST_MAIN(TestWindowSetup)
#include "tst_window_setup.moc"
