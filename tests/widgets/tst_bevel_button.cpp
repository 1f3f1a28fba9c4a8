// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_main.h"
#include "widgets/bevel_button.h"

using namespace quintavia;

namespace {

// The colours of a column of the button's edge, its corners left out.
QSet<QRgb> column(const QImage& image, int x)
{
    QSet<QRgb> colours;
    for (int y = 4; y < image.height() - 4; ++y)
        colours.insert(image.pixel(x, y) & 0xffffff);
    return colours;
}

}  // namespace

class TestBevelButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void edgesShowTheState_data();
    void edgesShowTheState();
};

void TestBevelButton::edgesShowTheState_data()
{
    const QColor face(128, 255, 255);
    QTest::addColumn<QString>("state");
    QTest::addColumn<QSet<QRgb>>("left");
    QTest::addColumn<QSet<QRgb>>("right");
    const QRgb light = face.lighter(150).rgb() & 0xffffff;
    const QRgb dark = face.darker(170).rgb() & 0xffffff;
    const QSet<QRgb> dashes{0x000000, face.rgb() & 0xffffff};
    QTest::newRow("raised") << "raised" << QSet<QRgb>{light} << QSet<QRgb>{dark};
    QTest::newRow("pressed") << "pressed" << QSet<QRgb>{dark} << QSet<QRgb>{light};
    QTest::newRow("checked") << "checked" << QSet<QRgb>{dark} << QSet<QRgb>{light};
    QTest::newRow("focus: dashes seen on any face") << "focus" << dashes << dashes;
}

void TestBevelButton::edgesShowTheState()
{
    QFETCH(QString, state);
    QFETCH(QSet<QRgb>, left);
    QFETCH(QSet<QRgb>, right);
    QWidget window;
    window.resize(200, 100);
    auto* button = new BevelButton(QColor(128, 255, 255), Qt::black, &window);
    button->setGeometry(10, 10, 120, 60);
    button->setFocusPolicy(state == QLatin1String("focus") ? Qt::StrongFocus : Qt::NoFocus);
    button->setCheckable(true);
    button->setDown(state == QLatin1String("pressed"));
    button->setChecked(state == QLatin1String("checked"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (state == QLatin1String("focus")) {
        window.activateWindow();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
    }
    const QImage image = button->grab().toImage();
    QCOMPARE(column(image, 0), left);
    QCOMPARE(column(image, 1), left);
    QCOMPARE(column(image, 118), right);
    QCOMPARE(column(image, 119), right);
    QCOMPARE(image.pixel(60, 30) & 0xffffff, 0x80ffffu);  // the face, inside the edge
}

QUINTAVIA_TEST_MAIN(TestBevelButton)
#include "tst_bevel_button.moc"
