// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keypad_layout.h"

#include "widgets/keypad_keys.h"

#include <algorithm>

namespace quintavia::ui {

namespace {

constexpr int kCell = 495;
constexpr int kWide = 1035;  // a key across two columns
constexpr int kColumns[] = {120, 660, 1200, 1740};
constexpr int kRowStep = 540;

constexpr Rgb kDigits{128, 255, 255};
constexpr Rgb kOperators{255, 255, 128};
constexpr Rgb kBrackets{255, 128, 255};
constexpr Rgb kExponents{128, 255, 128};
constexpr Rgb kBackspace{255, 128, 0};
constexpr Rgb kInvio{0, 192, 192};

constexpr FontSpec kKeyFont{14.25, true};
constexpr FontSpec kBigFont{15.75, true};
constexpr FontSpec kExponentFont{9, true};

struct Look {
    Rgb background;
    FontSpec font;
};

Look lookOf(KeyLook look)
{
    switch (look) {
    case KeyLook::Digit: return {kDigits, kKeyFont};
    case KeyLook::Equals: return {kDigits, kBigFont};
    case KeyLook::Operator: return {kOperators, kKeyFont};
    case KeyLook::BigOperator: return {kOperators, kBigFont};
    case KeyLook::Times: return {kOperators, FontSpec{12, true}};
    case KeyLook::Bracket: return {kBrackets, kKeyFont};
    case KeyLook::Exponent: return {kExponents, kExponentFont};
    case KeyLook::Backspace: return {kBackspace, kKeyFont};
    }
    return {};
}

// The confirm button is not a key, but it ends the keypad's last row.
constexpr int kInvioRow = 9;
constexpr int kInvioColumn = 1;

ControlSpec cell(const char* name, int firstRowTop, int row, int column, bool wide)
{
    ControlSpec c{name, ControlKind::Button};
    c.left = kColumns[column];
    c.top = firstRowTop + row * kRowStep;
    c.width = wide ? kWide : kCell;
    c.height = kCell;
    c.parent = kKeypadFrame;
    return c;
}

}  // namespace

std::vector<ControlSpec> keypadControls(KeypadWindow window, int firstRowTop, int invioTabIndex,
                                        double invioFontPoints, int firstKeyTabIndex)
{
    std::vector<const KeyDef*> keys;
    for (const KeyDef& key : keyTable())
        keys.push_back(&key);
    // Built row by row, left to right, as the eye reads the grid.
    std::stable_sort(keys.begin(), keys.end(), [](const KeyDef* a, const KeyDef* b) {
        return a->row != b->row ? a->row < b->row : a->column < b->column;
    });

    std::vector<ControlSpec> controls;
    for (const KeyDef* key : keys) {
        ControlSpec c = cell(key->name, firstRowTop, key->row, key->column, key->wide);
        const Look look = lookOf(key->look);
        c.background = look.background;
        c.font = look.font;
        c.picture = key->picture;
        c.tabIndex = window == KeypadWindow::Solver ? firstKeyTabIndex + int(controls.size()) : key->editorTabIndex;
        controls.push_back(c);
    }

    ControlSpec invio = cell(kConfirmKey, firstRowTop, kInvioRow, kInvioColumn, true);
    invio.background = kInvio;
    invio.font = FontSpec{invioFontPoints};
    invio.accessibleName = "invio";
    invio.tabIndex = invioTabIndex;
    invio.picture = ":/pictures/invio.svg";
    controls.push_back(invio);
    return controls;
}

ControlSpec exitButton(int top)
{
    return {.name = kExitButton,
            .kind = ControlKind::Button,
            .caption = "Esci",
            .left = 8760,
            .top = top,
            .width = 495,
            .height = 1035,
            .background = Rgb{255, 0, 0},
            .font = FontSpec{9.75},
            .tabIndex = 42,
            .picture = ":/pictures/door_exit.svg",
            .onTop = true,
            .toolTip = "Torna alla finestra iniziale"};
}

}  // namespace quintavia::ui
