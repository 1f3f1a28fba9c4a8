// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercise/solver_session.h"
#include "shell/common_dialog.h"

#include <QColor>
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace quintavia {

enum class Sound;

class BevelButton;
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

public Q_SLOTS:
    // One blink of the open button; the timer calls it every 500 ms.
    void onTimerTick();

private:
    void onOpenClicked();
    void onExitClicked();
    void onConfirmClicked();
    void onHelpClicked();
    void onAnswerKeyPress(int& keyAscii);
    bool startSteps(std::vector<arithmetic::Line> lines);
    void afterStep();
    // Places the boxes for the first `lines` lines (as `wanted`, while they fit above the message
    // line) and shows those lines, the last ones when they do not all fit.
    void showRevealed(reveal::Geometry wanted, int lines);
    float wantedHeight() const { return static_cast<float>(m_wantedHeightTwips / 1440.0); }
    float wantedTop() const { return static_cast<float>(m_wantedTopTwips / 1440.0); }
    void showNoExercise();
    void refuse(const QString& text);
    void setOpenButtonColour(const QColor& colour);
    // Plays a sound; false when the window went away while pending events ran.
    bool play(Sound sound);

    WindowRegistry& m_registry;
    CommonDialog m_dialog;
    SolverSession m_session;
    Blinker m_blinker;

    RichTextBox* m_document = nullptr;
    RichTextBox* m_answer = nullptr;
    QLabel* m_message = nullptr;
    BevelButton* m_open = nullptr;
    QFrame* m_frame = nullptr;
    QTimer* m_timer = nullptr;
    Keypad* m_keypad = nullptr;  // owned by the frame
    // Where the boxes would stand if the window were tall enough for every revealed line.
    int m_wantedHeightTwips = 0;
    int m_wantedTopTwips = 0;
};

}  // namespace quintavia
