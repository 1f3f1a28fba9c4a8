// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's arithmetic: the live check of the chain (display only) and "Genera i passaggi".
#include "editor/live_check.h"
#include "editor_rig.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace quintavia;
using namespace quintavia::test;

class TestEditorArithmetic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void liveCheckReportsTheFirstProblem_data();
    void liveCheckReportsTheFirstProblem();
    void liveCheckIsDisplayOnly();
    void longLineShownWhole();
    void liveCheckWaitsForAPause();
    void generatedStepsFollowTheExpression_data();
    void generatedStepsFollowTheExpression();
    void unreadableLineChangesNothing();
};

namespace {

QLabel* status(const EditorRig& r)
{
    return r.get<QLabel>("lblVerifica");
}

// Each line typed on the keyboard, Enter between them.
void writeChain(EditorRig& r, const QStringList& lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            r.pressEnter();
        r.type(lines[i]);
    }
}

}  // namespace

void TestEditorArithmetic::liveCheckReportsTheFirstProblem_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("underlinedLine");  // from 0; -1: nothing underlined
    QTest::newRow("a right chain") << QStringList{"3 + 4 x 2", "= 3 + 8", "= 11"} << "" << -1;
    QTest::newRow("a slip in line 3")
        << QStringList{"(3 + 4) x 2", "= 7 x 2", "= 21"} << "Riga 3: vale 21, ma la riga 2 vale 14" << 2;
    QTest::newRow("a missing bracket")
        << QStringList{"3 x 4", "= (3 x 4", "= 12"} << "Riga 2: manca una parentesi chiusa" << 1;
    QTest::newRow("a title is skipped") << QStringList{"Calcola:", "2 + 2", "= 4"} << "" << -1;
    const QString big = QString(40, u'9');
    QTest::newRow("a long message, elided")
        << QStringList{big + " + 1", "= " + big + "1"}
        << "Riga 2: vale " + big + "1, ma la riga 1 vale 1" + QString(40, u'0') << 1;
    // The solver's boxes show a line smaller down to a readable size, then only wrapped.
    const auto ones = [](int n) { return QStringList(n, QStringLiteral("1")).join(QStringLiteral(" + ")); };
    QTest::newRow("a line too long for the solver")
        << QStringList{ones(30), "= 30"} << "Riga 1: troppo lunga per la finestra di risoluzione" << 0;
    QTest::newRow("a long line that fits smaller") << QStringList{ones(16), "= 16"} << "" << -1;
    // As long as the generator writes (59 characters), digits the widest: never warned about.
    const QString longest = QStringList(4, QStringLiteral("1000000000")).join(QStringLiteral(" + ")) + " + 1000000";
    QTest::newRow("the generator's longest line") << QStringList{longest, "= 4001000000"} << "" << -1;
    QTest::newRow("a wrong chain before a long line")
        << QStringList{ones(30), "= 31"} << "Riga 2: vale 31, ma la riga 1 vale 30" << 1;
}

void TestEditorArithmetic::liveCheckReportsTheFirstProblem()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    QFETCH(int, underlinedLine);
    EditorRig r;
    r.nuova();
    writeChain(r, lines);
    r.w->findChild<LiveCheck*>()->checkNow();
    // The line shows what fits, ending in "…"; the tooltip and a screen reader have it whole.
    const QString shown = status(r)->text();
    const bool fits = status(r)->fontMetrics().horizontalAdvance(message) <= status(r)->contentsRect().width();
    QCOMPARE(shown == message, fits);
    if (!fits) {
        QVERIFY2(shown.endsWith(QChar(0x2026)) && message.startsWith(shown.chopped(1)), qPrintable(shown));
        QVERIFY(status(r)->fontMetrics().horizontalAdvance(shown) <= status(r)->contentsRect().width());
    }
    QCOMPARE(status(r)->toolTip(), message);
    QCOMPARE(status(r)->accessibleDescription(), message);
    const auto marks = r.box()->extraSelections();
    QCOMPARE(marks.size(), underlinedLine < 0 ? 0 : 1);
    if (underlinedLine >= 0) {
        QCOMPARE(marks.first().cursor.block().blockNumber(), underlinedLine);
        QCOMPARE(marks.first().cursor.selectedText(), lines[underlinedLine]);
        QCOMPARE(marks.first().format.underlineStyle(), QTextCharFormat::WaveUnderline);
    }
}

// Wrapped in the box, not cut at its right edge nor scrolled to.
void TestEditorArithmetic::longLineShownWhole()
{
    EditorRig r;
    r.nuova();
    r.type(QStringList(30, QStringLiteral("1")).join(QStringLiteral(" + ")));
    QCOMPARE(r.box()->horizontalScrollBar()->maximum(), 0);
    QVERIFY(r.box()->document()->firstBlock().layout()->lineCount() > 1);
}

void TestEditorArithmetic::liveCheckIsDisplayOnly()
{
    EditorRig r;
    r.nuova();
    writeChain(r, {"2 x 3", "= 7"});
    const int undoSteps = r.box()->document()->availableUndoSteps();
    const QString html = r.box()->document()->toHtml();
    const bool unsaved = r.w->session().unsaved();
    r.w->findChild<LiveCheck*>()->checkNow();
    QVERIFY(!status(r)->text().isEmpty());
    QCOMPARE(r.box()->document()->availableUndoSteps(), undoSteps);
    QCOMPARE(r.box()->document()->toHtml(), html);
    QCOMPARE(r.w->session().unsaved(), unsaved);
}

void TestEditorArithmetic::liveCheckWaitsForAPause()
{
    EditorRig r;
    r.nuova();
    r.type(QStringLiteral("(1"));
    QCOMPARE(status(r)->text(), QString());  // nothing while the teacher types
    QTRY_COMPARE_WITH_TIMEOUT(status(r)->text(), QStringLiteral("Riga 1: manca una parentesi chiusa"), 2000);
    r.type(QStringLiteral(")"));
    QTRY_COMPARE_WITH_TIMEOUT(status(r)->text(), QString(), 2000);
}

void TestEditorArithmetic::generatedStepsFollowTheExpression_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("caretLine");
    QTest::addColumn<bool>("replace");  // the answer to "Sostituire le righe che seguono?"
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("asked");
    QTest::newRow("nothing follows") << QStringList{"(2 + 3) x 4"} << 0 << true
                                     << "(2 + 3) x 4\r\n= 5 x 4\r\n= 20" << false;
    QTest::newRow("old steps replaced")
        << QStringList{"2 x 3 + 1", "= 9"} << 0 << true << "2 x 3 + 1\r\n= 6 + 1\r\n= 7" << true;
    QTest::newRow("old steps kept on No")
        << QStringList{"2 x 3 + 1", "= 9"} << 0 << false << "2 x 3 + 1\r\n= 9" << true;
    QTest::newRow("a title stays above") << QStringList{"Calcola:", "10 : 2 - 1"} << 1 << true
                                         << "Calcola:\r\n10 : 2 - 1\r\n= 5 - 1\r\n= 4" << false;
}

void TestEditorArithmetic::generatedStepsFollowTheExpression()
{
    QFETCH(QStringList, before);
    QFETCH(int, caretLine);
    QFETCH(bool, replace);
    QFETCH(QString, after);
    QFETCH(bool, asked);
    EditorRig r;
    r.nuova();
    writeChain(r, before);
    r.caretAt(r.box()->document()->findBlockByNumber(caretLine).position());
    if (asked)
        r.h.dialogs.answerQuestion(replace);
    r.w->generateSteps();
    QCOMPARE(r.box()->text(), after);
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
    QVERIFY(r.h.dialogs.allAnswered());
    if (asked)
        QCOMPARE(r.h.dialogs.shown.last().text, QStringLiteral("Sostituire le righe che seguono?"));
    if (after != before.join(kCrLf)) {
        QVERIFY(r.w->session().unsaved());
        r.box()->undo();  // one undo step takes the whole chain back
        QCOMPARE(r.box()->text(), before.join(kCrLf));
    }
}

void TestEditorArithmetic::unreadableLineChangesNothing()
{
    EditorRig r;
    r.nuova();
    writeChain(r, {"3 x (4 + 1"});
    r.h.dialogs.answerWarning();
    r.w->generateSteps();
    QCOMPARE(r.box()->text(), QStringLiteral("3 x (4 + 1"));
    QCOMPARE(r.h.dialogs.shown.size(), 1);
    QVERIFY(r.h.dialogs.shown.first().text.contains(QStringLiteral("manca una parentesi chiusa")));
}

QUINTAVIA_TEST_MAIN(TestEditorArithmetic)
#include "tst_arithmetic.moc"
