// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_switch.h"
#include "shell/window_registry.h"
#include "test_harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>

using namespace quintavia;

namespace {

QWidget* startWindow(test::Harness& h)
{
    QWidget* start = h.registry.load(WindowKind::Start);
    start->show();
    start->activateWindow();
    return start;
}

QToolButton* control(QWidget* start, const char* name)
{
    return start->findChild<QToolButton*>(QLatin1String(name));
}

// Leaves a working window by its exit button where it has one; otherwise the way that button
// does it: the start window is shown again and the working window destroyed.
void leave(test::Harness& h, WindowKind kind)
{
    QWidget* window = h.registry.find(kind);
    if (!window)
        return;
    auto* exit = window->findChild<QAbstractButton*>(QStringLiteral("Cmd_esci"));
    if (exit && exit->isVisibleTo(window) && exit->isEnabled())
        QTest::mouseClick(exit, Qt::LeftButton);
    if (h.registry.find(kind)) {
        h.registry.load(WindowKind::Start)->show();
        h.registry.unload(kind);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int programWindowsAlive()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString name = w->objectName();
        if (name == u"frmStart" || name == u"frmQuintavia" || name == u"frmEditor" || name == u"frmInfo")
            ++count;
    }
    return count;
}

}  // namespace

class TestStartWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void buttonsPlayAndNavigate_data();
    void buttonsPlayAndNavigate();
    void switchTurnsSoundsOffSilentlyAndOnWithASound();
    void keysToggleTheFocusedSwitch_data();
    void keysToggleTheFocusedSwitch();
    void silentVisitsKeepTheSwitch();
    void clickOnStartClosesAboutFirst_data();
    void clickOnStartClosesAboutFirst();
    void pointerMovesTheFocus_data();
    void pointerMovesTheFocus();
    void versionLabelShowsProgramVersion();
    void skyIsDrawnAtItsOwnSize();
    void manyRoundTripsLeakNoWindows();
};

void TestStartWindow::cleanup()
{
    QCOMPARE(programWindowsAlive(), 0);
}

void TestStartWindow::buttonsPlayAndNavigate_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("sound");
    QTest::addColumn<QString>("shown");  // the other window shown, if any
    QTest::addColumn<bool>("startVisible");
    QTest::addColumn<int>("endCalls");
    QTest::newRow("solver") << "cmdQuintavia" << 106 << "frmQuintavia" << false << 0;
    QTest::newRow("editor") << "cmdEditor" << 106 << "frmEditor" << false << 0;
    QTest::newRow("about") << "cmdInfo" << 106 << "frmInfo" << true << 0;
    QTest::newRow("exit") << "cmdEsci" << 107 << "" << true << 1;
}

void TestStartWindow::buttonsPlayAndNavigate()
{
    QFETCH(QString, button);
    QFETCH(int, sound);
    QFETCH(QString, shown);
    QFETCH(bool, startVisible);
    QFETCH(int, endCalls);
    test::Harness h;
    QWidget* start = startWindow(h);
    QVERIFY(QTest::qWaitForWindowActive(start));
    // Sounds are on from the start, without touching the switch.
    QTest::mouseClick(control(start, button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(h.sound.played, QList<int>{sound});
    QCOMPARE(start->isVisible(), startVisible);
    QCOMPARE(h.endProgramCalls, endCalls);
    bool found = shown.isEmpty();
    for (WindowKind kind : {WindowKind::Solver, WindowKind::Editor, WindowKind::Info}) {
        QWidget* w = h.registry.find(kind);
        const bool expected = w && w->objectName() == shown;
        found = found || expected;
        QCOMPARE(w && w->isVisible(), expected);
    }
    QVERIFY(found);
    QVERIFY(h.dialogs.shown.isEmpty());
}

void TestStartWindow::switchTurnsSoundsOffSilentlyAndOnWithASound()
{
    test::Harness h;
    QWidget* start = startWindow(h);
    QToolButton* check = control(start, "Check1");
    QVERIFY(check && check->isCheckable());
    QVERIFY(!check->isChecked());

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(h.sound.played.isEmpty());
    QCOMPARE(soundSwitch(), std::optional<int>(1));
    QVERIFY(check->isChecked());
    if (QFile::exists(QStringLiteral(":/pictures/speaker_off.svg")))
        QVERIFY(check->icon().pixmap(32, QIcon::Normal, QIcon::On).toImage()
                != check->icon().pixmap(32, QIcon::Normal, QIcon::Off).toImage());

    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(h.sound.played, QList<int>{102});
    QCOMPARE(soundSwitch(), std::optional<int>(0));
    QVERIFY(!check->isChecked());

    // The keyboard reaches the same switch.
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(h.sound.played, QList<int>{102});
    QVERIFY(!soundsOn());
    QVERIFY(check->isChecked());
}

void TestStartWindow::keysToggleTheFocusedSwitch_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::newRow("Space") << int(Qt::Key_Space) << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
}

void TestStartWindow::keysToggleTheFocusedSwitch()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    test::Harness h;
    QWidget* start = startWindow(h);
    QToolButton* check = control(start, "Check1");
    check->setFocus();
    const auto press
        = [&] { QTest::keyClick(check, Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier); };
    press();
    QVERIFY(check->isChecked());
    QCOMPARE(soundSwitch(), std::optional<int>(1));
    QVERIFY(h.sound.played.isEmpty());
    press();
    QVERIFY(!check->isChecked());
    QCOMPARE(soundSwitch(), std::optional<int>(0));
    QCOMPARE(h.sound.played, QList<int>{102});
    QVERIFY(start->isVisible());  // nothing else was pressed
}

void TestStartWindow::silentVisitsKeepTheSwitch()
{
    test::Harness h;
    QWidget* start = startWindow(h);
    QTest::mouseClick(control(start, "Check1"), Qt::LeftButton);
    for (int visit = 0; visit < 3; ++visit) {
        for (auto [button, kind] :
             {std::pair{"cmdQuintavia", WindowKind::Solver}, std::pair{"cmdEditor", WindowKind::Editor}}) {
            QTest::mouseClick(control(start, button), Qt::LeftButton);
            QVERIFY(h.registry.find(kind));
            QVERIFY(!start->isVisible());
            leave(h, kind);
            QCOMPARE(h.registry.load(WindowKind::Start), start);  // the same window, not a new one
            QVERIFY(start->isVisible());
        }
        QTest::mouseClick(control(start, "cmdInfo"), Qt::LeftButton);
        QTest::mouseClick(h.registry.find(WindowKind::Info)->findChild<QToolButton*>("cmdOK"),
                          Qt::LeftButton);
    }
    QVERIFY(h.sound.played.isEmpty());
    QVERIFY(control(start, "Check1")->isChecked());
    QCOMPARE(soundSwitch(), std::optional<int>(1));
}

void TestStartWindow::clickOnStartClosesAboutFirst_data()
{
    QTest::addColumn<bool>("activateFirst");  // as a window manager does on a click
    QTest::newRow("activation, then click") << true;
    QTest::newRow("click only") << false;
}

void TestStartWindow::clickOnStartClosesAboutFirst()
{
    QFETCH(bool, activateFirst);
    test::Harness h;
    QWidget* start = startWindow(h);
    QTest::mouseClick(control(start, "cmdInfo"), Qt::LeftButton);
    QPointer<QWidget> first = h.registry.find(WindowKind::Info);
    QVERIFY(first && first->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(first));
    h.sound.played.clear();

    if (activateFirst) {
        start->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(start));
        QCOMPARE(h.sound.played, QList<int>{107});
    }
    QTest::mouseClick(control(start, "cmdInfo"), Qt::LeftButton);
    QCOMPARE(h.sound.played, (QList<int>{107, 106}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QWidget* second = h.registry.find(WindowKind::Info);
    QVERIFY(second && second->isVisible());
    QVERIFY(start->isVisible());

    // A click on the bare window closes it too.
    QVERIFY(QTest::qWaitForWindowActive(second));
    h.sound.played.clear();
    QTest::mouseClick(start, Qt::LeftButton, {}, QPoint(20, 440));
    QCOMPARE(h.sound.played, QList<int>{107});
    QVERIFY(!h.registry.find(WindowKind::Info));
}

void TestStartWindow::pointerMovesTheFocus_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"cmdQuintavia", "cmdEditor", "cmdInfo", "cmdEsci", "Check1"})
        QTest::newRow(name) << name;
}

void TestStartWindow::pointerMovesTheFocus()
{
    QFETCH(QString, name);
    test::Harness h;
    QWidget* start = startWindow(h);
    QVERIFY(QTest::qWaitForWindowActive(start));
    // Start from a control far from the target.
    QToolButton* other = control(start, name == u"cmdEsci" ? "cmdQuintavia" : "cmdEsci");
    other->setFocus();
    QVERIFY(other->hasFocus());
    QTest::mouseMove(start, QPoint(5, 5));
    QToolButton* target = control(start, name.toLatin1().constData());
    QTest::mouseMove(target, target->rect().center());
    QTRY_VERIFY(target->hasFocus());
    // Focus only: nothing was pressed.
    QVERIFY(h.sound.played.isEmpty());
    QVERIFY(start->isVisible());
    QVERIFY(!h.registry.find(WindowKind::Info));
    QVERIFY(!target->isChecked());
    QCOMPARE(target->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(target->cursor().hotSpot(), QPoint(6, 5));
    QTest::mouseMove(start, QPoint(5, 5));
}

void TestStartWindow::versionLabelShowsProgramVersion()
{
    test::Harness h;
    QWidget* start = startWindow(h);
    auto* version = start->findChild<QLabel*>(QStringLiteral("Label4"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("3.0"));
    QCOMPARE(version->text(), QStringLiteral(QUINTAVIA_VERSION));
    QCOMPARE(start->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Versione"));
}

void TestStartWindow::skyIsDrawnAtItsOwnSize()
{
    test::Harness h;
    QWidget* start = startWindow(h);
    QCOMPARE(start->size(), QSize(634, 455));
    const QImage shown = start->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage sky(900, 601, QImage::Format_RGB32);
    sky.fill(Qt::black);
    {
        QPainter painter(&sky);
        QSvgRenderer(QStringLiteral(":/pictures/sky.svg")).render(&painter);
    }
    // Spots clear of every control: the picture neither scaled to the window nor tiled.
    int same = 0;
    const QList<QPoint> spots{{2, 2}, {30, 120}, {600, 140}, {590, 430}, {20, 440}, {630, 300}};
    for (const QPoint& p : spots)
        if (qAbs(shown.pixelColor(p).blue() - sky.pixelColor(p).blue()) <= 2
            && qAbs(shown.pixelColor(p).red() - sky.pixelColor(p).red()) <= 2)
            ++same;
    QCOMPARE(same, spots.size());
}

void TestStartWindow::manyRoundTripsLeakNoWindows()
{
    test::Harness h;
    QWidget* start = startWindow(h);
    const int before = QApplication::topLevelWidgets().size();
    constexpr int trips = 25;
    int destroyed = 0;
    for (int trip = 0; trip < trips; ++trip) {
        // Each visit starts afresh: a new working window, destroyed when left.
        for (auto [button, kind] :
             {std::pair{"cmdQuintavia", WindowKind::Solver}, std::pair{"cmdEditor", WindowKind::Editor}}) {
            QTest::mouseClick(control(start, button), Qt::LeftButton);
            QWidget* window = h.registry.find(kind);
            QVERIFY(window && window->isVisible());
            connect(window, &QObject::destroyed, this, [&destroyed] { ++destroyed; });
            leave(h, kind);
        }
        QTest::mouseClick(control(start, "cmdInfo"), Qt::LeftButton);
        QTest::mouseClick(h.registry.find(WindowKind::Info)->findChild<QToolButton*>("cmdOK"),
                          Qt::LeftButton);
        QCOMPARE(programWindowsAlive(), 1);
    }
    QCOMPARE(destroyed, 2 * trips);
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
    QVERIFY(start->isVisible());
}

QUINTAVIA_TEST_MAIN(TestStartWindow)
#include "tst_start_window.moc"
