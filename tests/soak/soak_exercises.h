// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exercises for the long sessions: a thousand different chains made by the step generator, and a
// way to type a line as a pupil or a teacher does, on the keypad or the keyboard.
#include "arithmetic/steps.h"
#include "document/document_file.h"
#include "document/rtf_reader.h"
#include "exercise/exercise_lines.h"
#include "widgets/keypad_keys.h"
#include "widgets/rich_text_box.h"

#include <QAbstractButton>
#include <QTest>

#include <string>

namespace quintavia::test {

// Exercise `i`: brackets, raised exponents, decimals and divisions in turn, solved in school order
// or one operation a line. Empty when the generator refuses it.
inline std::vector<arithmetic::Line> soakExercise(int i)
{
    const int a = 1 + i % 9, b = 2 + (i / 9) % 7, c = 2 + i % 4, d = 1 + (i / 3) % 5;
    const char* const shapes[] = {"(%d + %d) x %d - %d^2", "[(%d + %d) x %d - %d] : 2",
                                  "{[%d x (%d + %d)] - %d^2} + 1,5", "(%d^2 + %d) : (%d + %d) x 2"};
    const QByteArray text = QString::asprintf(shapes[i % 4], a, b, c, d).toUtf8();
    const arithmetic::Line expression = arithmetic::plainLine(text.toStdString());
    const auto mode = (i / 4) % 2 ? arithmetic::StepMode::OneOperation : arithmetic::StepMode::School;
    const arithmetic::Steps steps = arithmetic::generateSteps(expression, mode, rtf::kMaxLines);
    if (!steps.ok())
        return {};
    std::vector<arithmetic::Line> lines{expression};
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    return lines;
}

inline bool writeExercise(const QString& path, const std::vector<arithmetic::Line>& lines)
{
    QString error;
    return !lines.empty() && writeDocumentFile(path, *exercise::documentOfLines(lines), &error);
}

inline QString textOf(const arithmetic::Line& line)
{
    QString text;
    for (const arithmetic::Char& c : line)
        text += QString::fromUcs4(&c.code, 1);
    return text;
}

// The keypad button that types `c`, or nullptr when the keypad has none (a blank).
inline QAbstractButton* keypadKey(const QWidget* window, const arithmetic::Char& c)
{
    const KeyFormat format = c.raised ? KeyFormat::Exponent : KeyFormat::Ordinary;
    for (const KeyDef& key : keyTable()) {
        if (key.character != 0 && key.character == c.code && key.format == format)
            return window->findChild<QAbstractButton*>(QString::fromUtf8(key.name));
    }
    return nullptr;
}

// Types `line` into `box` at its caret: on the keypad when `onKeypad` or when the line has raised
// digits (as typed text would follow an exponent key raised), else on the keyboard. Blanks have no
// key; they do not count in a step. The keypad's keys arrive once pending events are processed.
inline void typeLine(QWidget* window, RichTextBox* box, const arithmetic::Line& line, bool onKeypad)
{
    const bool raised = std::any_of(line.begin(), line.end(), [](const auto& c) { return c.raised; });
    if (!onKeypad && !raised) {
        QTest::keyClicks(box, textOf(line));
        return;
    }
    for (const arithmetic::Char& c : line) {
        if (QAbstractButton* key = keypadKey(window, c))
            QTest::mouseClick(key, Qt::LeftButton);
        else
            QVERIFY2(c.code == U' ', "a character with no key");
    }
    QCoreApplication::processEvents();
}

}  // namespace quintavia::test
