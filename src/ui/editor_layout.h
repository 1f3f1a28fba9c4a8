// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

class QAbstractButton;
class QFrame;
class QLabel;
class QWidget;

namespace quintavia {
class RichTextBox;
}  // namespace quintavia

namespace quintavia::ui {

// The editor window's control tree: the document box, the four document buttons, the keypad
// frame (without the help row) and the exit button over the frame's free corner.
const WindowSpec& editorLayout();

// The editor's controls as the window reaches them; their object names stay in the layout.
struct EditorControls {
    RichTextBox* box = nullptr;
    QFrame* frame = nullptr;  // the keypad's
    QLabel* check = nullptr;  // the live check's line
    QAbstractButton* newDocument = nullptr;
    QAbstractButton* open = nullptr;
    QAbstractButton* save = nullptr;
    QAbstractButton* colour = nullptr;
    QAbstractButton* confirm = nullptr;
    QAbstractButton* exit = nullptr;
};
// Builds `window` from editorLayout(), with a plain rich-text box as its document box.
EditorControls buildEditorWindow(QWidget* window);

}  // namespace quintavia::ui
