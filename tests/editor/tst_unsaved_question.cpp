// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Esc on a question that guards work, or the question's own close box, changes nothing.
#include "editor_rig.h"

#include <QTemporaryDir>

using namespace quintavia;
using namespace quintavia::test;

class TestUnsavedQuestion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapeOnTheSaveQuestionStays_data();
    void escapeOnTheSaveQuestionStays();
    void escapeOnTheReplaceQuestionKeepsTheFile();
};

void TestUnsavedQuestion::escapeOnTheSaveQuestionStays_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Esci") << "Cmd_esci";
    QTest::newRow("Nuova") << "cmdNuovo";
    QTest::newRow("Modifica") << "cmdModifica";
}

void TestUnsavedQuestion::escapeOnTheSaveQuestionStays()
{
    QFETCH(QString, button);
    EditorRig r;
    r.nuova();
    r.type("8-1");
    r.h.sound.played.clear();
    r.h.dialogs.answerQuestion(Answer::Cancel);
    r.click(button.toLatin1().constData());

    QVERIFY(r.h.dialogs.allAnswered());
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
    QCOMPARE(r.h.dialogs.shown.size(), 1);  // no save or open dialog follows
    QCOMPARE(r.h.dialogs.shown[0].text, QStringLiteral("Salvi il lavoro fatto?"));
    QCOMPARE(r.h.sound.played, QList<int>{107});
    QVERIFY(!r.editorGone());
    QVERIFY(r.w->isVisible());
    QVERIFY(!r.h.registry.find(WindowKind::Start) || !r.h.registry.find(WindowKind::Start)->isVisible());
    QCOMPARE(r.box()->text(), QStringLiteral("8-1"));
    QVERIFY(r.w->session().unsaved());

    // The question comes back the next time, and No still leaves.
    r.h.dialogs.answerQuestion(Answer::No);
    r.click("Cmd_esci");
    QVERIFY(r.editorGone());
}

void TestUnsavedQuestion::escapeOnTheReplaceQuestionKeepsTheFile()
{
    // Yes on the way out, then a name the editor completes to an existing file: Esc on
    // "replace it?" saves nothing and leaves the teacher in the editor with the work.
    QTemporaryDir dir;
    QFile existing(dir.filePath("prova.rtf"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("{\\rtf1 prima}");
    existing.close();
    EditorRig r;
    r.nuova();
    r.type("8-1");
    r.h.dialogs.answerQuestion(Answer::Yes);
    r.h.dialogs.answerSave(dir.filePath("prova"));
    r.h.dialogs.answerQuestion(Answer::Cancel);
    r.click("Cmd_esci");

    QVERIFY(r.h.dialogs.allAnswered());
    QVERIFY(!r.editorGone());
    QCOMPARE(r.box()->text(), QStringLiteral("8-1"));
    QVERIFY(r.w->session().unsaved());
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("{\\rtf1 prima}"));
}

QUINTAVIA_TEST_MAIN(TestUnsavedQuestion)
#include "tst_unsaved_question.moc"
