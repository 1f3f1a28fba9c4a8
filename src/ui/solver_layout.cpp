// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/solver_layout.h"

#include "ui/keypad_layout.h"
#include "widgets/bevel_button.h"
#include "widgets/rich_text_box.h"

#include <QByteArrayView>
#include <QFrame>
#include <QLabel>

#include <vector>

namespace quintavia::ui {

namespace {

constexpr const char* kMessage = "lblMessaggio";
constexpr const char* kDocument = "RTB1";
constexpr const char* kOpen = "cmdApri";
constexpr const char* kAnswer = "RTB2";
constexpr const char* kHelp = "cmdAiuto";
constexpr const char* kHint = "lblSuggerimento";
constexpr const char* kPicture = "Image1";

// Tab goes from the answer box to the confirm key, then help, then the keys row by row.
constexpr int kInvioTabIndex = 5;
constexpr int kHelpTabIndex = 6;

std::vector<ControlSpec> makeControls()
{
    std::vector<ControlSpec> controls;

    controls.push_back({.name = kMessage,
                        .kind = ControlKind::Label,
                        .left = 120,
                        .top = 6120,
                        .width = 6735,
                        .height = 495,
                        .text = Rgb{255, 0, 0},
                        .font = FontSpec{15.75, true, true},
                        .tabIndex = 0,
                        .centred = true});
    // Where a wrong step is explained. The window moves it next to the answer box, clear of the
    // boxes and of the message line; empty, it is hidden.
    controls.push_back({.name = kHint,
                        .kind = ControlKind::Label,
                        .left = 120,
                        .top = 1260,
                        .width = 6735,
                        .height = 495,
                        .background = kHintGround,
                        .text = kHintText,
                        .font = FontSpec{12}});
    controls.push_back({.name = kDocument,
                        .kind = ControlKind::RichTextBox,
                        .left = 120,
                        .top = 120,
                        .width = kSolverBoxWidth,
                        .height = 461,
                        .background = Rgb{255, 255, 255},
                        .font = FontSpec{12},
                        .tabIndex = 1,
                        .accessibleName = "Espressione"});
    controls.push_back({.name = kOpen,
                        .kind = ControlKind::Button,
                        .caption = "Scegli espressione",
                        .left = 7140,
                        .top = 60,
                        .width = 2115,
                        .height = 495,
                        .background = kOpenBright,
                        .font = FontSpec{12},
                        .tabIndex = 2,
                        .toolTip = "Apri un esercizio da risolvere"});
    controls.push_back({.name = kAnswer,
                        .kind = ControlKind::RichTextBox,
                        .left = 120,
                        .top = 720,
                        .width = kSolverBoxWidth,
                        .height = 465,
                        .background = Rgb{255, 255, 192},
                        .font = FontSpec{12},
                        .tabIndex = 3,
                        .accessibleName = "Il tuo passaggio"});
    controls.push_back({.name = kKeypadFrame,
                        .kind = ControlKind::Frame,
                        .left = 7020,
                        .top = 540,
                        .width = 2355,
                        .height = 6195,
                        .background = Rgb{255, 192, 192},
                        .tabIndex = 4});
    controls.push_back({.name = kHelp,
                        .kind = ControlKind::Button,
                        .caption = "Aiuto",
                        .left = 120,
                        .top = 180,
                        .width = 2115,
                        .height = 495,
                        .background = Rgb{192, 192, 255},
                        .font = FontSpec{12},
                        .tabIndex = kHelpTabIndex,
                        .parent = kKeypadFrame,
                        .toolTip = "Mostra il passaggio successivo (F1)",
                        .shortcut = "F1"});

    for (ControlSpec key : keypadControls(KeypadWindow::Solver, 720, kInvioTabIndex, 6, kHelpTabIndex + 1)) {
        if (QByteArrayView(key.name) == kConfirmKey)
            key.toolTip = "Controlla il passaggio (Invio)";
        controls.push_back(key);
    }
    controls.push_back(exitButton(5580));

    // Beneath the boxes: the document box covers it as it grows.
    controls.push_back({.name = kPicture,
                        .kind = ControlKind::Image,
                        .left = 1200,
                        .top = 1320,
                        .width = 4695,
                        .height = 4694,
                        .picture = ":/pictures/clipart.svg"});

    return controls;
}

}  // namespace

const WindowSpec& solverLayout()
{
    static const std::vector<ControlSpec> controls = makeControls();
    static const WindowSpec layout{.name = "frmQuintavia",
                                   .caption = "Risoluzione",
                                   .clientWidth = 9510,
                                   .clientHeight = 6825,
                                   .background = Rgb{255, 192, 192},
                                   .icon = ":/icons/solver.svg",
                                   .font = FontSpec{12},
                                   .controls = controls};
    return layout;
}

SolverControls buildSolverWindow(QWidget* window, const RichTextBoxFactory& makeBox)
{
    const Controls built = buildWindow(window, solverLayout(), makeBox);
    SolverControls c;
    built.take(kDocument, c.document);
    built.take(kAnswer, c.answer);
    built.take(kMessage, c.message);
    built.take(kHint, c.hint);
    built.take(kPicture, c.picture);
    built.take(kOpen, c.open);
    built.take(kKeypadFrame, c.frame);
    built.take(kHelp, c.help);
    built.take(kConfirmKey, c.confirm);
    built.take(kExitButton, c.exit);
    return c;
}

}  // namespace quintavia::ui
