// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The solver from the keyboard and on screen: Tab order, F1, tooltips, a disabled answer box.
#include "solver_fixture.h"

#include <QAccessible>

using namespace quintavia;
using test::Solver;

class TestSolverKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabRunsFromTheAnswerThroughTheKeypad();
    void f1PressesAiuto_data();
    void f1PressesAiuto();
    void toolTipsSayWhatAControlDoes_data();
    void toolTipsSayWhatAControlDoes();
    void disabledAnswerBoxLooksDisabled_data();
    void disabledAnswerBoxLooksDisabled();
};

void TestSolverKeyboard::tabRunsFromTheAnswerThroughTheKeypad()
{
    Solver s;
    s.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.w));
    s.openData("three_steps.rtf");
    QCOMPARE(QApplication::focusWidget(), s.rtb2);
    QStringList order{s.rtb2->objectName()};
    for (int i = 0; i < 41; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    // clang-format off: one row of the keypad a line
    const QStringList expected{
        "RTB2", "Cmd_invio", "cmdAiuto",
        "Cmd_backspace", "Cmd_graffa_aperta", "Cmd_graffa_chiusa",
        "Cmd_tonda_aperta", "Cmd_tonda_chiusa", "Cmd_quadra_aperta", "Cmd_quadra_chiusa",
        "Cmd_7", "Cmd_8", "Cmd_9", "Cmd_più",
        "Cmd_4", "Cmd_5", "Cmd_6", "Cmd_meno",
        "Cmd_1", "Cmd_2", "Cmd_3", "Cmd_per",
        "Cmd_0", "Cmd_virgola", "Cmd_uguale", "Cmd_diviso",
        "cmd_allasettima", "cmd_allaottava", "cmd_allanona", "cmd_puntino",
        "cmd_allaquarta", "cmd_allaquinta", "cmd_allasesta", "cmd_slash",
        "cmd_prima", "Cmd_quadrato", "Cmd_cubo",
        "cmd_alla0",
        "Cmd_esci", "RTB1", "cmdApri", "RTB2"};
    // clang-format on
    QCOMPARE(order, expected);
}

void TestSolverKeyboard::f1PressesAiuto_data()
{
    QTest::addColumn<bool>("exercise");
    QTest::addColumn<int>("shownAfter");  // lines revealed after F1
    QTest::newRow("during an exercise") << true << 2;
    QTest::newRow("with no exercise, nothing") << false << 1;
}

void TestSolverKeyboard::f1PressesAiuto()
{
    QFETCH(bool, exercise);
    QFETCH(int, shownAfter);
    Solver s;
    s.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.w));
    if (exercise)
        s.openData("three_steps.rtf");
    s.h.sound.played.clear();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : s.w, Qt::Key_F1);
    QTest::qWait(300);  // a shortcut shows the button pressed a moment before it clicks
    QCOMPARE(s.rtb1->document()->blockCount(), shownAfter);
    QCOMPARE(s.w->session().helps(), exercise ? 1 : 0);
}

void TestSolverKeyboard::toolTipsSayWhatAControlDoes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    QTest::newRow("an exponent key") << "Cmd_quadrato" << "2 in esponente";
    QTest::newRow("a sign") << "Cmd_più" << "più";
    QTest::newRow("a bracket") << "Cmd_tonda_aperta" << "parentesi tonda aperta";
    QTest::newRow("a digit") << "Cmd_7" << "cifra 7";
    QTest::newRow("backspace") << "Cmd_backspace" << "cancella il carattere a sinistra";
    QTest::newRow("confirm") << "Cmd_invio" << "Controlla il passaggio (Invio)";
    QTest::newRow("help") << "cmdAiuto" << "Mostra il passaggio successivo (F1)";
    QTest::newRow("open") << "cmdApri" << "Apri un esercizio da risolvere";
    QTest::newRow("exit") << "Cmd_esci" << "Torna alla finestra iniziale";
}

void TestSolverKeyboard::toolTipsSayWhatAControlDoes()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);
    Solver s;
    QWidget* control = s.button(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), tip);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    QVERIFY(spoken);
    QCOMPARE(spoken->text(QAccessible::Description), tip);
}

void TestSolverKeyboard::disabledAnswerBoxLooksDisabled_data()
{
    QTest::addColumn<int>("steps");  // -1: no exercise opened
    QTest::addColumn<bool>("ready");
    QTest::newRow("before any exercise") << -1 << false;
    QTest::newRow("during an exercise") << 0 << true;
    QTest::newRow("after the end") << 2 << false;
}

void TestSolverKeyboard::disabledAnswerBoxLooksDisabled()
{
    QFETCH(int, steps);
    QFETCH(bool, ready);
    Solver s;
    if (steps >= 0)
        s.openData("three_steps.rtf");
    for (int i = 0; i < steps; ++i)
        s.help();
    QCOMPARE(s.rtb2->isEnabled(), ready);
    s.rtb2->setCursorWidth(0);
    const QImage seen = s.rtb2->viewport()->grab().toImage();
    const QColor ground = seen.pixelColor(seen.width() / 2, seen.height() / 2);
    QCOMPARE(ground == QColor(255, 255, 192), ready);
    QCOMPARE(ground.red() == ground.green() && ground.green() == ground.blue(), !ready);  // grey
}

QUINTAVIA_TEST_MAIN(TestSolverKeyboard)
#include "tst_keyboard.moc"
