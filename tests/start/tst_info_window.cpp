// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_switch.h"
#include "shell/window_registry.h"
#include "start/info_window.h"
#include "test_harness.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QToolButton>

using namespace quintavia;

namespace {

// The start window shown and active, then the about window opened from it.
struct Opened {
    QWidget* start = nullptr;
    QPointer<QWidget> info;
};

Opened openAbout(test::Harness& h)
{
    Opened o;
    o.start = h.registry.load(WindowKind::Start);
    o.start->show();
    o.start->activateWindow();
    if (!QTest::qWaitForWindowActive(o.start))
        return o;
    QTest::mouseClick(o.start->findChild<QToolButton*>(QStringLiteral("cmdInfo")), Qt::LeftButton);
    o.info = h.registry.find(WindowKind::Info);
    if (o.info && !QTest::qWaitForWindowActive(o.info))
        o.info = nullptr;
    return o;
}

QToolButton* okButton(QWidget* info)
{
    return info->findChild<QToolButton*>(QStringLiteral("cmdOK"));
}

// Rows of the window's surface that hold ink of `colour`.
QList<int> inkRows(const QImage& image, QColor colour)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                rows.append(y);
                break;
            }
    return rows;
}

}  // namespace

class TestInfoWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void okClosesOnceAndReturnsToStart();
    void secondUnloadNeitherFailsNorRecreates();
    void otherWindowsActivated_data();
    void otherWindowsActivated();
    void silentWithSoundsOff();
    void linesAreDrawnFromTheTopLeft();
    void openedCentredOverTheStartWindow();
};

void TestInfoWindow::okClosesOnceAndReturnsToStart()
{
    test::Harness h;
    Opened o = openAbout(h);
    QVERIFY(o.info);
    QCOMPARE(o.info->objectName(), QStringLiteral("frmInfo"));
    QCOMPARE(o.info->windowTitle(), QStringLiteral("Info"));
    int destroyed = 0;
    connect(o.info, &QObject::destroyed, this, [&destroyed] { ++destroyed; });
    h.sound.played.clear();

    QTest::mouseClick(okButton(o.info), Qt::LeftButton);
    // Hiding deactivates the window in the middle of the OK handler: still one sound, one end.
    QCOMPARE(h.sound.played, QList<int>{107});
    QVERIFY(!h.registry.find(WindowKind::Info));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(destroyed, 1);
    QVERIFY(!o.info);
    QVERIFY(o.start->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(o.start));
    QCOMPARE(QApplication::activeWindow(), o.start);
}

void TestInfoWindow::secondUnloadNeitherFailsNorRecreates()
{
    test::Harness h;
    Opened o = openAbout(h);
    QVERIFY(o.info);
    int destroyed = 0;
    connect(o.info, &QObject::destroyed, this, [&destroyed] { ++destroyed; });
    auto* info = qobject_cast<InfoWindow*>(o.info.data());
    QVERIFY(info);
    info->dismiss();
    info->dismiss();
    h.registry.unload(WindowKind::Info);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    h.registry.unload(WindowKind::Info);
    QCOMPARE(destroyed, 1);
    QVERIFY(!h.registry.find(WindowKind::Info));
    QCOMPARE(h.sound.played, (QList<int>{106, 107}));
}

void TestInfoWindow::otherWindowsActivated_data()
{
    // Windows activated in turn: "other" is another application's window, "start" and "info"
    // are the program's own.
    QTest::addColumn<QStringList>("route");
    QTest::addColumn<bool>("stillOpen");
    QTest::newRow("another application") << QStringList{"other"} << true;
    QTest::newRow("another application and back") << QStringList{"other", "info"} << true;
    QTest::newRow("start window") << QStringList{"start"} << false;
    QTest::newRow("another application, then start") << QStringList{"other", "start"} << false;
}

void TestInfoWindow::otherWindowsActivated()
{
    QFETCH(QStringList, route);
    QFETCH(bool, stillOpen);
    test::Harness h;
    Opened o = openAbout(h);
    QVERIFY(o.info);
    h.sound.played.clear();
    QWidget other;  // not one of the program's windows
    other.setObjectName(QStringLiteral("other"));
    other.resize(50, 50);
    other.show();
    for (const QString& step : route) {
        QWidget* w = step == u"other" ? &other : step == u"start" ? o.start : o.info.data();
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(bool(o.info), stillOpen);
    QCOMPARE(bool(h.registry.find(WindowKind::Info)), stillOpen);
    QCOMPARE(h.sound.played, stillOpen ? QList<int>{} : QList<int>{107});
    if (stillOpen)
        QVERIFY(o.info->isVisible());
}

void TestInfoWindow::silentWithSoundsOff()
{
    test::Harness h;
    soundSwitch() = 1;
    Opened o = openAbout(h);
    QVERIFY(o.info);
    QTest::mouseClick(okButton(o.info), Qt::LeftButton);
    QVERIFY(h.sound.played.isEmpty());
    QVERIFY(!h.registry.find(WindowKind::Info));
}

void TestInfoWindow::linesAreDrawnFromTheTopLeft()
{
    test::Harness h;
    Opened o = openAbout(h);
    QVERIFY(o.info);
    const QStringList lines = InfoWindow::lines();
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.first().isEmpty());
    QCOMPARE(lines.at(1), QStringLiteral("   Buon lavoro da:"));
    QVERIFY(lines.at(4).startsWith(QStringLiteral("   e-mail: ")));
    for (const QString& line : lines.mid(2))
        QVERIFY(line.startsWith(QStringLiteral("   ")) && line.at(3) != u' ');

    // Painted afresh each time, so a covered window shows them again.
    const QImage image = o.info->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor ink(0, 0, 192);
    const QList<int> rows = inkRows(image, ink);
    QVERIFY(!rows.isEmpty());
    const QFontMetrics metrics(o.info->font());
    // The first line is empty and the last one ends above the OK button.
    QVERIFY(rows.first() >= metrics.lineSpacing());
    QVERIFY(rows.last() < 5 * metrics.lineSpacing());
    QVERIFY(rows.last() < okButton(o.info)->y());
    // Three blanks before every line.
    int leftmost = image.width();
    for (int y : rows)
        for (int x = 0; x < leftmost; ++x)
            if (image.pixelColor(x, y) == ink)
                leftmost = x;
    QVERIFY(leftmost >= metrics.horizontalAdvance(QStringLiteral("   ")) - 1);
    QCOMPARE(image.pixelColor(image.width() - 2, 2), QColor(255, 255, 192));
}

void TestInfoWindow::openedCentredOverTheStartWindow()
{
    test::Harness h;
    Opened o = openAbout(h);
    QVERIFY(o.info);
    QCOMPARE(o.info->size(), QSize(467, 230));
    QVERIFY(o.start->isVisible());
    const QPoint offset = o.info->frameGeometry().center() - o.start->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 40,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

QUINTAVIA_TEST_MAIN(TestInfoWindow)
#include "tst_info_window.moc"
