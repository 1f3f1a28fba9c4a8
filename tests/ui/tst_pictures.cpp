// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_main.h"
#include "ui/pictures.h"

#include <QDirIterator>
#include <QImage>
#include <QLoggingCategory>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTest>

using namespace quintavia;

namespace {

// Qt's SVG renderer reports what it cannot draw as warnings; collect them while a file loads.
QStringList g_svgWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectSvgWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && QByteArray(context.category).startsWith("qt.svg")) {
        g_svgWarnings << message;
        return;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

QStringList compiledInSvgs()
{
    QStringList files;
    for (const QString& dir : {QStringLiteral(":/icons"), QStringLiteral(":/pictures")}) {
        QDirIterator it(dir, {QStringLiteral("*.svg")}, QDir::Files);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    return files;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pictureHasItsSize_data();
    void pictureHasItsSize();
    void everySvgLoadsWithoutComplaint_data();
    void everySvgLoadsWithoutComplaint();
    void cursorHotSpotIsOnTheFingertip();
};

void TestPictures::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(collectSvgWarnings);
}

void TestPictures::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
}

void TestPictures::pictureHasItsSize_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    const QSize icon(32, 32);
    for (const char* name : {"start", "solver", "editor", "info"})
        QTest::newRow(name) << QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)) << icon;
    QTest::newRow("quintavia") << QStringLiteral(":/icons/quintavia.svg") << QSize(256, 256);
    QTest::newRow("sky") << QStringLiteral(":/pictures/sky.svg") << QSize(900, 601);
    QTest::newRow("btn_risoluzione") << QStringLiteral(":/pictures/btn_risoluzione.svg") << QSize(261, 41);
    QTest::newRow("btn_editor") << QStringLiteral(":/pictures/btn_editor.svg") << QSize(261, 41);
    QTest::newRow("btn_info") << QStringLiteral(":/pictures/btn_info.svg") << QSize(101, 37);
    QTest::newRow("btn_esci") << QStringLiteral(":/pictures/btn_esci.svg") << QSize(101, 37);
    QTest::newRow("ok_button") << QStringLiteral(":/pictures/ok_button.svg") << QSize(113, 33);
    QTest::newRow("clipart") << QStringLiteral(":/pictures/clipart.svg") << QSize(400, 400);
    for (const char* name : {"speaker_on", "speaker_off", "door_exit", "backspace", "invio", "pointing_hand"})
        QTest::newRow(name) << QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)) << icon;
}

void TestPictures::pictureHasItsSize()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QSvgRenderer renderer(resource);
    QVERIFY2(renderer.isValid(), qPrintable(resource));
    QCOMPARE(renderer.defaultSize(), size);
    // Drawn at its own size from the top-left: the view box must match, or the picture shifts.
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), size));
}

void TestPictures::everySvgLoadsWithoutComplaint_data()
{
    QTest::addColumn<QString>("resource");
    const QStringList files = compiledInSvgs();
    QVERIFY(!files.isEmpty());
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TestPictures::everySvgLoadsWithoutComplaint()
{
    QFETCH(QString, resource);
    g_svgWarnings.clear();
    QSvgRenderer renderer(resource);
    QVERIFY(renderer.isValid());
    const QImage image = ui::svgPixmap(resource, renderer.defaultSize(), 1.0).toImage();
    QVERIFY2(g_svgWarnings.isEmpty(), qPrintable(g_svgWarnings.join(QLatin1Char('\n'))));
    // Something was drawn: an empty picture means the file parsed but nothing in it is supported.
    bool painted = false;
    for (int y = 0; y < image.height() && !painted; ++y)
        for (int x = 0; x < image.width() && !painted; ++x)
            painted = qAlpha(image.pixel(x, y)) > 0;
    QVERIFY(painted);
}

void TestPictures::cursorHotSpotIsOnTheFingertip()
{
    const QImage hand
        = ui::svgPixmap(QStringLiteral(":/pictures/pointing_hand.svg"), QSize(32, 32), 1.0).toImage();
    // The hot spot (6, 5) lies on the hand, and nothing of the hand rises two pixels above it.
    QCOMPARE(qAlpha(hand.pixel(6, 5)), 255);
    for (int x = 0; x < 32; ++x)
        QCOMPARE(qAlpha(hand.pixel(x, 3)), 0);
}

QUINTAVIA_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
