// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver_fixture.h"

#include "document/char_format.h"

#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>

using namespace quintavia;
using test::Solver;

namespace {

// The raised characters of a box, in order.
QString raisedOf(const RichTextBox* box)
{
    QString raised;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (effectiveRaise(it.fragment().charFormat()) > 0)
                raised += it.fragment().text();
    return raised;
}

void copyAll(RichTextBox* box)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
}

}  // namespace

class TestSolverClipboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copiedLinePastedKeepsItsExponents();
};

// The pupil copies the expression, pastes it as the start of the next step and mends one part.
void TestSolverClipboard::copiedLinePastedKeepsItsExponents()
{
    Solver s;
    s.openData("raised_copies.rtf");
    QApplication::clipboard()->clear();
    copyAll(s.rtb1);
    const QString expression = QStringLiteral("45 : {8 - [2⁰ + (10² - 96) : 2]}");
    QCOMPARE(QApplication::clipboard()->text(), expression);
    QVERIFY(QApplication::clipboard()->mimeData()->html().contains(QStringLiteral("vertical-align:super")));

    s.rtb2->setFocus();
    QTest::keyClick(s.rtb2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.rtb2->text(), QStringLiteral("45 : {8 - [20 + (102 - 96) : 2]}"));
    QCOMPARE(raisedOf(s.rtb2), QStringLiteral("02"));

    // "10²" becomes "100", selected from its end backwards as a pupil's drag would.
    const int at = s.rtb2->text().indexOf(QStringLiteral("102"));
    QTextCursor c(s.rtb2->document());
    c.setPosition(at + 3);
    c.setPosition(at, QTextCursor::KeepAnchor);
    s.rtb2->setTextCursor(c);
    s.append(QStringLiteral("100"));
    QCOMPARE(s.message->text(), QStringLiteral("Bravissimo"));
    QCOMPARE(int(s.w->session().counter()), 2);

    // Two lines shown, and only those two go out, the next step's "4 : 2" nowhere.
    copyAll(s.rtb1);
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied.count(u'\n'), 1);
    QVERIFY2(copied.contains(QStringLiteral("2⁰")) && !copied.contains(QStringLiteral("4 : 2")),
             qPrintable(copied));
    QVERIFY(!QApplication::clipboard()->mimeData()->html().contains(QStringLiteral("4 : 2")));
}

QUINTAVIA_TEST_MAIN(TestSolverClipboard)
#include "tst_clipboard.moc"
