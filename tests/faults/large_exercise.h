// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A large exercise, as heavy as the editor lets a teacher make one: fifteen long lines whose colour
// and raise change every few characters. `variant` changes every character, so that two variants
// never share a byte range long enough to hide a torn file.
#include "document/char_format.h"

#include <QTextCursor>
#include <QTextDocument>

namespace quintavia::test {

inline void fillLargeExercise(QTextDocument& document, int variant)
{
    static const QColor colours[] = {Qt::black, QColor(200, 0, 0), QColor(0, 0, 200), QColor(0, 128, 0)};
    QTextCursor cursor(&document);
    cursor.beginEditBlock();  // one layout at the end, not one per run
    for (int line = 0; line < 15; ++line) {
        if (line > 0)
            cursor.insertBlock();
        for (int run = 0; run < 1500; ++run) {
            QTextCharFormat format = baseCharFormat();
            format.setForeground(colours[(run + line + variant) % 4]);
            if (run % 5 == 4)
                setRaise(format, 60);
            cursor.insertText(QString::number((run * 7 + line + variant) % 1000) + QStringLiteral("+"),
                              format);
        }
    }
    cursor.endEditBlock();
}

}  // namespace quintavia::test
