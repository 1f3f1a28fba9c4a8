// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_rig.h"

#include "shell/sound_switch.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using namespace quintavia;
using test::EditorRig;
using test::numberedLines;

namespace {

const QString kUsersText = QStringLiteral("testo di un altro programma");

}  // namespace

class TestStepRecording : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void invioEndsTheLineUnderTheLimit_data();
    void invioEndsTheLineUnderTheLimit();
    void warningRepeatsUntilALineIsDeleted();
    void keyboardEnterHasNoLimit();
    void clipboardKeptAfterEveryPress_data();
    void clipboardKeptAfterEveryPress();
    void exponentsAndColoursDoNotCount();
    void tooManyLinesToCountAreRefused();
};

void TestStepRecording::invioEndsTheLineUnderTheLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectFrom");  // -1: caret at the end
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("after");

    const QString crlf = test::kCrLf;
    QTest::newRow("empty box") << "" << -1 << -1 << crlf;
    QTest::newRow("expression only") << "(2+3)x4" << -1 << -1 << "(2+3)x4" + crlf;
    QTest::newRow("ending in a line break")
        << "A" + crlf + "B" + crlf << -1 << -1 << "A" + crlf + "B" + crlf + crlf;
    QTest::newRow("14 lines: the 15th") << numberedLines(14) << -1 << -1 << numberedLines(14) + crlf;
    QTest::newRow("caret in the middle splits the line") << "12+34" << 2 << 2 << "12" + crlf + "+34";
    QTest::newRow("selection replaced by the break") << "12+34=46" << 2 << 5 << "12" + crlf + "=46";
    QTest::newRow("selection across lines") << "1+1" + crlf + "2" << 2 << 5 << "1+" + crlf;
}

void TestStepRecording::invioEndsTheLineUnderTheLimit()
{
    QFETCH(QString, text);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, after);
    EditorRig r;
    r.nuova();
    r.box()->setText(text);
    if (selectFrom < 0)
        r.caretAtEnd();
    else
        r.select(selectFrom, selectTo);

    r.click("Cmd_invio");
    QCOMPARE(r.box()->text(), after);
    QCOMPARE(r.h.sound.played, QList<int>{104});
    QVERIFY(r.h.dialogs.shown.isEmpty());
    QVERIFY(r.box()->hasFocus());
    // The caret waits at the start of the new line, ready for the next step.
    QVERIFY(!r.box()->textCursor().hasSelection());
    QCOMPARE(r.box()->textCursor().positionInBlock(), 0);
    QVERIFY(r.box()->textCursor().blockNumber() > 0);
}

void TestStepRecording::warningRepeatsUntilALineIsDeleted()
{
    EditorRig r;
    r.nuova();
    r.writeLines(14);
    r.click("Cmd_invio");  // the 15th line
    QCOMPARE(r.lineCount(), 15);
    QCOMPARE(r.h.sound.takePlayed(), QList<int>{104});
    const QString full = r.box()->text();

    for (int press = 0; press < 2; ++press) {
        r.h.dialogs.answerWarning();
        r.click("Cmd_invio");
        QVERIFY(r.h.dialogs.allAnswered());
        QCOMPARE(r.h.dialogs.lastWarning(), QStringLiteral("Non puoi aggiungere altri passaggi"));
        QCOMPARE(r.box()->text(), full);
        QVERIFY(r.h.sound.played.isEmpty());
    }

    // The empty 15th line goes with the keypad's backspace; then Invio adds a line again.
    r.click("Cmd_backspace");
    QCOMPARE(r.lineCount(), 14);
    r.h.sound.played.clear();
    r.click("Cmd_invio");
    QCOMPARE(r.lineCount(), 15);
    QCOMPARE(r.h.sound.played, QList<int>{104});
    QCOMPARE(r.h.dialogs.shown.size(), 2);
}

void TestStepRecording::keyboardEnterHasNoLimit()
{
    EditorRig r;
    r.nuova();
    r.writeLines(18);
    QCOMPARE(r.lineCount(), 18);
    QVERIFY(r.h.sound.played.isEmpty());
    QVERIFY(r.h.dialogs.shown.isEmpty());

    for (int press = 0; press < 2; ++press) {
        r.h.dialogs.answerWarning();
        r.click("Cmd_invio");
    }
    QVERIFY(r.h.dialogs.allAnswered());
    QCOMPARE(r.h.dialogs.shown.size(), 2);
    QCOMPARE(r.lineCount(), 18);
    QVERIFY(r.h.sound.played.isEmpty());
}

void TestStepRecording::clipboardKeptAfterEveryPress_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("soundsOn");
    QTest::newRow("under the limit") << 3 << true;
    QTest::newRow("under the limit, sounds off") << 3 << false;
    QTest::newRow("at the limit") << 15 << true;
}

void TestStepRecording::clipboardKeptAfterEveryPress()
{
    QFETCH(int, lines);
    QFETCH(bool, soundsOn);
    EditorRig r;
    r.nuova();
    soundSwitch() = soundsOn ? 0 : 1;
    r.box()->setText(numberedLines(lines));
    r.caretAtEnd();
    QGuiApplication::clipboard()->setText(kUsersText);
    if (lines >= 15)
        r.h.dialogs.answerWarning();
    r.click("Cmd_invio");
    // The clipboard is the user's: Invio neither empties it nor leaves the document there.
    QCOMPARE(QGuiApplication::clipboard()->text(), kUsersText);
    QCOMPARE(r.box()->text(), numberedLines(lines) + (lines >= 15 ? QString() : test::kCrLf));
    QCOMPARE(r.lineCount(), lines >= 15 ? lines : lines + 1);
    QCOMPARE(r.h.sound.played, soundsOn && lines < 15 ? QList<int>{104} : QList<int>{});
}

void TestStepRecording::exponentsAndColoursDoNotCount()
{
    EditorRig r;
    r.nuova();
    // 13 lines of "3" raised "2" "+1", then a coloured one: 14 lines in all.
    for (int i = 0; i < 13; ++i) {
        r.keys({"Cmd_3", "Cmd_quadrato", "cmd_prima", "cmd_alla0", "Cmd_più", "Cmd_1"});
        r.click("Cmd_invio");
    }
    r.h.dialogs.answerColor(QColor(0, 128, 0));
    r.click("cmdColore");
    r.keys({"Cmd_9"});
    QCOMPARE(r.lineCount(), 14);
    r.h.sound.played.clear();

    r.click("Cmd_invio");  // 14 lines: the 15th is still allowed
    QCOMPARE(r.h.sound.played, QList<int>{104});
    QCOMPARE(r.lineCount(), 15);
    r.h.dialogs.answerWarning();
    r.click("Cmd_invio");
    QVERIFY(r.h.dialogs.allAnswered());
    QCOMPARE(r.lineCount(), 15);
}

void TestStepRecording::tooManyLinesToCountAreRefused()
{
    // More lines than 16 bits count (65537 would wrap to 1): refused, never a line added.
    EditorRig r;
    r.nuova();
    r.box()->setText(numberedLines(65537));
    r.caretAtEnd();
    r.h.dialogs.answerWarning();
    r.click("Cmd_invio");
    QVERIFY(r.h.dialogs.allAnswered());
    QCOMPARE(r.h.dialogs.shown.last().text, QStringLiteral("Non puoi aggiungere altri passaggi"));
    QCOMPARE(r.lineCount(), 65537);
    QVERIFY(r.h.sound.played.isEmpty());
}

QUINTAVIA_TEST_MAIN(TestStepRecording)
#include "tst_step_recording.moc"
