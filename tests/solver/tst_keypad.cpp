// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/char_format.h"
#include "solver_fixture.h"

#include <QTextBlock>
#include <QTextCursor>

using namespace quintavia;
using test::Solver;

namespace {

// Size, bold and raise of each character of the answer box, as "size/b/raise" strings.
QStringList formatsOf(const RichTextBox* box)
{
    QStringList formats;
    const QString text = box->toPlainText();
    for (int i = 1; i <= text.size(); ++i) {
        QTextCursor cursor(box->document());
        cursor.setPosition(i);
        const QTextCharFormat f = cursor.charFormat();  // the character before the position
        formats << QStringLiteral("%1/%2/%3")
                       .arg(f.fontPointSize())
                       .arg(f.fontWeight() >= QFont::Bold ? QStringLiteral("b") : QString())
                       .arg(raiseOf(f));
    }
    return formats;
}

}  // namespace

class TestSolverKeypad : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysTypeWithTheirFormat_data();
    void keysTypeWithTheirFormat();
    void solvedWithTheKeypad();
    void selectionIsReplaced_data();
    void selectionIsReplaced();
    void quickClicksArriveInOrder();
    void captions();
};

void TestSolverKeypad::keysTypeWithTheirFormat_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("formats");
    const QString raised = QStringLiteral("8/b/85");
    QTest::newRow("exponent then digit")
        << QStringList{"Cmd_quadrato", "Cmd_3"} << "23" << QStringList{raised, "12//0"};
    QTest::newRow("two-digit exponent")
        << QStringList{"Cmd_5", "cmd_prima", "cmd_alla0"} << "510" << QStringList{"12//0", raised, raised};
    QTest::newRow("backspace after exponent") << QStringList{"Cmd_5", "Cmd_cubo", "Cmd_backspace", "Cmd_4"}
                                              << "54" << QStringList{"12//0", "12//0"};
    QTest::newRow("x and middle dot")
        << QStringList{"Cmd_2", "Cmd_per", "Cmd_3", "cmd_puntino", "Cmd_4"} << QString::fromUtf8("2x3·4")
        << QStringList{"12//0", "12//0", "12//0", "12//0", "12//0"};
    QTest::newRow("brackets and signs") << QStringList{"Cmd_graffa_aperta", "Cmd_quadra_aperta",
                                                       "Cmd_tonda_aperta",  QString::fromUtf8("Cmd_più"),
                                                       "Cmd_meno",          "Cmd_diviso",
                                                       "cmd_slash",         "Cmd_uguale",
                                                       "Cmd_virgola",       "Cmd_tonda_chiusa",
                                                       "Cmd_quadra_chiusa", "Cmd_graffa_chiusa"}
                                        << "{[(+-:/=,)]}" << QStringList(12, QStringLiteral("12//0"));
}

void TestSolverKeypad::keysTypeWithTheirFormat()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(QStringList, formats);
    Solver s;
    s.openData("three_steps.rtf");
    s.h.sound.played.clear();
    for (const QString& key : keys) {
        s.click(key);
        QCoreApplication::processEvents();
    }
    QCOMPARE(s.rtb2->text(), text);
    QCOMPARE(formatsOf(s.rtb2), formats);
    QCOMPARE(s.h.sound.played, QList<int>(keys.size(), 102));
    // What is typed next takes the format of the last key.
    const bool lastRaised = formats.last().endsWith(QLatin1String("/85"));
    QCOMPARE(raiseOf(s.rtb2->currentCharFormat()), lastRaised ? 85 : 0);
}

void TestSolverKeypad::solvedWithTheKeypad()
{
    Solver s;
    s.openData("three_steps.rtf");
    s.h.sound.played.clear();
    for (const char* key : {"Cmd_5", "Cmd_più", "Cmd_4"})
        s.key(key);
    QCoreApplication::processEvents();
    s.confirm();
    QCOMPARE(s.message->text(), QString::fromUtf8("Il passaggio non è esatto. Correggi."));
    s.key("Cmd_backspace");
    s.key("Cmd_backspace");
    s.key("cmd_puntino");
    s.key("Cmd_4");
    QCoreApplication::processEvents();
    s.confirm();
    QCOMPARE(s.message->text(), QStringLiteral("Bravissimo"));
    s.key("Cmd_2");
    s.key("Cmd_0");
    QCoreApplication::processEvents();
    s.confirm();
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 1 errore e 0 aiuti "));
    QCOMPARE(s.h.sound.played, (QList<int>{102, 102, 102, 103, 102, 102, 102, 102, 104, 102, 102, 104, 101}));
}

void TestSolverKeypad::selectionIsReplaced_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("formats");
    QTest::newRow("ordinary key") << "Cmd_7"
                                  << "17" << QStringList{"12//0", "12//0"};
    QTest::newRow("exponent key") << "Cmd_quadrato"
                                  << "12" << QStringList{"12//0", "8/b/85"};
    QTest::newRow("backspace") << "Cmd_backspace"
                               << "1" << QStringList{"12//0"};
}

void TestSolverKeypad::selectionIsReplaced()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QStringList, formats);
    Solver s;
    s.openData("three_steps.rtf");
    QTest::keyClicks(s.rtb2, QStringLiteral("123"));
    QTextCursor cursor = s.rtb2->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    s.rtb2->setTextCursor(cursor);
    s.click(key);
    QCoreApplication::processEvents();
    QCOMPARE(s.rtb2->text(), text);
    QCOMPARE(formatsOf(s.rtb2), formats);
}

void TestSolverKeypad::quickClicksArriveInOrder()
{
    Solver s;
    s.openData("three_steps.rtf");
    // No event processing between the clicks: the keys queue up and arrive in click order.
    for (const char* key : {"Cmd_1", "Cmd_2", "Cmd_quadrato", "Cmd_3"})
        s.key(key);
    QCoreApplication::processEvents();
    QCOMPARE(s.rtb2->text(), QStringLiteral("1223"));
    QCOMPARE(formatsOf(s.rtb2), (QStringList{"12//0", "12//0", "8/b/85", "12//0"}));
}

void TestSolverKeypad::captions()
{
    Solver s;
    const auto caption = [&](const char* name) { return s.button(QString::fromUtf8(name))->text(); };
    QCOMPARE(caption("cmdAiuto"), QStringLiteral("Aiuto"));
    QCOMPARE(caption("cmdApri"), QStringLiteral("Scegli espressione"));
    QCOMPARE(caption("Cmd_esci"), QStringLiteral("Esci"));
    QCOMPARE(caption("cmd_allasettima"), QStringLiteral(" 7    "));
    QCOMPARE(caption("cmd_allanona"), QStringLiteral(" 9   "));
    QCOMPARE(caption("Cmd_backspace"), QString());
    QVERIFY(!s.button(QStringLiteral("Cmd_backspace"))->icon().isNull());
    QVERIFY(!s.button(QStringLiteral("Cmd_invio"))->icon().isNull());
    QVERIFY(!s.button(QStringLiteral("Cmd_esci"))->icon().isNull());
}

QUINTAVIA_TEST_MAIN(TestSolverKeypad)
#include "tst_keypad.moc"
