// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/prerendered_pictures.h"
#include "test_main.h"
#include "ui/editor_layout.h"
#include "ui/info_layout.h"
#include "ui/solver_layout.h"
#include "ui/start_layout.h"
#include "ui/window_builder.h"

#include <QWidget>

using namespace quintavia;

namespace {

const ui::WindowSpec* layoutNamed(const QString& name)
{
    for (const ui::WindowSpec* layout :
         {&ui::startLayout(), &ui::infoLayout(), &ui::solverLayout(), &ui::editorLayout()})
        if (QString::fromUtf8(layout->name) == name)
            return layout;
    return nullptr;
}

}  // namespace

class TestPrerendered : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnAsTheProgramWouldDrawIt_data();
    void drawnAsTheProgramWouldDrawIt();
    void windowsFindEveryPicture_data();
    void windowsFindEveryPicture();
};

void TestPrerendered::drawnAsTheProgramWouldDrawIt_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QImage>("prerendered");
    for (const ui::PrerenderedPicture& p : prerenderedPictures())
        QTest::newRow(p.key) << QString::fromUtf8(p.key)
                             << QImage(p.pixels, p.width, p.height, QImage::Format_ARGB32_Premultiplied);
}

// A picture drawn at build time must be the picture the SVG file gives now, at the size it says.
void TestPrerendered::drawnAsTheProgramWouldDrawIt()
{
    QFETCH(QString, key);
    QFETCH(QImage, prerendered);
    const qsizetype at = key.lastIndexOf(QLatin1Char('@'));
    const QString what = key.left(at);
    const QString size = key.mid(at + 1);
    QImage expected;
    if (size == QLatin1String("background")) {
        const ui::WindowSpec* layout = layoutNamed(what);
        QVERIFY(layout);
        expected = ui::composeBackground(*layout, Qt::transparent, 1.0);
    } else {
        const QStringList sides = size.split(QLatin1Char('x'));
        QCOMPARE(sides.size(), 2);
        expected = ui::renderSvg(what, QSize(sides[0].toInt(), sides[1].toInt()), 1.0);
    }
    QCOMPARE(prerendered, expected);
}

void TestPrerendered::windowsFindEveryPicture_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"frmStart", "frmInfo", "frmQuintavia", "frmEditor"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Building a window draws no SVG file when the program's pictures are in use.
void TestPrerendered::windowsFindEveryPicture()
{
    QFETCH(QString, name);
    const ui::WindowSpec* layout = layoutNamed(name);
    QVERIFY(layout);
    ui::usePrerenderedPictures(prerenderedPictures());
    QWidget window;
    ui::buildWindow(&window, *layout);
    QCOMPARE(ui::prerenderedMisses(), 0);
    ui::usePrerenderedPictures({});
}

QUINTAVIA_TEST_MAIN(TestPrerendered)
#include "tst_prerendered.moc"
