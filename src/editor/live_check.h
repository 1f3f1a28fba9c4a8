// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>

class QLabel;

namespace quintavia {

class RichTextBox;

// While the teacher writes, checks the chain a moment after the last change: the status line shows
// the first problem, and the faulty line gets a red wavy underline. Both are display only: nothing
// goes into the document, its undo history or its unsaved flag.
class LiveCheck : public QObject {
    Q_OBJECT

public:
    static constexpr int kDelayMs = 150;

    LiveCheck(RichTextBox& box, QLabel& status);
    // Checks at once (the timer's work).
    void checkNow();

private:
    RichTextBox& m_box;
    QLabel& m_status;
    QTimer m_timer;
};

}  // namespace quintavia
