// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the editor tests share: the real window on the test harness, and short ways to press its
// buttons and read its document box.
#include "editor/editor_window.h"
#include "shell/window_registry.h"
#include "test_harness.h"
#include "widgets/rich_text_box.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFrame>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

namespace quintavia::test {

inline const QString kRtfFilter = QStringLiteral("file .rtf (Rich Text Format)|*.rtf");
inline const QString kCrLf = QStringLiteral("\r\n");

struct EditorRig {
    Harness h;
    QPointer<EditorWindow> w;

    EditorRig()
    {
        w = qobject_cast<EditorWindow*>(h.registry.load(WindowKind::Editor));
        w->show();
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget> T* get(const char* name) const
    {
        return w->findChild<T*>(QString::fromUtf8(name));
    }
    RichTextBox* box() const { return get<RichTextBox>("RichTextBox1"); }
    QAbstractButton* button(const char* name) const { return get<QAbstractButton>(name); }

    // A click as the mouse gives it; a disabled button ignores it. Queued keys are delivered.
    void click(const char* name)
    {
        QAbstractButton* b = button(name);
        QVERIFY2(b, name);
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    void keys(const QStringList& names)
    {
        for (const QString& name : names)
            click(name.toUtf8().constData());
    }
    static void settle() { QCoreApplication::processEvents(); }

    // Typed on the physical keyboard into the box.
    void type(const QString& text)
    {
        box()->setFocus();
        QTest::keyClicks(box(), text);
        settle();
    }
    void pressEnter()
    {
        QTest::keyClick(box(), Qt::Key_Return);
        settle();
    }
    // Nuova from the idle window.
    void nuova()
    {
        click("cmdNuovo");
        h.sound.played.clear();
    }
    // Lines 1..n written with the keyboard ("riga 1" ...), the caret at the end of the last.
    void writeLines(int n)
    {
        for (int i = 1; i <= n; ++i) {
            if (i > 1)
                pressEnter();
            type(QStringLiteral("riga %1").arg(i));
        }
    }
    void select(int from, int to)
    {
        QTextCursor c(box()->document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        box()->setTextCursor(c);
    }
    void caretAt(int position) { select(position, position); }
    void caretAtEnd()
    {
        QTextCursor c(box()->document());
        c.movePosition(QTextCursor::End);
        box()->setTextCursor(c);
    }
    int lineCount() const { return box()->document()->blockCount(); }

    // The editor has gone once its deferred deletion has run.
    bool editorGone()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return w.isNull() && !h.registry.find(WindowKind::Editor);
    }
};

// `n` lines "1" .. "n" joined by CR LF.
inline QString numberedLines(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QString::number(i);
    return lines.join(kCrLf);
}

}  // namespace quintavia::test
