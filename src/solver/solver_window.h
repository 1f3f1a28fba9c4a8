// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercise/solver_session.h"
#include "shell/common_dialog.h"
#include "ui/solver_layout.h"
#include "widgets/twips.h"

#include <QColor>
#include <QTextDocument>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QTimer;

namespace quintavia {

enum class Sound;

class Keypad;
class RichTextBox;
class WindowRegistry;

// Creates the solver window.
QWidget* createSolverWindow(WindowRegistry& registry);

// The pupil's window: opens an exercise, checks each step typed in the answer box, reveals the
// document line by line and reports errors and helps at the end.
class SolverWindow : public QWidget {
    Q_OBJECT

public:
    explicit SolverWindow(WindowRegistry& registry);
    ~SolverWindow() override;

    const SolverSession& session() const { return m_session; }
    // The open button's face colour (it blinks while no exercise runs).
    QColor openButtonColour() const;

    // "Esercizio nuovo" (context menu of the document box, Ctrl+N): a generated exercise of
    // `level` starts as if its file had been opened.
    void newExercise(int level);
    // Where the generated exercises' seeds come from; std::random_device unless replaced.
    void setSeedSource(std::function<std::uint64_t()> seeds) { m_seeds = std::move(seeds); }
    QAction* newExerciseAction() const { return m_newExercise; }

public Q_SLOTS:
    // One blink of the open button; the timer calls it every 500 ms.
    void onTimerTick();

private:
    void onOpenClicked();
    void onExitClicked();
    void onConfirmClicked();
    void onHelpClicked();
    void onAnswerKeyPress(int& keyAscii);
    void showContextMenu(const QPoint& position);
    // What opening a file and starting a generated exercise share, from the document on: a
    // document of too many lines is refused with a warning naming `name`.
    void startExercise(const QTextDocument& read, const QString& name);
    void afterStep();
    // Lays the exercise out whole, measures its lines and keeps it; the box then gets only the
    // revealed lines, so nothing hidden can be copied, dragged or read out from it.
    void prepareExercise(const QTextDocument& read);
    // How much line `line` (from 1) adds to the document box when it is revealed, in inches.
    double lineInches(int line) const;
    // Places the boxes for the first `lines` lines (as `wanted`, while they fit above the message
    // line) and puts into the document box the lines it shows whole (see shownLines).
    void showRevealed(reveal::Geometry wanted, int lines);
    // Places the boxes and the hint for what is revealed; see showRevealed.
    void layOut();
    // The hint line: what went wrong in the step just confirmed (plain notation, "^" before raised
    // digits); an empty message hides it.
    void showHint(const std::string& message);
    void clearHint();
    // Which of the first `lines` lines (from 0) the box shows: all while they fit, else the
    // expression above the last ones that fit whole.
    std::vector<int> shownLines(int lines) const;
    float wantedHeight() const { return static_cast<float>(m_wantedHeightTwips / widgets::kTwipsPerInch); }
    float wantedTop() const { return static_cast<float>(m_wantedTopTwips / widgets::kTwipsPerInch); }
    void showNoExercise();
    void setOpenButtonColour(const QColor& colour);
    // Plays a sound; false when the window went away while pending events ran.
    bool play(Sound sound);

    WindowRegistry& m_registry;
    CommonDialog m_dialog;
    SolverSession m_session;
    Blinker m_blinker;

    ui::SolverControls m_ui;  // set once, when the window is built
    QTimer* m_timer = nullptr;
    Keypad* m_keypad = nullptr;  // owned by the frame
    QAction* m_newExercise = nullptr;
    QMenu* m_levels = nullptr;
    std::function<std::uint64_t()> m_seeds;
    std::unique_ptr<QTextDocument> m_exercise;  // every line, as laid out in the box
    struct LineSpan {
        double top;
        double bottom;
    };
    std::vector<LineSpan> m_lines;  // where each line stands in the whole exercise, in pixels
    // Where the boxes would stand if the window were tall enough for every revealed line.
    int m_wantedHeightTwips = 0;
    int m_wantedTopTwips = 0;
    int m_revealedLines = 1;
};

}  // namespace quintavia
