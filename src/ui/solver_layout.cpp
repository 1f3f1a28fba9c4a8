// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/solver_layout.h"

#include "ui/keypad_layout.h"

#include <vector>

namespace quintavia::ui {

namespace {

std::vector<ControlSpec> makeControls()
{
    std::vector<ControlSpec> controls;

    ControlSpec message{"lblMessaggio", ControlKind::Label};
    message.left = 120, message.top = 6120, message.width = 6735, message.height = 495;
    message.text = Rgb{255, 0, 0};
    message.font = FontSpec{15.75, true, true};
    message.tabIndex = 0;
    message.centred = true;
    controls.push_back(message);

    ControlSpec document{"RTB1", ControlKind::RichTextBox};
    document.left = 120, document.top = 120, document.width = 6735, document.height = 461;
    document.background = Rgb{255, 255, 255};
    document.font = FontSpec{12};
    document.tabIndex = 1;
    document.accessibleName = "Espressione";
    controls.push_back(document);

    ControlSpec open{"cmdApri", ControlKind::Button, "Scegli espressione"};
    open.left = 7140, open.top = 60, open.width = 2115, open.height = 495;
    open.background = kOpenBright;
    open.font = FontSpec{12};
    open.tabIndex = 2;
    controls.push_back(open);

    ControlSpec answer{"RTB2", ControlKind::RichTextBox};
    answer.left = 120, answer.top = 720, answer.width = 6735, answer.height = 465;
    answer.background = Rgb{255, 255, 192};
    answer.font = FontSpec{12};
    answer.tabIndex = 3;
    answer.accessibleName = "Il tuo passaggio";
    controls.push_back(answer);

    ControlSpec frame{"Frame1", ControlKind::Frame};
    frame.left = 7020, frame.top = 540, frame.width = 2355, frame.height = 6195;
    frame.background = Rgb{255, 192, 192};
    frame.tabIndex = 4;
    controls.push_back(frame);

    ControlSpec help{"cmdAiuto", ControlKind::Button, "Aiuto"};
    help.left = 120, help.top = 180, help.width = 2115, help.height = 495;
    help.background = Rgb{192, 192, 255};
    help.font = FontSpec{12};
    help.tabIndex = 41;
    help.parent = "Frame1";
    controls.push_back(help);

    for (const ControlSpec& key : keypadControls(KeypadWindow::Solver, 720, 11, 6))
        controls.push_back(key);

    // Lies over the frame's free lower-right cells but belongs to the window, so it still works
    // while the keypad is locked.
    ControlSpec exit{"Cmd_esci", ControlKind::Button, "Esci"};
    exit.left = 8760, exit.top = 5580, exit.width = 495, exit.height = 1035;
    exit.background = Rgb{255, 0, 0};
    exit.font = FontSpec{9.75};
    exit.tabIndex = 42;
    exit.picture = ":/pictures/door_exit.svg";
    exit.onTop = true;
    controls.push_back(exit);

    // Beneath the boxes: the document box covers it as it grows.
    ControlSpec image{"Image1", ControlKind::Image};
    image.left = 1200, image.top = 1320, image.width = 4695, image.height = 4694;
    image.picture = ":/pictures/clipart.svg";
    controls.push_back(image);

    return controls;
}

}  // namespace

const WindowSpec& solverLayout()
{
    static const std::vector<ControlSpec> controls = makeControls();
    static const WindowSpec layout = [] {
        WindowSpec w{"frmQuintavia", "Risoluzione"};
        w.clientWidth = 9510;
        w.clientHeight = 6825;
        w.background = Rgb{255, 192, 192};
        w.icon = ":/icons/solver.svg";
        w.font = FontSpec{12};
        w.controls = controls;
        return w;
    }();
    return layout;
}

}  // namespace quintavia::ui
