// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One teacher's session of a thousand rounds in one editor window: open the last file saved, type
// a new last line (keypad or keyboard, now and then coloured), save it under a new name. Every
// hundred rounds the files are read back from disk. The session must not grow in memory, keep files
// open or leave timers running.
#include "../editor/editor_rig.h"
#include "editor/live_check.h"
#include "soak_exercises.h"
#include "soak_probe.h"

using namespace quintavia;
using namespace quintavia::test;

namespace {

// QUINTAVIA_SOAK_ROUNDS sets a longer (or shorter) session by hand.
const int kRounds = soakRounds();

QString roundPath(const QString& folder, int round)
{
    return folder + QStringLiteral("/es%1.rtf").arg(round);
}

}  // namespace

class TestEditorThousand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void thousandSaves();
};

void TestEditorThousand::thousandSaves()
{
    const QString folder = freshFolder("editor");
    std::vector<arithmetic::Line> lines = soakExercise(5);
    QVERIFY(writeExercise(roundPath(folder, 0), lines));
    QStringList kept;  // the first lines, which no round changes
    for (std::size_t k = 0; k + 1 < lines.size(); ++k)
        kept << textOf(lines[k]);

    QString previous = (kept + QStringList{textOf(lines.back())}).join(kCrLf);  // the file opened next

    EditorRig e;
    QStringList reference;  // the timers with an exercise open, after the first round
    QSet<QString> descriptors;
    QList<std::pair<int, QString>> unchecked;  // rounds saved since the last look at the disk
    SoakReport report;
    QElapsedTimer clock;
    clock.start();
    for (int round = 1; round <= kRounds; ++round) {
        const QString where = QStringLiteral("round %1").arg(round);
        e.h.dialogs.answerOpen(roundPath(folder, round - 1));
        e.click("cmdModifica");
        QVERIFY2(e.w->session().documentOpen(), qPrintable(where));
        QCOMPARE(plainText(*e.box()->document()), previous);

        // The last line, selected and typed anew.
        e.caretAtEnd();
        QTextCursor last = e.box()->textCursor();
        last.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
        e.box()->setTextCursor(last);
        const bool onKeypad = round % 2 == 0;
        const arithmetic::Line typed = arithmetic::plainLine("= " + std::to_string(round));
        typeLine(e.w, e.box(), typed, onKeypad);
        if (round % 10 == 0) {
            e.select(e.box()->textCursor().block().position(), e.box()->textCursor().position());
            e.h.dialogs.answerColor(QColor::fromHsv(round % 360, 255, 160));
            e.click("cmdColore");
        }

        e.h.dialogs.answerSave(roundPath(folder, round));
        e.click("cmdSalva");
        QVERIFY2(!e.w->session().unsaved(), qPrintable(where));
        previous = (kept + QStringList{onKeypad ? QStringLiteral("=%1").arg(round) : textOf(typed)}).join(kCrLf);
        unchecked.append({round, previous});
        e.h.sound.played.clear();
        e.h.dialogs.shown.clear();

        if (round == 1) {
            reference = TimerCensus::take();
            descriptors = openDescriptors();
        }
        if (round % 100 == 0) {
            // The live check's pause passes once in a while, as when the teacher stops typing.
            QTest::qWait(LiveCheck::kDelayMs + 50);
            for (const auto& [saved, text] : std::as_const(unchecked)) {
                const rtf::ReadResult read = readDocumentFile(roundPath(folder, saved));
                QVERIFY2(read.document, qPrintable(roundPath(folder, saved)));
                QCOMPARE(plainText(*read.document), text);
            }
            unchecked.clear();
        }
        report.sample("editor", round);
    }
    report.elapsedMs = clock.elapsed();
    report.late = memoryNow();
    report.lateObjects = int(allObjects().size());
    report.log("editor", kRounds);

    QCOMPARE(listed(e.h.dialogs.unexpected), QString());
    QVERIFY(e.h.dialogs.allAnswered());
    QCOMPARE(listed(e.h.watchdog.seen), QString());
    checkNoDescriptorAdded(descriptors);
    const QStringList atEnd = TimerCensus::take();
    SOAK_FIGURE("editor: timers after the first round %s; at the end %s",
                qPrintable(reference.join(QStringLiteral(", "))), qPrintable(atEnd.join(QStringLiteral(", "))));
    // Only the harness's dialog watchdog: the live check's wait is over, and offscreen the window is
    // never active, so the caret does not blink.
    QCOMPARE(listed(reference), QStringLiteral("QTimer"));
    QCOMPARE(listed(atEnd), listed(reference));
    checkMemoryBound(report);

    // Leaving with everything saved asks nothing and lets the window go.
    e.click("Cmd_esci");
    QVERIFY(e.editorGone());
    QCOMPARE(listed(e.h.dialogs.unexpected), QString());
}

QUINTAVIA_TEST_MAIN(TestEditorThousand)
#include "tst_editor_thousand.moc"
