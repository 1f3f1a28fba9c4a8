// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a real solver window: opens exercises through the scripted dialog, types answers and
// clicks its buttons.
#include "solver/solver_window.h"
#include "test_harness.h"
#include "widgets/bevel_button.h"
#include "widgets/rich_text_box.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace quintavia::test {

inline QString dataFile(const char* name)
{
    return QStringLiteral(QUINTAVIA_TEST_DATA "/solver/") + QString::fromUtf8(name);
}

struct Solver {
    Harness h;
    SolverWindow* w = nullptr;
    RichTextBox* rtb1 = nullptr;
    RichTextBox* rtb2 = nullptr;
    QLabel* message = nullptr;
    QFrame* frame = nullptr;
    QTimer* timer = nullptr;

    Solver()
    {
        w = qobject_cast<SolverWindow*>(h.registry.load(WindowKind::Solver));
        w->show();
        rtb1 = w->findChild<RichTextBox*>(QStringLiteral("RTB1"));
        rtb2 = w->findChild<RichTextBox*>(QStringLiteral("RTB2"));
        message = w->findChild<QLabel*>(QStringLiteral("lblMessaggio"));
        frame = w->findChild<QFrame*>(QStringLiteral("Frame1"));
        timer = w->findChild<QTimer*>(QStringLiteral("Timer1"));
    }

    QToolButton* button(const QString& name) const { return w->findChild<QToolButton*>(name); }
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void key(const char* name) { click(QString::fromUtf8(name)); }

    // The open button with the dialog answering `path` (nothing: Cancel).
    void open(std::optional<QString> path)
    {
        h.dialogs.answerOpen(std::move(path));
        click(QStringLiteral("cmdApri"));
    }
    void openData(const char* name) { open(dataFile(name)); }

    // Types into the answer box, in place of what a wrong answer left there, and presses Enter.
    void answer(const QString& text)
    {
        rtb2->selectAll();
        QTest::keyClick(rtb2, Qt::Key_Backspace);
        append(text);
    }
    // Types after what the box holds and presses Enter.
    void append(const QString& text)
    {
        QTest::keyClicks(rtb2, text);
        QTest::keyClick(rtb2, Qt::Key_Return);
    }
    void help() { click(QStringLiteral("cmdAiuto")); }
    void confirm() { click(QStringLiteral("Cmd_invio")); }

    // The open button's face, which blinks while no exercise runs.
    QColor openColour() const { return qobject_cast<BevelButton*>(button(QStringLiteral("cmdApri")))->face(); }
    bool inputLocked() const { return !frame->isEnabled() && !rtb2->isEnabled(); }
};

}  // namespace quintavia::test
