// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercise/editor_session.h"
#include "shell/common_dialog.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QAbstractButton;
class QAction;
class QFrame;
class QMenu;

namespace quintavia {

enum class Sound;

class Keypad;
class RichTextBox;
class WindowRegistry;

// Creates the editor window.
QWidget* createEditorWindow(WindowRegistry& registry);

// The editor window `frmEditor`: the teacher writes an exercise, one step a line, and saves it.
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    explicit EditorWindow(WindowRegistry& registry);
    ~EditorWindow() override;

    const EditorSession& session() const { return m_session; }

    // "Genera i passaggi" (context menu, Ctrl+G): the steps of the line under the caret.
    void generateSteps();
    // "Nuovo esercizio" (context menu, Ctrl+Shift+N): a fresh expression of `level` and its chain
    // fill the box, as one undo step, once unsaved work is settled.
    void newExercise(int level);
    // Where the generated exercises' seeds come from; std::random_device unless replaced.
    void setSeedSource(std::function<std::uint64_t()> seeds) { m_seeds = std::move(seeds); }
    QAction* newExerciseAction() const { return m_newExercise; }
    QAction* classFolderAction() const { return m_classFolder; }

private:
    void resetToIdle();
    void onNewClicked();
    void onOpenClicked();
    void onSaveClicked();
    void onColourClicked();
    void onExitClicked();
    void onConfirmClicked();
    void onPrintTriggered();
    void showContextMenu(const QPoint& position);
    // "Cartella della classe..." in the context menu: the teacher sets where the records go.
    void chooseClassFolder();

    // The Salva action; true once the document is on disk.
    bool save();
    // Before the document is let go: asks about unsaved work and saves on Yes. False when the
    // work would be lost (the save was cancelled or failed), so the caller must stop.
    bool settleUnsavedWork();
    // Enables or disables what depends on a document being open.
    void applyState();
    // Plays a sound; false once the window is being left (a click queued behind this one may
    // have run Esci while the sound player processed pending events).
    bool play(Sound sound);

    WindowRegistry& m_registry;
    CommonDialog m_dialog;
    EditorSession m_session;
    QPointer<RichTextBox> m_box;
    QFrame* m_frame = nullptr;
    QAbstractButton* m_saveButton = nullptr;
    QAbstractButton* m_colourButton = nullptr;
    Keypad* m_keypad = nullptr;        // owned by the frame
    QAction* m_generate = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_newExercise = nullptr;
    QAction* m_classFolder = nullptr;
    QMenu* m_levels = nullptr;
    std::function<std::uint64_t()> m_seeds;
    QString m_documentName;  // the open file's name for a printed heading; empty for a new one
    bool m_leaving = false;
};

}  // namespace quintavia
