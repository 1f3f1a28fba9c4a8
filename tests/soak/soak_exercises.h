// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exercises for the long sessions: a thousand different chains made by the step generator, and a
// way to type a line as a pupil or a teacher does, on the keypad or the keyboard.
#include "arithmetic/steps.h"
#include "document/document_file.h"
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"
#include "exercise/exercise_lines.h"
#include "widgets/keypad_keys.h"
#include "widgets/rich_text_box.h"

#include <QAbstractButton>
#include <QFile>
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
    const arithmetic::Steps steps = arithmetic::generateSteps(expression, mode, rtf::kMaxReadLines);
    if (!steps.ok())
        return {};
    std::vector<arithmetic::Line> lines{expression};
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    return lines;
}

// Written plainly, without the editor's flush to disk: a thousand of them are made at each run.
inline bool writeExercise(const QString& path, const std::vector<arithmetic::Line>& lines)
{
    QFile file(path);
    const QByteArray rtf = lines.empty() ? QByteArray() : rtf::write(*exercise::documentOfLines(lines));
    return !rtf.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size();
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

// Types `line` into `box` at its caret as a person does: the raised digits on the keypad's exponent
// keys, the key after them on the keypad too (only an ordinary key ends raised typing), the rest on
// the keyboard; everything on the keypad when `onKeypad`. Blanks have no key, and do not count in
// a step.
inline void typeLine(QWidget* window, RichTextBox* box, const arithmetic::Line& line, bool onKeypad)
{
    bool typingRaised = false;
    QString typed;
    const auto typeOnKeyboard = [&] {
        QTest::keyClicks(box, typed);
        typed.clear();
    };
    for (const arithmetic::Char& c : line) {
        if (!onKeypad && !c.raised && !typingRaised) {
            typed += QString::fromUcs4(&c.code, 1);
            continue;
        }
        typeOnKeyboard();
        if (c.code == U' ')
            continue;
        QAbstractButton* key = keypadKey(window, c);
        QVERIFY2(key, "a character with no key");
        QTest::mouseClick(key, Qt::LeftButton);
        // The keypad's key is queued: it must arrive before anything typed after it.
        QCoreApplication::processEvents();
        typingRaised = c.raised;
    }
    typeOnKeyboard();
}

}  // namespace quintavia::test
