// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor_layout.h"

#include "ui/keypad_layout.h"
#include "ui/window_builder.h"
#include "widgets/rich_text_box.h"

#include <QAbstractButton>
#include <QByteArrayView>
#include <QFrame>
#include <QLabel>

#include <vector>

namespace quintavia::ui {

namespace {

constexpr const char* kBox = "RichTextBox1";
constexpr const char* kNew = "cmdNuovo";
constexpr const char* kOpen = "cmdModifica";
constexpr const char* kSave = "cmdSalva";
constexpr const char* kColour = "cmdColore";
constexpr const char* kCheck = "lblVerifica";

constexpr Rgb kWindowColour{255, 192, 192};
constexpr Rgb kDocumentButtons{192, 192, 255};
constexpr FontSpec kDocumentButtonFont{14.25};

// The keypad's first row sits one row higher than in the solver, which has a help row above it.
constexpr int kFirstKeyRowTop = 180;
constexpr double kInvioFontPoints = 12;
constexpr int kInvioTabIndex = 35;

ControlSpec documentButton(const char* name, const char* caption, int left, int tabIndex)
{
    ControlSpec c{name, ControlKind::Button, caption, left, 240, 1515, 675};
    c.background = kDocumentButtons;
    c.font = kDocumentButtonFont;
    c.tabIndex = tabIndex;
    return c;
}

std::vector<ControlSpec> makeControls()
{
    std::vector<ControlSpec> controls;

    ControlSpec box{kBox, ControlKind::RichTextBox, "", 120, 1080, 6735, 5370};
    box.background = Rgb{255, 255, 255};
    box.font = FontSpec{12};
    box.tabIndex = 0;
    box.accessibleName = "Esercizio";
    controls.push_back(box);

    controls.push_back(documentButton(kNew, "Nuova", 120, 1));
    controls.push_back(documentButton(kOpen, "Modifica", 1860, 2));
    controls.push_back(documentButton(kSave, "Salva", 3600, 3));
    controls.push_back(documentButton(kColour, "Colore", 5340, 4));

    ControlSpec frame{kKeypadFrame, ControlKind::Frame, "", 7020, 480, 2355, 5655};
    frame.background = kWindowColour;
    frame.tabIndex = 5;
    controls.push_back(frame);

    for (ControlSpec key : keypadControls(KeypadWindow::Editor, kFirstKeyRowTop, kInvioTabIndex, kInvioFontPoints)) {
        if (QByteArrayView(key.name) == kConfirmKey)
            key.toolTip = "Va a capo (Invio)";
        controls.push_back(key);
    }

    // The live check's status line, in the free strip under the document box; not in the tab order.
    ControlSpec check{kCheck, ControlKind::Label, "", 120, 6480, 6735, 330};
    check.text = Rgb{139, 0, 0};
    check.font = FontSpec{9.75};
    check.accessibleName = "Verifica dei passaggi";
    controls.push_back(check);

    controls.push_back(exitButton(4980));

    return controls;
}

}  // namespace

const WindowSpec& editorLayout()
{
    static const std::vector<ControlSpec> controls = makeControls();
    static const WindowSpec layout{.name = "frmEditor",
                                   .caption = "Editor",
                                   .clientWidth = 9510,
                                   .clientHeight = 6825,
                                   .background = kWindowColour,
                                   .icon = ":/icons/editor.svg",
                                   .font = FontSpec{12},
                                   .controls = controls};
    return layout;
}

EditorControls buildEditorWindow(QWidget* window)
{
    const Controls built = buildWindow(window, editorLayout(), [](const ControlSpec&, QWidget* parent) -> QWidget* {
        auto* box = new RichTextBox(parent);
        // A line wider than the box goes on below, so that the teacher sees all of it.
        box->setLineWrapMode(QTextEdit::WidgetWidth);
        box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        return box;
    });
    EditorControls c;
    built.take(kBox, c.box);
    built.take(kKeypadFrame, c.frame);
    built.take(kCheck, c.check);
    built.take(kNew, c.newDocument);
    built.take(kOpen, c.open);
    built.take(kSave, c.save);
    built.take(kColour, c.colour);
    built.take(kConfirmKey, c.confirm);
    built.take(kExitButton, c.exit);
    return c;
}

}  // namespace quintavia::ui
