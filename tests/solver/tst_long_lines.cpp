// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Long lines in the solver's boxes: shown whole, smaller down to the readable minimum, then wrapped.
#include "solver_fixture.h"

#include "arithmetic/limits.h"
#include "document/char_format.h"
#include "ui/solver_layout.h"
#include "widgets/line_fit.h"

#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

using namespace quintavia;
using test::Solver;

namespace {

// "1 + 1 + ..." of `terms` ones (a line of 4 x terms - 3 characters), then one addition a line
// (`steps` of them at most).
QString writeSum(const QTemporaryDir& dir, int terms, int steps = 1)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Comic Sans MS;}}\\pard\\fs24 ";
    for (int done = 0; done <= steps && done < terms; ++done) {
        QByteArray line = done ? "= " + QByteArray::number(done + 1) : "1";
        for (int i = done + 1; i < terms; ++i)
            line += " + 1";
        rtf += line + "\\par\n";
    }
    rtf += "}";
    const QString path = dir.filePath(QStringLiteral("somma%1.rtf").arg(terms));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    return path;
}

// The lowest row of `image` with a pixel darker than light grey, or -1.
int inkBottom(const QImage& image)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                return y;
    return -1;
}

}  // namespace

class TestSolverLongLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void documentShowsALongLineWhole_data();
    void documentShowsALongLineWhole();
    void longestGeneratedLineFitsUnwrapped();
    void markOfHiddenLinesTouchesNoText();
    void answerBoxGrowsForAWrappedLine_data();
    void answerBoxGrowsForAWrappedLine();
};

void TestSolverLongLines::documentShowsALongLineWhole_data()
{
    QTest::addColumn<int>("terms");
    QTest::newRow("57 characters, fits as it is") << 15;
    QTest::newRow("97 characters, smaller") << 25;
    QTest::newRow("101 characters, smaller") << 26;
    QTest::newRow("193 characters, wrapped") << 49;
}

// Every line of the expression is drawn down to its baseline, and no wider than the box.
void TestSolverLongLines::documentShowsALongLineWhole()
{
    QFETCH(int, terms);
    QTemporaryDir dir;
    Solver s;
    s.open(writeSum(dir, terms));
    const QTextBlock block = s.rtb1->document()->firstBlock();
    QCOMPARE(block.text().size(), 4 * terms - 3);
    const QImage drawn = s.rtb1->viewport()->grab().toImage();
    const QPointF origin = s.rtb1->document()->documentLayout()->blockBoundingRect(block).topLeft()
                           - QPointF(0, s.rtb1->viewTop());
    const QTextLine last = block.layout()->lineAt(block.layout()->lineCount() - 1);
    const int baseline = qFloor(origin.y() + last.y() + last.ascent());
    QVERIFY2(inkBottom(drawn) >= baseline - 2,
             qPrintable(QStringLiteral("ink ends at %1, baseline %2").arg(inkBottom(drawn)).arg(baseline)));
    QVERIFY(baseline < drawn.height());
    for (int i = 0; i < block.layout()->lineCount(); ++i)
        QVERIFY(block.layout()->lineAt(i).naturalTextWidth() <= s.rtb1->viewport()->width());
}

// The generator's bound on a line's characters, kept in step with the boxes' width: a line of that
// many of the widest characters an exercise writes fits the document box unwrapped.
void TestSolverLongLines::longestGeneratedLineFitsUnwrapped()
{
    Solver s;
    QFont font = exerciseFont();
    font.setPointSizeF(widgets::kMinimumReadablePoints);
    const QFontMetricsF metrics(font);
    QChar widest;
    for (QChar c : QStringLiteral("0123456789 +-x\u00B7:/=,()[]{}"))
        if (widest.isNull() || metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest))
            widest = c;
    QTextDocument document;
    document.setDefaultFont(exerciseFont());
    QTextCursor(&document).insertText(QString(qsizetype(arithmetic::kMaxLineCharacters), widest), baseCharFormat());
    // The narrower of the document box and the answer box, as the editor's check measures it.
    const double room = std::min(s.rtb1->viewport()->width() - 2 * s.rtb1->document()->documentMargin(),
                                 double(widgets::textRoom(widgets::twipsToPixels(ui::kSolverBoxWidth))));
    QVERIFY2(widgets::fitsUnwrapped(document.firstBlock(), room),
             qPrintable(QStringLiteral("%1 x '%2': %3 pixels in %4").arg(arithmetic::kMaxLineCharacters).arg(widest)
                            .arg(widgets::lineWidth(document.firstBlock(), widgets::kMinimumReadablePoints)).arg(room)));
}

// Deep in a long exercise the three dots under the expression stand in the room between lines: the
// rows they are drawn on hold nothing else.
void TestSolverLongLines::markOfHiddenLinesTouchesNoText()
{
    QTemporaryDir dir;
    Solver s;
    s.open(writeSum(dir, 25, 24));
    for (int i = 0; i < 19; ++i)
        s.help();
    QVERIFY(!s.rtb1->toolTip().isEmpty());  // lines are hidden: the mark shows
    const QImage drawn = s.rtb1->viewport()->grab().toImage();
    // The rows inked across the middle come in bands, one a line of text and one for the dots:
    // the dots' band, and only it, has no ink beside them.
    const int centre = drawn.width() / 2;
    const auto inked = [&](int y, bool middle) {
        for (int x = 0; x < drawn.width(); ++x)
            if ((std::abs(x - centre) <= 10) == middle && qGray(drawn.pixel(x, y)) < 200)
                return true;
        return false;
    };
    int clearBands = 0;
    for (int y = 0; y < drawn.height();) {
        if (!inked(y, true)) {
            ++y;
            continue;
        }
        bool clear = true;
        for (; y < drawn.height() && inked(y, true); ++y)
            clear = clear && !inked(y, false);
        clearBands += clear;
    }
    QCOMPARE(clearBands, 1);
}

void TestSolverLongLines::answerBoxGrowsForAWrappedLine_data()
{
    QTest::addColumn<int>("helps");  // lines shown before the answer is typed, less one
    QTest::newRow("at the start") << 0;
    QTest::newRow("deep in the exercise") << 20;
}

// An answer too long for one line wraps and its box grows to show it whole, clear of the document
// box and of the message line; Enter still confirms it, and the box is one line again for the next.
void TestSolverLongLines::answerBoxGrowsForAWrappedLine()
{
    QFETCH(int, helps);
    QTemporaryDir dir;
    Solver s;
    s.open(writeSum(dir, 25, 24));
    for (int i = 0; i < helps; ++i)
        s.help();
    const int oneLine = s.rtb2->height();
    QString slip = QStringLiteral("= 1");
    for (int i = 0; i < 45; ++i)
        slip += QStringLiteral(" + 1");
    QTest::keyClicks(s.rtb2, slip);
    QVERIFY(s.rtb2->height() > oneLine);
    QCOMPARE(s.rtb2->height(), s.rtb2->wantedHeight());
    QVERIFY(s.rtb1->geometry().bottom() < s.rtb2->geometry().top());
    QVERIFY(s.rtb2->geometry().bottom() < s.message->geometry().top());
    QVERIFY(s.rtb2->viewport()->rect().contains(s.rtb2->cursorRect()));
    QTest::keyClick(s.rtb2, Qt::Key_Return);
    QCOMPARE(s.w->session().errors(), 1);
    s.answer(QStringLiteral("= %1").arg(helps + 2) + QString(QStringLiteral(" + 1")).repeated(23 - helps));
    QCOMPARE(s.message->text(), QStringLiteral("Bravissimo"));
    QCOMPARE(s.rtb2->height(), oneLine);
}

QUINTAVIA_TEST_MAIN(TestSolverLongLines)
#include "tst_long_lines.moc"
