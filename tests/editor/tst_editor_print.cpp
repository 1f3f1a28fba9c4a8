// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "../worksheet/sheet_pdf.h"
#include "editor_rig.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>

using namespace quintavia;
using test::EditorRig;

namespace {

QString fixture()
{
    return QStringLiteral(QUINTAVIA_TEST_DATA "/editor/esercizio.rtf");
}

// The menu a right click on the box opens, or null.
QMenu* openContextMenu(EditorRig& r)
{
    const QPoint at(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, r.box()->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(r.box()->viewport(), &event);
    r.settle();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* printItem(QMenu* menu)
{
    for (QAction* action : menu->actions())
        if (action->text() == QStringLiteral("Stampa…"))
            return action;
    return nullptr;
}

}  // namespace

class TestEditorPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printsTheExerciseBeingEdited_data();
    void printsTheExerciseBeingEdited();
    void nothingToPrintWhenIdle();
};

void TestEditorPrint::printsTheExerciseBeingEdited_data()
{
    QTest::addColumn<bool>("fromMenu");  // else Ctrl+P
    QTest::addColumn<bool>("opened");    // Modifica on the fixture, else Nuova and typing
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("ctrl+p, opened, sheet") << false << true << false << false;
    QTest::newRow("menu, opened, key") << true << true << true << false;
    QTest::newRow("ctrl+p, new, key") << false << false << true << false;
    QTest::newRow("menu, cancelled") << true << true << false << true;
}

void TestEditorPrint::printsTheExerciseBeingEdited()
{
    QFETCH(bool, fromMenu);
    QFETCH(bool, opened);
    QFETCH(bool, withKey);
    QFETCH(bool, cancel);
    EditorRig r;
    if (opened) {
        r.h.dialogs.answerOpen(fixture());
        r.click("cmdModifica");
    } else {
        r.nuova();
        r.type(QStringLiteral("(2+3)x2"));
        r.pressEnter();
        r.type(QStringLiteral("5x2"));
    }
    const QString pdf = test::outputDir() + QStringLiteral("/editor-%1.pdf").arg(QTest::currentDataTag());
    QFile::remove(pdf);
    r.h.dialogs.answerPrint(cancel ? std::nullopt : std::optional<QString>(pdf), withKey);

    if (fromMenu) {
        QMenu* menu = openContextMenu(r);
        QVERIFY(menu);
        QAction* item = printItem(menu);
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QCOMPARE(item->shortcut(), QKeySequence(QKeySequence::Print));
        menu->close();
        item->trigger();
    } else {
        QTest::keySequence(r.w, QKeySequence::Print);
    }
    r.settle();

    QVERIFY(r.h.dialogs.allAnswered());
    QCOMPARE(r.h.dialogs.unexpected, QStringList());
    const QString title = opened ? QStringLiteral("esercizio") : QStringLiteral("Esercizio");
    QCOMPARE(r.h.dialogs.shown.last().title, title);
    QCOMPARE(QFile::exists(pdf), !cancel);
    if (cancel)
        return;
    const QString text = test::pdfText(pdf);
    QCOMPARE(test::firstMissingInOrder(text, {title, QStringLiteral("Nome"), QStringLiteral("1.(2+3)x2")}),
             QString());
    QCOMPARE(text.contains(QStringLiteral("5x2")), withKey);  // the step, only in the key
    if (withKey)
        QCOMPARE(test::firstMissingInOrder(
                     text, {QStringLiteral("Soluzioni"), QStringLiteral("(2+3)x2"), QStringLiteral("5x2")}),
                 QString());
    QVERIFY(r.box()->hasFocus());
}

// Before Nuova or Modifica there is no exercise: the item is greyed and Ctrl+P does nothing.
void TestEditorPrint::nothingToPrintWhenIdle()
{
    EditorRig r;
    QTest::keySequence(r.w, QKeySequence::Print);
    r.settle();
    QCOMPARE(r.h.dialogs.shown.size(), 0);
    QCOMPARE(r.h.dialogs.unexpected, QStringList());
}

QUINTAVIA_TEST_MAIN(TestEditorPrint)
#include "tst_editor_print.moc"
