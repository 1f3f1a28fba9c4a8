// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

#include <QString>

#include <optional>
#include <vector>

namespace quintavia {

// The solver's line counter is 16 bits wide: it must point one past the last line, so a document
// may have at most this many lines to be solved.
inline constexpr int kMaximumLines = 32766;
// Adds one to a 16-bit line counter; false (and the counter unchanged) when it would overflow.
bool checkedIncrement(qint16& counter);

// What the solver window counts in the exercise in progress: the document's lines, the lines shown,
// the errors and helps, and the texts and sounds that follow from them (whether a step is right
// is the step judge's: diagnosis::PupilPath). No widgets.
class SolverSession {
public:
    // Messages of the message line.
    static QString rightMessage();
    static QString wrongMessage();

    // Counters back to 0 when an exercise is opened.
    void resetErrors() { m_errors = 0; }
    void resetHelps() { m_helps = 0; }

    // Takes the document's lines (with their raised flags) and points at the first. False, and
    // nothing changed, when there are none or more than kMaximumLines.
    bool start(std::vector<arithmetic::Line> lines);
    bool running() const { return !m_lines.empty(); }
    // Forgets the exercise: nothing to check any more.
    void stop();

    // A wrong answer is one error; the same answer confirmed again, unchanged, is not another.
    void countWrongAnswer(const arithmetic::Line& answer);
    void countHelp() { ++m_helps; }
    // One more line shown. False when the counter cannot go further (it then stays).
    bool advance();

    // "Hai finito con 2 errori e 1 aiuto " and the like.
    QString finalMessage() const;
    // Fewer than three helps were taken: the end is celebrated.
    bool fewHelps() const;
    static constexpr int kFewHelpsLimit = 3;

    int errors() const { return m_errors; }
    int helps() const { return m_helps; }
    // Lines shown, from 1; 0 while no exercise runs.
    qint16 counter() const { return m_counter; }
    // The document's lines: line k (from 1) is lines()[k - 1].
    const std::vector<arithmetic::Line>& lines() const { return m_lines; }

private:
    std::vector<arithmetic::Line> m_lines;  // line k (from 1) is m_lines[k - 1]
    qint16 m_counter = 0;
    int m_errors = 0;
    int m_helps = 0;
    std::optional<arithmetic::Line> m_lastWrong;  // since the last line was shown
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
