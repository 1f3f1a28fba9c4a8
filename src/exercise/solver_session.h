// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "document/step_table.h"

#include <QString>

#include <vector>

namespace quintavia {

// What the solver window knows about the exercise in progress: the step table, the line counter,
// the error and help counters, and the texts and sounds that follow from them. No widgets here.
class SolverSession {
public:
    // Messages of the message line.
    static QString rightMessage();
    static QString wrongMessage();

    // Counters back to 0 when an exercise is opened.
    void resetErrors() { m_errors = 0; }
    void resetHelps() { m_helps = 0; }

    // Builds the step table from the document's plain text and points at its first line. `lines`
    // are the document's lines with their raised flags; without them every character counts as
    // not raised. False, and nothing changed, when the text has too many lines to count.
    bool start(const QString& plainText, std::vector<arithmetic::Line> lines = {});
    bool running() const { return m_lineCount > 0; }
    // Forgets the exercise: nothing to check any more.
    void stop();

    // The answer is right when it matches the next line (see stepsMatch: raised flags count,
    // blanks and the choice among equivalent signs do not).
    bool isRight(const arithmetic::Line& answer) const;
    bool isRight(const QString& answer) const;
    void countError() { ++m_errors; }
    void countHelp() { ++m_helps; }
    // One more line shown. False when the counter cannot go further (it then stays).
    bool advance();
    // No line after the ones shown: the exercise is over.
    bool finished() const;

    // "Hai finito con 2 errori e 1 aiuto " and the like.
    QString finalMessage() const;
    // Fewer than three helps were taken: the end is celebrated.
    bool fewHelps() const;
    static constexpr int kFewHelpsLimit = 3;

    int errors() const { return m_errors; }
    int helps() const { return m_helps; }
    qint16 counter() const { return m_counter; }
    const StepTable& steps() const { return m_steps; }
    // The line the pupil must type next, with its CR LF (empty after the last line).
    QString expected() const;

private:
    StepTable m_steps;
    std::vector<arithmetic::Line> m_lines;  // line k of the table is m_lines[k - 1]
    qint16 m_counter = 0;
    qint16 m_lineCount = 0;
    int m_errors = 0;
    int m_helps = 0;
};

// How the document box grows as lines are revealed, and where the answer box then stands.
// Lengths in inches; the boxes keep them in whole twips.
namespace reveal {
inline constexpr double kStartHeight = 0.32;  // only the expression shows
inline constexpr double kAnswerHeight = 0.32;
inline constexpr double kAnswerTop = 0.5;
inline constexpr double kLine = 0.24;
inline constexpr float kHelpLimit = 3.71f;  // compared in single precision, as the box gives it
inline constexpr double kHelpCap = 3.72;
// The answer box's lowest top: its lower edge stays just above the message line (at 4.25).
inline constexpr double kAnswerLimit = 3.87;

struct Geometry {
    double documentHeight;
    double answerTop;
};
// A right step shows one more line, `line` inches tall, and moves the answer box down with it.
Geometry afterRightStep(float documentHeight, float answerTop, double line = kLine);
// A help grows the same way until the limit; past it the box is set to the cap and the answer
// box stays.
Geometry afterHelp(float documentHeight, float answerTop, double line = kLine);
// Where the boxes stand in the window: as `wanted` while the answer box stays above the message
// line; past that the answer box stops there and the document box ends at the same distance
// above it as always (the window then shows the last revealed lines in it).
Geometry fitted(Geometry wanted);
}  // namespace reveal

// The open button's blinking: bright on one tick, dark on the next. The counter lives as long as
// the window, so the first tick after an exercise may show either colour.
class Blinker {
public:
    enum class Colour { Bright, Dark };
    // One tick: the colour the button ends on.
    Colour tick();

private:
    qint16 m_counter = 0;
};

}  // namespace quintavia
