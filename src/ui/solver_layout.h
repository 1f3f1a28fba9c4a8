// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"
#include "ui/window_builder.h"

class QAbstractButton;
class QFrame;
class QLabel;

namespace quintavia {
class BevelButton;
class RichTextBox;
}  // namespace quintavia

namespace quintavia::ui {

// The solver window: document and answer boxes, message line, open and exit buttons, and the
// keypad frame with the help and confirm keys.
const WindowSpec& solverLayout();

// The solver's controls as the window reaches them; their object names stay in the layout.
struct SolverControls {
    RichTextBox* document = nullptr;
    RichTextBox* answer = nullptr;
    QLabel* message = nullptr;
    QLabel* hint = nullptr;  // what went wrong in a step
    QLabel* picture = nullptr;  // the decoration beneath the boxes
    BevelButton* open = nullptr;
    QFrame* frame = nullptr;  // the keypad's
    QAbstractButton* help = nullptr;
    QAbstractButton* confirm = nullptr;
    QAbstractButton* exit = nullptr;
};
// Builds `window` from solverLayout(); `makeBox` makes its two rich-text boxes.
using RichTextBoxFactory = std::function<RichTextBox*(const ControlSpec& control, QWidget* parent)>;
SolverControls buildSolverWindow(QWidget* window, const RichTextBoxFactory& makeBox);

// The document and answer boxes' width, in twips: what a line must fit.
inline constexpr int kSolverBoxWidth = 6735;

// Colours of the open button while it blinks.
inline constexpr Rgb kOpenBright{0, 255, 0};
inline constexpr Rgb kOpenDark{0, 192, 0};
// The hint's dark blue, on a light ground of its own.
inline constexpr Rgb kHintText{0, 0, 128};
inline constexpr Rgb kHintGround{255, 255, 240};
// The hint shows at most this many lines; a longer one ends in "…".
inline constexpr int kHintLines = 2;

}  // namespace quintavia::ui
