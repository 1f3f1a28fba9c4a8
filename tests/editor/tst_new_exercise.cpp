// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Nuovo esercizio": a generated expression and its chain fill the box, as one undo step.
#include "editor_rig.h"

#include "arithmetic/line.h"
#include "curriculum/exercise_chain.h"
#include "exercise/exercise_lines.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

using namespace quintavia;
using namespace quintavia::test;

namespace {

constexpr std::uint64_t kSeed = 2024;

QStringList plainLines(const RichTextBox* box)
{
    QStringList lines;
    for (const arithmetic::Line& line : exercise::linesOfDocument(*box->document()))
        lines << QString::fromStdString(arithmetic::plainText(line));
    return lines;
}

QStringList expectedLines(int level)
{
    QStringList lines;
    for (const arithmetic::Line& line : curriculum::exerciseWithChain(level, kSeed))
        lines << QString::fromStdString(arithmetic::plainText(line));
    return lines;
}

}  // namespace

class TestNewExercise : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuOfLevels();
    void fillsTheBoxAsOneUndoStep_data();
    void fillsTheBoxAsOneUndoStep();
    void unsavedWorkAsked_data();
    void unsavedWorkAsked();
};

void TestNewExercise::menuOfLevels()
{
    EditorRig r;
    QAction* action = r.w->newExerciseAction();
    QCOMPARE(action->text(), QStringLiteral("Nuovo esercizio"));
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    QStringList levels;
    for (QAction* level : action->menu()->actions())
        levels << level->text();
    QCOMPARE(levels, (QStringList{"1 - Quarta primaria", "2 - Quinta primaria", "3 - Prima media",
                                  "4 - Seconda media", "5 - Terza media"}));
    // Chosen from the menu, even in a window with no document yet.
    r.w->setSeedSource([] { return kSeed; });
    action->menu()->actions().at(2)->trigger();
    QCOMPARE(plainLines(r.box()), expectedLines(3));
    QVERIFY(r.box()->isEnabled());
    QVERIFY(r.w->session().unsaved());
}

void TestNewExercise::fillsTheBoxAsOneUndoStep_data()
{
    QTest::addColumn<int>("level");
    for (int level = 1; level <= 5; ++level)
        QTest::addRow("level %d", level) << level;
}

void TestNewExercise::fillsTheBoxAsOneUndoStep()
{
    QFETCH(int, level);
    EditorRig r;
    r.nuova();
    r.type("8-1");
    r.h.dialogs.answerQuestion(Answer::No);
    r.w->setSeedSource([] { return kSeed; });
    r.w->newExercise(level);
    QVERIFY(r.h.dialogs.allAnswered());
    const QStringList lines = plainLines(r.box());
    QCOMPARE(lines, expectedLines(level));
    QVERIFY(lines.size() >= 2);
    QVERIFY(!lines[1].startsWith(lines[0]));
    r.box()->undo();
    QCOMPARE(r.box()->text(), QStringLiteral("8-1"));
    r.box()->redo();
    QCOMPARE(plainLines(r.box()), lines);
}

void TestNewExercise::unsavedWorkAsked_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes: saved, then replaced") << Answer::Yes << true << true;
    QTest::newRow("No: replaced") << Answer::No << true << false;
    QTest::newRow("Cancel: stays") << Answer::Cancel << false << false;
}

void TestNewExercise::unsavedWorkAsked()
{
    QFETCH(Answer, answer);
    QFETCH(bool, replaced);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lavoro.rtf"));
    EditorRig r;
    r.nuova();
    r.type("8-1");
    r.h.dialogs.answerQuestion(answer);
    if (saved)
        r.h.dialogs.answerSave(path);
    r.w->newExercise(1);
    QVERIFY(r.h.dialogs.allAnswered());
    QCOMPARE(r.h.dialogs.shown.first().text, QStringLiteral("Salvi il lavoro fatto?"));
    QCOMPARE(r.box()->text() != QStringLiteral("8-1"), replaced);
    QCOMPARE(QFileInfo::exists(path), saved);
    // The generated exercise is work of its own, not saved yet.
    QVERIFY(r.w->session().unsaved());

    // Saved work is let go without a question.
    if (!replaced)
        return;
    r.h.dialogs.answerSave(path);
    r.click("cmdSalva");
    r.h.dialogs.shown.clear();
    r.w->newExercise(2);
    QVERIFY(r.h.dialogs.shown.isEmpty());
}

QUINTAVIA_TEST_MAIN(TestNewExercise)
#include "tst_new_exercise.moc"
