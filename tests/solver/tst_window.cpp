// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver_fixture.h"

#include "shell/window_setup.h"
#include "ui/layout.h"
#include "widgets/bevel_button.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QClipboard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QWheelEvent>

using namespace quintavia;
using test::Solver;

namespace {

const QString kRight = QStringLiteral("Bravissimo");
const QString kWrong = QString::fromUtf8("Il passaggio non è esatto. Correggi.");

// Writes an exercise of `lines` lines ("1" ... "n"), in `halfPoints` / 2 points, and returns its path.
QString writeNumberedExercise(const QTemporaryDir& dir, int lines, int halfPoints = 24)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Comic Sans MS;}}\\pard\\fs"
                     + QByteArray::number(halfPoints) + " ";
    for (int i = 1; i <= lines; ++i)
        rtf += QByteArray::number(i) + "\\par\n";
    rtf += "}";
    const QString path = dir.filePath(QStringLiteral("righe%1-%2.rtf").arg(lines).arg(halfPoints));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    return path;
}

QRectF lineRect(const RichTextBox* box, int line)
{
    const QTextBlock block = box->document()->findBlockByNumber(line - 1);
    return block.isValid() ? box->document()->documentLayout()->blockBoundingRect(block) : QRectF();
}

// The document box shows line `lines` whole, above it every line before while they fit, else
// the expression above as many of the last lines as fit; every line it holds is wholly inside it,
// unscrolled. The boxes stay clear of each other and of the message line. Exercises of numbered lines.
void checkShowsExactly(const Solver& s, int lines)
{
    const QString where = QStringLiteral("%1 lines").arg(lines);
    const QTextDocument* document = s.rtb1->document();
    const int held = document->blockCount();
    QCOMPARE(s.rtb1->viewTop(), 0);
    QVERIFY2(document->firstBlock().text() == QStringLiteral("1") || held == 1, qPrintable(where));
    QVERIFY2(document->lastBlock().text() == QString::number(lines), qPrintable(where));
    for (QTextBlock b = document->firstBlock().next(); b.isValid() && b.next().isValid(); b = b.next())
        QVERIFY2(b.next().text().toInt() == b.text().toInt() + 1, qPrintable(where));
    if (held < lines)  // pinned: one more line would not have fitted
        QVERIFY2(lineRect(s.rtb1, held).bottom() + lineRect(s.rtb1, held).height() > s.rtb1->viewport()->height() - 1,
                 qPrintable(where));
    for (int k = 1; k <= held; ++k) {
        const QRectF line = lineRect(s.rtb1, k);
        QVERIFY2(line.top() >= 0 && line.bottom() <= s.rtb1->viewport()->height() + 1, qPrintable(where));
    }
    QVERIFY2(s.rtb1->geometry().bottom() < s.rtb2->geometry().top(), qPrintable(where));
    QVERIFY2(s.rtb2->geometry().bottom() < s.message->geometry().top(), qPrintable(where));
    QVERIFY2(s.w->childAt(s.message->geometry().center()) == s.message, qPrintable(where));
}

void sendWheel(QWidget* target, Qt::KeyboardModifiers modifiers)
{
    const QPoint at(10, 10);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(0, -600), QPoint(0, -600), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

}  // namespace

class TestSolverWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithNoExercise();
    void centredOnTheStartWindow();
    void openingShowsTheExpression();
    void solvedWithTheKeyboard();
    void enterLeavesNoLineBreak();
    void sameWrongAnswerCountsOnce_data();
    void sameWrongAnswerCountsOnce();
    void endMessageAndSound_data();
    void endMessageAndSound();
    void emptyLastLine();
    void exponentMustBeRaised_data();
    void exponentMustBeRaised();
    void revealGeometry_data();
    void revealGeometry();
    void revealShowsOneMoreLine();
    void onlyRevealedLinesGiveOut_data();
    void onlyRevealedLinesGiveOut();
    void documentBoxKeepsItsView_data();
    void documentBoxKeepsItsView();
    void tallLinesRevealedByTheirHeight_data();
    void tallLinesRevealedByTheirHeight();
    void inputLockedAfterTheEnd();
    void blinking();
    void reopening_data();
    void reopening();
    void cancelBeforeAnyFile();
    void longDocumentSolvedToItsEnd_data();
    void longDocumentSolvedToItsEnd();
    void unusableDocuments_data();
    void unusableDocuments();
    void exitReturnsToStart();
    void currentFolderLeftAlone();
    void screenshots();
};

void TestSolverWindow::startsWithNoExercise()
{
    Solver s;
    QCOMPARE(s.w->objectName(), QStringLiteral("frmQuintavia"));
    QCOMPARE(s.w->windowTitle(), QStringLiteral("Risoluzione"));
    QVERIFY(s.inputLocked());
    QVERIFY(s.timer->isActive());
    QCOMPARE(s.timer->interval(), 500);
    QCOMPARE(s.rtb1->heightTwips(), 461);
    QCOMPARE(s.rtb2->heightTwips(), 461);
    QCOMPARE(s.rtb2->topTwips(), 720);
    QVERIFY(s.rtb2->isSingleLine());
    // The exit button lies over the frame and stays usable while the frame is disabled.
    auto* exit = s.button(QStringLiteral("Cmd_esci"));
    QCOMPARE(exit->parentWidget(), s.w);
    QVERIFY(exit->isEnabled());
    QCOMPARE(s.w->childAt(exit->geometry().center()), exit);
    QVERIFY(s.h.sound.played.isEmpty());
    QVERIFY(closeCommandRemoved(s.w));
    QVERIFY(s.w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!s.w->windowIcon().isNull());
}

void TestSolverWindow::centredOnTheStartWindow()
{
    test::Harness h;
    QWidget* start = h.registry.load(WindowKind::Start);
    start->show();
    start->move(40, 30);
    QWidget* w = h.registry.load(WindowKind::Solver);
    // The frame is there once the window is shown.
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY((w->frameGeometry().center() - start->frameGeometry().center()).manhattanLength() <= 1);
}

void TestSolverWindow::openingShowsTheExpression()
{
    Solver s;
    const QString users = QStringLiteral("testo di un altro programma");
    QGuiApplication::clipboard()->setText(users);
    s.openData("three_steps.rtf");
    QCOMPARE(s.h.sound.played, QList<int>{107});
    QCOMPARE(s.h.dialogs.shown.size(), 1);
    QCOMPARE(s.h.dialogs.shown[0].kind, QStringLiteral("open"));
    QCOMPARE(s.h.dialogs.shown[0].title, QStringLiteral("file .rtf (Rich Text Format)|*.rtf"));
    // The box holds only what the pupil sees.
    QCOMPARE(s.rtb1->text(), QString::fromUtf8("(3+2)·4"));
    // The clipboard is the user's: it keeps what was copied, and no hidden line goes there.
    QCOMPARE(QGuiApplication::clipboard()->text(), users);
    QVERIFY(s.frame->isEnabled());
    QVERIFY(s.rtb2->isEnabled());
    QVERIFY(!s.timer->isActive());
    QCOMPARE(s.openColour(), QColor(0, 255, 0));
    QCOMPARE(s.w->session().counter(), qint16(1));
    QCOMPARE(s.rtb1->heightTwips(), 461);
    QVERIFY(s.h.dialogs.unexpected.isEmpty());
}

void TestSolverWindow::solvedWithTheKeyboard()
{
    Solver s;
    s.openData("three_steps.rtf");
    s.h.sound.played.clear();
    QStringList messages;
    const auto step = [&](const QString& text) {
        s.answer(text);
        messages << s.message->text();
    };
    step(QString::fromUtf8("5+4"));     // another operation
    step(QString::fromUtf8("5·4·"));    // a sign too many
    step(QString::fromUtf8("5 x 4 "));  // blanks and the other multiplication sign do not count
    step(QStringLiteral("20"));
    QCOMPARE(messages,
             (QStringList{kWrong, kWrong, kRight, QStringLiteral("Hai finito con 2 errori e 0 aiuti ")}));
    QCOMPARE(s.h.sound.played, (QList<int>{103, 103, 104, 104, 101}));
    QCOMPARE(s.w->session().errors(), 2);
}

void TestSolverWindow::enterLeavesNoLineBreak()
{
    Solver s;
    s.openData("three_steps.rtf");
    s.answer(QStringLiteral("5"));
    QCOMPARE(s.message->text(), kWrong);
    // The wrong answer stays for correcting, on one line.
    QCOMPARE(s.rtb2->text(), QStringLiteral("5"));
    QCOMPARE(s.rtb2->document()->blockCount(), 1);
    s.append(QString::fromUtf8("·4"));
    QCOMPARE(s.message->text(), kRight);
    QCOMPARE(s.rtb2->text(), QString());
    s.answer(QStringLiteral("20"));
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 1 errore e 0 aiuti "));
}

void TestSolverWindow::sameWrongAnswerCountsOnce_data()
{
    QTest::addColumn<QStringList>("moves");  // "=text": typed and Enter; "enter", "invio": again unchanged
    QTest::addColumn<int>("errors");
    QTest::newRow("Enter, Enter") << QStringList{"=5", "enter"} << 1;
    QTest::newRow("Enter, invio") << QStringList{"=5", "invio"} << 1;
    QTest::newRow("Enter, invio, invio") << QStringList{"=5", "invio", "invio"} << 1;
    QTest::newRow("changed in between") << QStringList{"=5", "=6", "=5"} << 3;
    QTest::newRow("the same slip at the next step") << QStringList{"=5", QString::fromUtf8("=5·4"), "=5"} << 2;
}

void TestSolverWindow::sameWrongAnswerCountsOnce()
{
    QFETCH(QStringList, moves);
    QFETCH(int, errors);
    Solver s;
    s.openData("three_steps.rtf");
    for (const QString& move : moves) {
        s.h.sound.played.clear();
        s.message->clear();
        if (move.startsWith(u'='))
            s.answer(move.mid(1));
        else if (move == QLatin1String("enter"))
            s.append(QString());
        else
            s.confirm();
        // Every confirmation answers with its sound and message, counted or not.
        QCOMPARE(s.h.sound.played.size(), 1);
        QVERIFY(!s.message->text().isEmpty());
    }
    QCOMPARE(s.w->session().errors(), errors);
}

void TestSolverWindow::endMessageAndSound_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("helps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("sound");
    QTest::newRow("0 and 0") << 0 << 0 << "Hai finito con 0 errori e 0 aiuti " << 101;
    QTest::newRow("1 and 1") << 1 << 1 << "Hai finito con 1 errore e 1 aiuto " << 101;
    QTest::newRow("2 and 2") << 2 << 2 << "Hai finito con 2 errori e 2 aiuti " << 101;
    QTest::newRow("1 and 0") << 1 << 0 << "Hai finito con 1 errore e 0 aiuti " << 101;
    QTest::newRow("0 and 3") << 0 << 3 << "Hai finito con 0 errori e 3 aiuti " << 104;
    QTest::newRow("2 and 3") << 2 << 3 << "Hai finito con 2 errori e 3 aiuti " << 104;
}

void TestSolverWindow::endMessageAndSound()
{
    QFETCH(int, errors);
    QFETCH(int, helps);
    QFETCH(QString, message);
    QFETCH(int, sound);
    Solver s;
    s.openData("four_lines.rtf");  // three steps: 2+1+1, 3+1, 4
    const QStringList steps{QStringLiteral("2+1+1"), QStringLiteral("3+1"), QStringLiteral("4")};
    s.h.sound.played.clear();
    QList<int> sounds;
    for (int i = 0; i < errors; ++i) {
        s.answer(QString::number(7 + i));  // a different slip each time
        sounds << 103;
    }
    for (int i = 0; i < helps; ++i) {
        s.help();
        QCOMPARE(s.message->text(), i + 1 < 3 ? QString() : message);
        sounds << 102;
    }
    for (int i = helps; i < steps.size(); ++i) {
        s.answer(steps[i]);
        sounds << 104;
    }
    sounds << sound;
    QCOMPARE(s.message->text(), message);
    QCOMPARE(s.h.sound.played, sounds);
    QVERIFY(s.inputLocked());
    QVERIFY(s.timer->isActive());
}

void TestSolverWindow::emptyLastLine()
{
    Solver s;
    s.openData("empty_last_line.rtf");
    s.answer(QStringLiteral("5"));
    QCOMPARE(s.message->text(), kWrong);
    // The final value ends the exercise: the empty line after it asks for nothing more.
    s.answer(QStringLiteral("4"));
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 1 errore e 0 aiuti "));
    QVERIFY(s.inputLocked());
}

void TestSolverWindow::exponentMustBeRaised_data()
{
    QTest::addColumn<bool>("raised");
    QTest::newRow("exponent key") << true;
    QTest::newRow("ordinary digit") << false;
}

void TestSolverWindow::exponentMustBeRaised()
{
    QFETCH(bool, raised);
    Solver s;
    s.openData("exponent.rtf");
    QCOMPARE(s.rtb1->text(), QStringLiteral("(1+1)2"));
    s.key("Cmd_2");
    s.key(raised ? "Cmd_quadrato" : "Cmd_2");
    QCoreApplication::processEvents();
    s.confirm();
    // "22" typed for "2²" is another number.
    QCOMPARE(s.message->text(), raised ? kRight : kWrong);
}

void TestSolverWindow::revealGeometry_data()
{
    QTest::addColumn<int>("rightSteps");
    QTest::addColumn<int>("helps");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("top");
    // Each line adds 0.24 inch (345.6 twips), rounded to whole twips.
    QTest::newRow("loaded") << 0 << 0 << 461 << 720;
    QTest::newRow("one step") << 1 << 0 << 807 << 1066;
    QTest::newRow("one help") << 0 << 1 << 807 << 1066;
    QTest::newRow("two steps, one help") << 2 << 1 << 1499 << 1758;
    QTest::newRow("14 helps, still below 3.71") << 0 << 14 << 5305 << 5564;
    // From the 16th line on the answer box stops above the message line (3.87 inch) and the
    // document box 0.18 inch above it.
    QTest::newRow("15 helps: 16 lines") << 0 << 15 << 5314 << 5573;
    QTest::newRow("16 helps") << 0 << 16 << 5314 << 5573;
    QTest::newRow("17 helps") << 0 << 17 << 5314 << 5573;
    QTest::newRow("16 steps") << 16 << 0 << 5314 << 5573;
    QTest::newRow("help after 15 steps") << 15 << 1 << 5314 << 5573;
    QTest::newRow("23 steps, one help") << 23 << 1 << 5314 << 5573;
}

void TestSolverWindow::revealGeometry()
{
    QFETCH(int, rightSteps);
    QFETCH(int, helps);
    QFETCH(int, height);
    QFETCH(int, top);
    QTemporaryDir dir;
    Solver s;
    s.open(writeNumberedExercise(dir, 25));
    for (int i = 0; i < rightSteps; ++i)
        s.answer(QString::number(s.w->session().counter() + 1));
    for (int i = 0; i < helps; ++i)
        s.help();
    QCOMPARE(s.w->session().counter(), qint16(1 + rightSteps + helps));
    QCOMPARE(s.rtb1->heightTwips(), height);
    QCOMPARE(s.rtb2->topTwips(), top);
    QCOMPARE(s.rtb2->heightTwips(), 461);
    QCOMPARE(s.rtb1->height(), ui::twipsToPixels(height));
    QCOMPARE(s.rtb2->y(), ui::twipsToPixels(top));
}

void TestSolverWindow::revealShowsOneMoreLine()
{
    Solver s;
    s.openData("four_lines.rtf");
    const QStringList steps{QStringLiteral("2+1+1"), QStringLiteral("3+1")};
    for (int shown = 1; shown <= 3; ++shown) {
        // The box holds the lines shown, and they fit in it.
        const QString where = QStringLiteral("%1 lines").arg(shown);
        QCOMPARE(s.rtb1->document()->blockCount(), shown);
        QVERIFY2(lineRect(s.rtb1, shown).bottom() <= s.rtb1->viewport()->height() + 1, qPrintable(where));
        if (shown <= steps.size())
            s.answer(steps[shown - 1]);
    }
}

void TestSolverWindow::onlyRevealedLinesGiveOut_data()
{
    QTest::addColumn<QString>("way");
    for (const char* way : {"select all, copy", "drag", "screen reader", "paste into the answer"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

void TestSolverWindow::onlyRevealedLinesGiveOut()
{
    QFETCH(QString, way);
    Solver s;
    s.openData("four_lines.rtf");
    s.answer(QStringLiteral("2+1+1"));
    const QString shown = s.rtb1->text();
    QCOMPARE(shown.count(QStringLiteral("\r\n")), 1);
    QApplication::clipboard()->clear();
    s.rtb1->setFocus();
    QTest::keyClick(s.rtb1, Qt::Key_A, Qt::ControlModifier);
    QString given;
    if (way == QLatin1String("select all, copy")) {
        QTest::keyClick(s.rtb1, Qt::Key_C, Qt::ControlModifier);
        given = QApplication::clipboard()->text();
    } else if (way == QLatin1String("drag")) {
        // What a drag carries is what the box gives for its selection.
        given = s.rtb1->textCursor().selection().toPlainText();
    } else if (way == QLatin1String("screen reader")) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(s.rtb1);
        QVERIFY(box && box->textInterface());
        given = box->textInterface()->text(0, box->textInterface()->characterCount());
    } else {
        QTest::keyClick(s.rtb1, Qt::Key_C, Qt::ControlModifier);
        s.rtb2->setFocus();
        QTest::keyClick(s.rtb2, Qt::Key_V, Qt::ControlModifier);
        given = s.rtb2->text();
    }
    given.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QVERIFY2(!given.isEmpty(), "nothing given out");
    for (const QString& hidden : {QStringLiteral("3+1"), QStringLiteral("4")}) {
        const QStringList givenLines = given.split(QLatin1Char('\n'));
        QVERIFY2(!givenLines.contains(hidden) && !given.endsWith(hidden), qPrintable(given));
    }
}

void TestSolverWindow::documentBoxKeepsItsView_data()
{
    QTest::addColumn<QString>("action");
    for (const char* action : {"wheel", "ctrl+wheel", "ctrl+end", "page down", "arrows down",
                               "select to the end", "select all", "drag down", "end of lines"})
        QTest::newRow(action) << QString::fromLatin1(action);
}

void TestSolverWindow::documentBoxKeepsItsView()
{
    QFETCH(QString, action);
    QTemporaryDir dir;
    Solver s;
    // Long lines too, so that there is something to the right as well.
    s.open(writeNumberedExercise(dir, 25));
    s.answer(QStringLiteral("2"));
    QWidget* view = s.rtb1->viewport();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
    s.rtb1->setCursorWidth(0);  // where the caret blinks is not what is compared
    const QImage before = s.rtb1->grab().toImage();
    if (action == QLatin1String("wheel") || action == QLatin1String("ctrl+wheel")) {
        sendWheel(view, action.startsWith(QLatin1String("ctrl")) ? Qt::ControlModifier : Qt::NoModifier);
    } else if (action == QLatin1String("ctrl+end")) {
        QTest::keyClick(s.rtb1, Qt::Key_End, Qt::ControlModifier);
    } else if (action == QLatin1String("page down")) {
        QTest::keyClick(s.rtb1, Qt::Key_PageDown);
    } else if (action == QLatin1String("arrows down")) {
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(s.rtb1, Qt::Key_Down);
    } else if (action == QLatin1String("end of lines")) {
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(s.rtb1, Qt::Key_End);
            QTest::keyClick(s.rtb1, Qt::Key_Right);
        }
    } else if (action == QLatin1String("select to the end")) {
        QTest::keyClick(s.rtb1, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (action == QLatin1String("select all")) {
        QTest::keyClick(s.rtb1, Qt::Key_A, Qt::ControlModifier);
    } else if (action == QLatin1String("drag down")) {
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(view, QPoint(5, view->height() + 200));
        QTest::qWait(300);  // the selection's own scrolling runs on a timer
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(5, view->height() + 200));
    }
    QCoreApplication::processEvents();
    QCOMPARE(s.rtb1->viewTop(), 0);
    QCOMPARE(s.rtb1->horizontalScrollBar()->value(), 0);
    const QImage after = s.rtb1->grab().toImage();
    if (!action.startsWith(QLatin1String("select")) && action != QLatin1String("drag down"))
        QCOMPARE(after, before);
    checkShowsExactly(s, 2);
    // The next step shows the next line, under the expression.
    s.answer(QStringLiteral("3"));
    QCOMPARE(s.message->text(), kRight);
    QCOMPARE(s.rtb1->viewTop(), 0);
    checkShowsExactly(s, 3);
}

void TestSolverWindow::tallLinesRevealedByTheirHeight_data()
{
    QTest::addColumn<int>("halfPoints");
    QTest::newRow("12 pt") << 24;
    QTest::newRow("20 pt") << 40;
    QTest::newRow("28 pt") << 56;
}

void TestSolverWindow::tallLinesRevealedByTheirHeight()
{
    QFETCH(int, halfPoints);
    QTemporaryDir dir;
    Solver s;
    s.open(writeNumberedExercise(dir, 12, halfPoints));
    for (int line = 1; line <= 12; ++line) {
        checkShowsExactly(s, line);
        if (line < 12)
            (line % 3 == 0) ? s.help() : s.answer(QString::number(line + 1));
    }
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 0 errori e 3 aiuti "));
}

void TestSolverWindow::inputLockedAfterTheEnd()
{
    Solver s;
    s.openData("three_steps.rtf");
    s.help();
    s.help();
    QVERIFY(s.inputLocked());
    const QString finalMessage = s.message->text();
    s.h.sound.played.clear();
    QTest::keyClicks(s.rtb2, QStringLiteral("20"));
    QTest::keyClick(s.rtb2, Qt::Key_Return);
    s.confirm();
    s.help();
    s.key("Cmd_7");
    QCoreApplication::processEvents();
    QCOMPARE(s.rtb2->text(), QString());
    QCOMPARE(s.message->text(), finalMessage);
    QVERIFY(s.h.sound.played.isEmpty());
    // The open button still works.
    s.openData("three_steps.rtf");
    QCOMPARE(s.h.sound.played, QList<int>{107});
    QVERIFY(!s.inputLocked());
}

void TestSolverWindow::blinking()
{
    Solver s;
    QCOMPARE(s.openColour(), QColor(0, 255, 0));
    const QColor dark(0, 192, 0), bright(0, 255, 0);
    s.w->onTimerTick();
    QCOMPARE(s.openColour(), dark);
    QCOMPARE(qobject_cast<BevelButton*>(s.button(QStringLiteral("cmdApri")))->face(), dark);
    s.w->onTimerTick();
    QCOMPARE(s.openColour(), bright);
    s.w->onTimerTick();
    QCOMPARE(s.openColour(), dark);
    // Opening stops the blinking on the bright colour.
    s.openData("empty_last_line.rtf");
    QCOMPARE(s.openColour(), bright);
    QVERIFY(!s.timer->isActive());
    s.help();
    s.help();
    QVERIFY(s.timer->isActive());
    // The counter kept its value: the first tick after the exercise is bright.
    s.w->onTimerTick();
    QCOMPARE(s.openColour(), bright);
    s.w->onTimerTick();
    QCOMPARE(s.openColour(), dark);
    // The real timer drives it too.
    QTRY_COMPARE_WITH_TIMEOUT(s.openColour(), bright, 2000);
}

void TestSolverWindow::reopening_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("dialog cancelled: the exercise goes on") << true;
    QTest::newRow("same file chosen again: it starts again") << false;
}

void TestSolverWindow::reopening()
{
    QFETCH(bool, cancel);
    Solver s;
    s.openData("four_lines.rtf");
    s.answer(QStringLiteral("9"));
    s.answer(QStringLiteral("2+1+1"));
    s.help();
    QCOMPARE(s.w->session().counter(), qint16(3));
    QTest::keyClicks(s.rtb2, QStringLiteral("3"));
    const int height = s.rtb1->heightTwips();
    const int top = s.rtb2->topTwips();
    s.h.sound.played.clear();
    if (cancel)
        s.open(std::nullopt);
    else
        s.openData("four_lines.rtf");
    QCOMPARE(s.h.sound.played, QList<int>{107});
    QCOMPARE(s.h.dialogs.shown.last().text, test::dataFile("four_lines.rtf"));
    QCOMPARE(s.w->session().counter(), qint16(cancel ? 3 : 1));
    QCOMPARE(s.w->session().errors(), cancel ? 1 : 0);
    QCOMPARE(s.w->session().helps(), cancel ? 1 : 0);
    QCOMPARE(s.rtb2->text(), cancel ? QStringLiteral("3") : QString());
    QCOMPARE(s.rtb1->heightTwips(), cancel ? height : 461);
    QCOMPARE(s.rtb2->topTwips(), cancel ? top : 720);
    QCOMPARE(s.rtb1->document()->blockCount(), cancel ? 3 : 1);
    QVERIFY(!s.inputLocked());
    if (cancel) {
        // The pupil goes on where they were: the last step ends the exercise, counted as before.
        s.answer(QStringLiteral("4"));
        QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 1 errore e 1 aiuto "));
        QCOMPARE(s.h.sound.played, (QList<int>{107, 104, 101}));
    } else {
        QCOMPARE(s.message->text(), QString());
    }
    // A new exercise replaces the old one's steps.
    s.openData("other.rtf");
    s.answer(QStringLiteral("2+1+1"));
    QCOMPARE(s.message->text(), kWrong);
    s.answer(QStringLiteral("3x3"));
    QCOMPARE(s.message->text(), kRight);
}

void TestSolverWindow::cancelBeforeAnyFile()
{
    Solver s;
    s.open(std::nullopt);
    QCOMPARE(s.h.sound.played, QList<int>{107});
    QCOMPARE(s.h.dialogs.shown.size(), 1);
    QCOMPARE(s.h.dialogs.unexpected.size(), 0);
    QVERIFY(s.inputLocked());
    QVERIFY(s.timer->isActive());
    QVERIFY(!s.w->session().running());
    QCOMPARE(s.rtb1->text(), QString());
}

void TestSolverWindow::longDocumentSolvedToItsEnd_data()
{
    QTest::addColumn<int>("lines");
    for (int lines : {15, 16, 17, 18, 19, 20, 25})
        QTest::addRow("%d lines", lines) << lines;
}

void TestSolverWindow::longDocumentSolvedToItsEnd()
{
    QFETCH(int, lines);
    QTemporaryDir dir;
    Solver s;
    s.open(writeNumberedExercise(dir, lines));
    for (int line = 2; line <= lines; ++line) {
        QVERIFY2(!s.inputLocked(), qPrintable(QString::number(line)));
        s.answer(QString::number(line));
        if (line < lines)
            QCOMPARE(s.message->text(), kRight);
        checkShowsExactly(s, line);
        // Up to 15 lines all show; past them the expression stays above the last ones.
        QCOMPARE(s.rtb1->document()->blockCount() == line, line <= 15);
    }
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 0 errori e 0 aiuti "));
    QCOMPARE(s.w->session().counter(), qint16(lines));
    QVERIFY(s.inputLocked());
}

void TestSolverWindow::unusableDocuments_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("warns");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("kept");
    QTest::newRow("not rtf") << test::dataFile("not_rtf.rtf") << true << QString() << true;
    QTest::newRow("missing") << test::dataFile("manca.rtf") << true << QString() << true;
    QTest::newRow("empty: opens, nothing to solve") << test::dataFile("empty.rtf") << false << QString() << false;
    QTest::newRow("too many lines") << QStringLiteral("*32767") << true << QStringLiteral("troppe righe") << true;
}

void TestSolverWindow::unusableDocuments()
{
    QFETCH(QString, path);
    QFETCH(bool, warns);
    QFETCH(QString, reason);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    if (path.startsWith(QLatin1Char('*')))
        path = writeNumberedExercise(dir, path.mid(1).toInt());
    Solver s;
    // An exercise in progress is given up only for a document that opens.
    s.openData("three_steps.rtf");
    s.answer(QStringLiteral("5"));
    s.answer(QString::fromUtf8("5·4"));
    const int height = s.rtb1->heightTwips();
    s.h.dialogs.answerOpen(path);
    if (warns)
        s.h.dialogs.answerWarning();
    s.click(QStringLiteral("cmdApri"));
    QVERIFY(s.h.dialogs.allAnswered());
    QVERIFY(s.h.dialogs.unexpected.isEmpty());
    if (warns) {
        const QString warning = s.h.dialogs.lastWarning();
        QVERIFY2(warning.contains(QFileInfo(path).fileName()), qPrintable(warning));
        QVERIFY2(warning.contains(reason), qPrintable(warning));
        QVERIFY(warning.count(QLatin1Char('\n')) <= 1);
    }
    if (kept) {
        QCOMPARE(s.rtb1->text(), QString::fromUtf8("(3+2)·4\r\n5·4"));
        QVERIFY(!s.inputLocked());
        QVERIFY(!s.timer->isActive());
        QCOMPARE(s.w->session().errors(), 1);
        QCOMPARE(s.message->text(), kRight);
        QCOMPARE(s.rtb1->heightTwips(), height);
        s.answer(QStringLiteral("20"));
        QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 1 errore e 0 aiuti "));
        return;
    }
    QCOMPARE(s.rtb1->text(), QString());
    QVERIFY(s.inputLocked());
    QVERIFY(s.timer->isActive());
    QVERIFY(!s.w->session().running());
    QCOMPARE(s.w->session().errors(), 0);
    QCOMPARE(s.message->text(), QString());
    QCOMPARE(s.rtb1->heightTwips(), 461);
    QCOMPARE(s.rtb2->topTwips(), 720);
}

void TestSolverWindow::exitReturnsToStart()
{
    Solver s;
    s.openData("three_steps.rtf");
    s.h.sound.played.clear();
    s.click(QStringLiteral("Cmd_esci"));
    QCOMPARE(s.h.sound.played, QList<int>{107});
    QWidget* start = s.h.registry.find(WindowKind::Start);
    QVERIFY(start && start->isVisible());
    QCOMPARE(s.h.registry.find(WindowKind::Solver), nullptr);
    QPointer<QWidget> old(s.w);
    QTRY_VERIFY(old.isNull());
    // A new visit starts afresh.
    auto* again = qobject_cast<SolverWindow*>(s.h.registry.load(WindowKind::Solver));
    QVERIFY(again && !again->session().running());
}

void TestSolverWindow::currentFolderLeftAlone()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    {
        Solver s;
        s.openData("three_steps.rtf");
        s.answer(QString::fromUtf8("5·4"));
        QCOMPARE(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    }
    QDir::setCurrent(before);
}

// Not a check: with QUINTAVIA_SCREENSHOTS=<folder> (under a real display) saves the window with no
// exercise, running and finished, pausing QUINTAVIA_SCREENSHOT_PAUSE ms on each for a grab from
// outside.
void TestSolverWindow::screenshots()
{
    const QString folder = qEnvironmentVariable("QUINTAVIA_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("QUINTAVIA_SCREENSHOTS not set");
    const int pause = qEnvironmentVariableIntValue("QUINTAVIA_SCREENSHOT_PAUSE");
    Solver s;
    s.w->move(0, 0);
    const auto save = [&](const char* state) {
        QTest::qWait(qMax(pause, 200));
        QVERIFY(s.w->grab().save(folder + QStringLiteral("/solver-%1.png").arg(QLatin1String(state))));
    };
    save("none");
    s.openData("four_lines.rtf");
    s.answer(QStringLiteral("2+1+1"));
    s.answer(QStringLiteral("3+2"));
    for (const char* key : {"Cmd_3", "Cmd_quadrato", "Cmd_più"})
        s.key(key);
    QCoreApplication::processEvents();
    save("running");
    s.help();
    s.help();
    save("finished");
}

QUINTAVIA_TEST_MAIN(TestSolverWindow)
#include "tst_window.moc"
