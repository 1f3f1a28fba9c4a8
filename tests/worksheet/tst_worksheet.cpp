// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/char_format.h"
#include "document/document_file.h"
#include "sheet_pdf.h"
#include "test_main.h"
#include "worksheet/worksheet.h"

#include <QImage>
#include <QPdfWriter>
#include <QTextCursor>

using namespace quintavia;
using namespace quintavia::worksheet;
using test::firstMissingInOrder;
using test::pdfText;

namespace {

// An exercise "<n>000 + <steps>" whose steps count down to <n>000, every line unlike any other.
Exercise countdown(int n, int steps)
{
    Exercise exercise;
    exercise.name = QStringLiteral("es%1.rtf").arg(n);
    exercise.lines.append({Run{QStringLiteral("%1 + %2").arg(n * 1000).arg(steps)}});
    for (int k = steps - 1; k >= 0; --k)
        exercise.lines.append({Run{QStringLiteral("= %1 + %2").arg(n * 1000).arg(k)}});
    return exercise;
}

QString writePdf(const QString& name, const Sheet& sheet, QList<Placement>* placements = nullptr)
{
    const QString path = test::outputDir() + QLatin1Char('/') + name;
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(600);
    const QList<Placement> placed = render(writer, sheet);
    if (placements)
        *placements = placed;
    return path;
}

int pageCount(const QString& pdf)
{
    int pages = 0;
    while (!pdfText(pdf, pages + 1).isEmpty())
        ++pages;
    return pages;
}

}  // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void documentBecomesRuns();
    void textHoldsEveryLineInOrder_data();
    void textHoldsEveryLineInOrder();
    void pageBreaksKeepExercisesWhole_data();
    void pageBreaksKeepExercisesWhole();
    void exponentIsSmallerAndHigher();
    void longLinesShownWhole_data();
    void longLinesShownWhole();
};

// Blank lines are no steps; colour, size and raise come from the document's runs.
void TestWorksheet::documentBecomesRuns()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat base = baseCharFormat();
    QTextCharFormat exponent = base;
    exponent.setFontPointSize(8);
    exponent.setForeground(QColor(Qt::red));
    setRaise(exponent, 85);
    cursor.insertText(QStringLiteral("5"), base);
    cursor.insertText(QStringLiteral("2"), exponent);
    cursor.insertText(QStringLiteral("+1"), base);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("  "), base);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("= 26"), base);
    cursor.insertBlock();

    const Exercise exercise = fromDocument(QStringLiteral("a.rtf"), document);
    QCOMPARE(exercise.stepCount(), 1);
    QCOMPARE(exercise.lineNumbers, QList<int>({1, 3}));
    QCOMPARE(plainText(exercise.lines.at(0)), QStringLiteral("52+1"));
    QCOMPARE(plainText(exercise.lines.at(1)), QStringLiteral("= 26"));
    QCOMPARE(exercise.lines.at(0).size(), 3);
    const Run raised = exercise.lines.at(0).at(1);
    QCOMPARE(raised.raiseTwips, 85);
    QCOMPARE(raised.points, 8.0);
    QCOMPARE(raised.colour, QColor(Qt::red));
    QCOMPARE(exercise.lines.at(0).at(0).raiseTwips, 0);
    QCOMPARE(exercise.lines.at(0).at(0).colour, QColor(Qt::black));
}

void TestWorksheet::textHoldsEveryLineInOrder_data()
{
    QTest::addColumn<bool>("withKey");
    QTest::newRow("sheet") << false;
    QTest::newRow("with key") << true;
}

// Real documents as the editors of several programs save them, then more than a page of others.
void TestWorksheet::textHoldsEveryLineInOrder()
{
    QFETCH(bool, withKey);
    Sheet sheet{QStringLiteral("Espressioni"), {}, withKey};
    for (const char* file : {"richedit.rtf", "richedit_old.rtf", "word.rtf", "libreoffice.rtf"}) {
        const QString path = QStringLiteral(QUINTAVIA_TEST_DATA "/rtf/") + QLatin1String(file);
        const rtf::ReadResult read = readDocumentFile(path);
        QVERIFY2(read.ok(), qPrintable(path));
        sheet.exercises.append(fromDocument(QLatin1String(file), *read.document));
    }
    for (int n = 1; n <= 12; ++n)
        sheet.exercises.append(countdown(n, 4));

    const QString pdf = writePdf(withKey ? QStringLiteral("key.pdf") : QStringLiteral("sheet.pdf"), sheet);
    const QString text = pdfText(pdf);
    QStringList expressions{sheet.title, QStringLiteral("Nome"), QStringLiteral("Data")};
    QStringList chains;
    for (qsizetype i = 0; i < sheet.exercises.size(); ++i) {
        const Exercise& e = sheet.exercises.at(i);
        expressions << QStringLiteral("%1.").arg(i + 1) + plainText(e.lines.at(0));
        chains << QStringLiteral("%1.").arg(i + 1);
        for (const Line& line : e.lines)
            chains << plainText(line);
    }
    QCOMPARE(firstMissingInOrder(text, expressions), QString());
    const qsizetype keyStart = text.indexOf(QStringLiteral("Soluzioni"));
    QCOMPARE(keyStart >= 0, withKey);
    if (withKey)
        QCOMPARE(firstMissingInOrder(text.mid(keyStart), chains), QString());
    else
        QVERIFY(!text.contains(test::squeezed(QStringLiteral("= 1000 + 0"))));
}

void TestWorksheet::pageBreaksKeepExercisesWhole_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("steps");  // the n-th exercise has 1 + (n * steps) % 15 steps
    QTest::newRow("mixed lengths") << 30 << 7;
    QTest::newRow("long ones") << 12 << 14;
}

// Every exercise lies whole on one page, in the PDF's text as in the renderer's placements.
void TestWorksheet::pageBreaksKeepExercisesWhole()
{
    QFETCH(int, count);
    QFETCH(int, steps);
    Sheet sheet{QStringLiteral("Pagine"), {}, true};
    for (int n = 1; n <= count; ++n)
        sheet.exercises.append(countdown(n, 1 + (n * steps) % 15));
    QList<Placement> placements;
    const QString pdf = writePdf(QStringLiteral("pages-%1.pdf").arg(count), sheet, &placements);
    QCOMPARE(placements.size(), 2 * count);

    int lastPage = 0;
    QHash<int, QString> pages;
    for (qsizetype i = 0; i < placements.size(); ++i) {
        const Placement& p = placements.at(i);
        const Exercise& e = sheet.exercises.at(i % count);
        QCOMPARE(p.key, i >= count);
        QVERIFY(p.page >= lastPage);
        QVERIFY2(p.bottom <= 267.0 + 0.01, qPrintable(QString::number(p.bottom)));  // A4 less margins
        QVERIFY(p.bottom > p.top);
        lastPage = p.page;
        if (!pages.contains(p.page))
            pages.insert(p.page, pdfText(pdf, p.page + 1));
        QStringList whole{QStringLiteral("%1.").arg(i % count + 1) + plainText(e.lines.at(0))};
        if (p.key)
            for (const Line& line : e.lines.mid(1))
                whole << plainText(line);
        QCOMPARE(firstMissingInOrder(pages.value(p.page), whole), QString());
    }
    QVERIFY(placements.at(count).page > placements.at(count - 1).page);  // the key on a page of its own
    QVERIFY(lastPage >= 3);
    QCOMPARE(pageCount(pdf), lastPage + 1);
}

// "5²" with the base red and the exponent blue: the blue glyph is smaller and sits higher.
void TestWorksheet::exponentIsSmallerAndHigher()
{
    Exercise exercise;
    exercise.lines.append({Run{QStringLiteral("5"), QColor(Qt::red), 12, 0},
                           Run{QStringLiteral("2"), QColor(Qt::blue), 8, 85}});
    const QString pdf
        = writePdf(QStringLiteral("exponent.pdf"), Sheet{QStringLiteral("Potenze"), {exercise}, false});
    const QString png = test::outputDir() + QStringLiteral("/exponent");
    QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                               {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), pdf, png}),
             0);
    const QImage image(png + QStringLiteral(".png"));
    QVERIFY(!image.isNull());

    QRect red, blue;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 160 && c.green() < 90 && c.blue() < 90)
                red |= QRect(x, y, 1, 1);
            else if (c.blue() > 160 && c.red() < 90 && c.green() < 90)
                blue |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!red.isEmpty() && !blue.isEmpty());
    QVERIFY2(blue.height() < red.height() * 0.8,
             qPrintable(QStringLiteral("%1 vs %2").arg(blue.height()).arg(red.height())));
    QVERIFY(blue.top() < red.top());
    QVERIFY(blue.bottom() < red.bottom() - red.height() / 4);
    QVERIFY(blue.left() > red.right() - 2);  // after the base, on the same row
}

void TestWorksheet::longLinesShownWhole_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("withKey");
    const QString shortTitle = QStringLiteral("Lunghe");
    const QString longTitle = QStringLiteral("3 - Prima media, seconda prova di ripasso: potenze, frazioni, parentesi");
    QTest::newRow("sheet") << shortTitle << false;
    QTest::newRow("key") << shortTitle << true;
    QTest::newRow("a long heading") << longTitle << true;
}

// A 100-character expression and steps nearly as long: drawn smaller, then wrapped, never past the
// right margin; the heading wraps instead of being cut.
void TestWorksheet::longLinesShownWhole()
{
    QFETCH(QString, title);
    QFETCH(bool, withKey);
    const auto line = [](const QString& before, const QString& exponent, const QString& after) {
        return Line{Run{before}, Run{exponent, Qt::black, 8, 85}, Run{after}};
    };
    Exercise exercise;
    exercise.lines << line("{[(12 + 8) x 3 - 4", "2", "] : 4 + (15 - 3) x 2 - [(7 + 5) : 3 + 1] x 2} + (18 : 6 + 4) x (9 - 7) - 270 : 90")
                   << line("= {[20 x 3 - 4", "2", "] : 4 + 12 x 2 - [12 : 3 + 1] x 2} + (3 + 4) x 2 - 27 : 9 + 0 x 1 + 0 x 2")
                   << Line{Run{QStringLiteral("= 33")}};
    QCOMPARE(plainText(exercise.lines.at(0)).size(), 100);
    const QString pdf = writePdf(QStringLiteral("long-%1.pdf").arg(QTest::currentDataTag()).replace(u' ', u'-'),
                                 Sheet{title, {exercise, countdown(2, 2)}, withKey});
    const QString text = pdfText(pdf);
    QStringList whole{title, QStringLiteral("1.") + plainText(exercise.lines.at(0)), QStringLiteral("2.")};
    if (withKey)
        for (const Line& l : exercise.lines)
            whole << plainText(l);
    QCOMPARE(firstMissingInOrder(text, whole), QString());
    QVERIFY(!text.contains(QChar(0x2026)));
    const test::RightEdge edge = test::rightEdge(pdf);
    const double margin = 15 / 25.4 * 72;
    QVERIFY(edge.pageWidth > 500);
    QVERIFY2(edge.rightmost <= edge.pageWidth - margin + 0.5,
             qPrintable(QStringLiteral("%1 of %2").arg(edge.rightmost).arg(edge.pageWidth)));
}

QUINTAVIA_TEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
