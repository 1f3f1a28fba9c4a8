// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>

namespace quintavia {

// Every key of the on-screen keypad, the same in both working windows.
enum class KeyId {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Plus,
    Minus,
    Times,
    Dot,
    Divide,
    FractionBar,
    Equals,
    Comma,
    RoundOpen,
    RoundClose,
    SquareOpen,
    SquareClose,
    CurlyOpen,
    CurlyClose,
    Exponent1,
    Exponent2,
    Exponent3,
    Exponent4,
    Exponent5,
    Exponent6,
    Exponent7,
    Exponent8,
    Exponent9,
    Exponent0,
    Backspace,
};

enum class KeyFormat { Ordinary, Exponent };

// How a key looks: the layout gives each look its colour and font.
enum class KeyLook { Digit, Equals, Operator, BigOperator, Times, Bracket, Exponent, Backspace };

// One key: what it is called, shows, types and says, and where it stands. The grid has four columns
// and is the same in both windows; row 0 is the first key row of the window's keypad frame.
struct KeyDef {
    KeyId id;
    const char* name;     // objectName of the button, UTF-8 ("Cmd_più")
    const char* caption;  // exact caption, UTF-8 (blanks count); "" for picture keys
    char16_t character;   // what arrives in the box; 0 for Backspace
    KeyFormat format;
    const char* accessibleName;  // what a screen reader says, Italian
    int row;
    int column;
    KeyLook look;
    int editorTabIndex;   // place in the editor's tab order; the solver's runs row by row
    const char* toolTip;  // what the key types, Italian, short ("2 in esponente")
    const char* picture = "";  // resource path of the key's picture, or ""
    bool wide = false;         // across two columns
};

// The 35 keys, in the order they are built.
std::span<const KeyDef> keyTable();
const KeyDef& keyDef(KeyId id);

}  // namespace quintavia
