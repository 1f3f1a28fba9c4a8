// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercise/solver_session.h"
#include "shell/common_dialog.h"
#include "record/history.h"
#include "solver/record_keeper.h"
#include "solver/reveal_view.h"
#include "ui/solver_layout.h"

#include <QTextDocument>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QColor;
class QMenu;
class QTimer;

namespace quintavia {

namespace diagnosis {
class PupilPath;
}
enum class Sound;

class Keypad;
class RichTextBox;
class WindowRegistry;

// Creates the solver window.
QWidget* createSolverWindow(WindowRegistry& registry);

// The pupil's window: opens an exercise, judges each step typed in the answer box, shows the
// pupil's way through it line by line (the teacher's lines and the pupil's own right steps) and
// reports errors and helps at the end.
class SolverWindow : public QWidget {
    Q_OBJECT

public:
    explicit SolverWindow(WindowRegistry& registry);
    ~SolverWindow() override;

    const SolverSession& session() const { return m_session; }

    // "Esercizio nuovo" (context menu of the document box): a generated exercise of `level` starts
    // as if its file had been opened.
    void newExercise(int level);
    // "Esercizio per me" (first in "Esercizio nuovo", Ctrl+N): the level and theme the pupil's
    // record calls for; the message line says why.
    void exerciseForMe();
    // Where the generated exercises' seeds come from; std::random_device unless replaced.
    void setSeedSource(std::function<std::uint64_t()> seeds) { m_seeds = std::move(seeds); }
    QAction* newExerciseAction() const { return m_newExercise; }
    QAction* exerciseForMeAction() const { return m_forMe; }

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
    // `exercise` says what the record calls it: the file's name, or a generated one's level, theme
    // and seed. False when it did not start.
    bool startExercise(const QTextDocument& read, const QString& name, record::ExerciseInfo exercise);
    // A generated exercise of these lines.
    bool startGenerated(const std::vector<arithmetic::Line>& lines, const record::ExerciseInfo& exercise);
    // A record that cannot be written is said once, in the message line.
    void sayOfRecord(const QString& problem);
    // The line the pupil's path has just gained goes into the document box.
    void showNewLine(RevealView::Growth growth);
    // After a line is shown: the exercise goes on, or ends with its counts.
    void afterStep();
    // Places the answer box under the lines shown, the hint, and the document box above them
    // (see RevealView::showIn).
    void layOut();
    // The hint line: what went wrong in the step just confirmed (plain notation, "^" before raised
    // digits); an empty message hides it.
    void showHint(const std::string& message);
    void clearHint();
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
    RevealView* m_reveal = nullptr;  // the document box
    Keypad* m_keypad = nullptr;      // owned by the frame
    QAction* m_newExercise = nullptr;
    QAction* m_forMe = nullptr;
    QMenu* m_levels = nullptr;
    std::function<std::uint64_t()> m_seeds;
    std::unique_ptr<diagnosis::PupilPath> m_path;  // the pupil's way through the exercise running
    RecordKeeper m_record;
};

}  // namespace quintavia
