// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_rig.h"

#include "solver/solver_window.h"

#include <QLabel>
#include <QTemporaryDir>

using namespace quintavia;

namespace {

// The exercise as the teacher writes it with the keypad, one list of keys a line.
const QList<QStringList> kLines = {
    // {[(1+2)² - 3]x2}:6
    {"Cmd_graffa_aperta", "Cmd_quadra_aperta", "Cmd_tonda_aperta", "Cmd_1", "Cmd_più", "Cmd_2",
     "Cmd_tonda_chiusa", "Cmd_quadrato", "Cmd_meno", "Cmd_3", "Cmd_quadra_chiusa", "Cmd_per", "Cmd_2",
     "Cmd_graffa_chiusa", "Cmd_diviso", "Cmd_6"},
    // {[3² - 3]x2}:6
    {"Cmd_graffa_aperta", "Cmd_quadra_aperta", "Cmd_3", "Cmd_quadrato", "Cmd_meno", "Cmd_3",
     "Cmd_quadra_chiusa", "Cmd_per", "Cmd_2", "Cmd_graffa_chiusa", "Cmd_diviso", "Cmd_6"},
    // {[9 - 3]x2}:6
    {"Cmd_graffa_aperta", "Cmd_quadra_aperta", "Cmd_9", "Cmd_meno", "Cmd_3", "Cmd_quadra_chiusa", "Cmd_per",
     "Cmd_2", "Cmd_graffa_chiusa", "Cmd_diviso", "Cmd_6"},
    // {6x2}:6
    {"Cmd_graffa_aperta", "Cmd_6", "Cmd_per", "Cmd_2", "Cmd_graffa_chiusa", "Cmd_diviso", "Cmd_6"},
    // 12:6
    {"Cmd_1", "Cmd_2", "Cmd_diviso", "Cmd_6"},
    // 2
    {"Cmd_2"},
};

const QString kPlainText
    = QStringLiteral("{[(1+2)2-3]x2}:6\r\n{[32-3]x2}:6\r\n{[9-3]x2}:6\r\n{6x2}:6\r\n12:6\r\n2");

}  // namespace

class TestEditorToSolver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exerciseWrittenInTheEditorIsSolvedInTheSolver();
};

void TestEditorToSolver::exerciseWrittenInTheEditorIsSolvedInTheSolver()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("potenze.rtf");
    test::Harness h;
    h.registry.load(WindowKind::Start)->show();

    // The teacher: Nuova, the lines with the keypad and Invio, the result in red, Salva, Esci.
    {
        QPointer<QWidget> editor = h.registry.load(WindowKind::Editor);
        editor->show();
        auto click = [&](const QString& name) {
            QTest::mouseClick(editor->findChild<QAbstractButton*>(name), Qt::LeftButton);
            QCoreApplication::processEvents();
        };
        auto* box = editor->findChild<RichTextBox*>(QStringLiteral("RichTextBox1"));
        click("cmdNuovo");
        for (qsizetype i = 0; i < kLines.size(); ++i) {
            if (i > 0)
                click("Cmd_invio");
            for (const QString& key : kLines[i])
                click(key);
        }
        QCOMPARE(box->text(), kPlainText);
        QTextCursor last(box->document());
        last.movePosition(QTextCursor::End);
        last.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
        box->setTextCursor(last);
        h.dialogs.answerColor(QColor(220, 0, 0));
        click("cmdColore");
        h.dialogs.answerSave(path);
        click("cmdSalva");
        click("Cmd_esci");  // saved: no question
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(editor.isNull());
    }
    QVERIFY(h.dialogs.unexpected.isEmpty());
    QVERIFY(h.registry.find(WindowKind::Start)->isVisible());

    // The pupil: opens it, types the steps (one wrong, one with the keypad's exponent), takes one
    // help, and finishes.
    auto* solver = qobject_cast<SolverWindow*>(h.registry.load(WindowKind::Solver));
    QVERIFY(solver);
    solver->show();
    auto* rtb1 = solver->findChild<RichTextBox*>(QStringLiteral("RTB1"));
    auto* rtb2 = solver->findChild<RichTextBox*>(QStringLiteral("RTB2"));
    auto* message = solver->findChild<QLabel*>(QStringLiteral("lblMessaggio"));
    auto button
        = [&](const char* name) { return solver->findChild<QAbstractButton*>(QString::fromUtf8(name)); };
    auto press = [&](const char* name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        QCoreApplication::processEvents();
    };
    auto answer = [&](const QString& text) {
        rtb2->selectAll();
        QTest::keyClick(rtb2, Qt::Key_Backspace);
        QTest::keyClicks(rtb2, text);
        press("Cmd_invio");
    };

    h.dialogs.answerOpen(path);
    press("cmdApri");
    QVERIFY(rtb2->isEnabled());
    // The expression shows; the steps wait, hidden, until they are revealed.
    QCOMPARE(rtb1->text(), kPlainText.section(QStringLiteral("\r\n"), 0, 0));
    h.sound.played.clear();

    answer("{[9-3]x2}:6");  // skips a step: wrong
    QCOMPARE(message->text(), QString::fromUtf8("Il passaggio non è esatto. Correggi."));
    rtb2->selectAll();
    QTest::keyClick(rtb2, Qt::Key_Backspace);
    for (const char* key :
         {"Cmd_graffa_aperta", "Cmd_quadra_aperta", "Cmd_3", "Cmd_quadrato", "Cmd_meno", "Cmd_3",
          "Cmd_quadra_chiusa", "Cmd_per", "Cmd_2", "Cmd_graffa_chiusa", "Cmd_diviso", "Cmd_6"})
        press(key);
    press("Cmd_invio");
    QCOMPARE(message->text(), QStringLiteral("Bravissimo"));
    answer("{[9-3]x2}:6");
    QCOMPARE(message->text(), QStringLiteral("Bravissimo"));
    press("cmdAiuto");  // reveals {6x2}:6
    answer("12:6");
    answer("2");

    QVERIFY2(message->text().startsWith(QStringLiteral("Hai finito con")), qPrintable(message->text()));
    QCOMPARE(message->text().simplified(), QStringLiteral("Hai finito con 1 errore e 1 aiuto"));
    QCOMPARE(h.sound.played.last(), 101);
    QCOMPARE(rtb1->text(), kPlainText);
    QVERIFY(!rtb2->isEnabled());
    QVERIFY(h.dialogs.unexpected.isEmpty());

    // The red result and the raised exponents came through the file.
    QTextCursor result(rtb1->document()->lastBlock());
    result.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(result.charFormat().foreground().color(), QColor(220, 0, 0));
    QTextCursor exponent(rtb1->document()->firstBlock());
    exponent.setPosition(exponent.position() + 8);  // just after the "2" that follows "(1+2)"
    QCOMPARE(exponent.charFormat().fontPointSize(), 8.0);
}

QUINTAVIA_TEST_MAIN(TestEditorToSolver)
#include "tst_editor_to_solver.moc"
