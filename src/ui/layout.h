// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/char_format.h"
#include "widgets/twips.h"

#include <QColor>
#include <QtGlobal>

#include <optional>
#include <span>

namespace quintavia::ui {

using widgets::inchesToPixels;
using widgets::pixelsToInches;
using widgets::twipsToPixels;

struct Rgb {
    int r = 0, g = 0, b = 0;
    QColor toColor() const { return QColor(r, g, b); }
};

enum class ControlKind {
    Button,       // graphical button: background fills the face, optional picture above the caption
    Label,        // transparent text
    RichTextBox,  // made by the window (see RichTextFactory)
    Frame,        // container; its children give it as `parent`
    Image,        // an SVG stretched to the control, beneath the other controls
    CheckBox,     // graphical two-state button: `picture` unchecked, `pictureChecked` checked
};

// A rich-text box that takes no input: its ground and text.
inline constexpr Rgb kDisabledGround{224, 224, 224};
inline constexpr Rgb kDisabledText{112, 112, 112};

struct FontSpec {
    double points = 0;  // 0: the window's font
    bool bold = false;
    bool italic = false;
};

struct ControlSpec {
    const char* name;  // objectName, UTF-8 (e.g. "Cmd_più")
    ControlKind kind;
    const char* caption = "";                      // UTF-8, exact (blanks count)
    int left = 0, top = 0, width = 0, height = 0;  // twips, from the container's top-left
    std::optional<Rgb> background = std::nullopt;
    std::optional<Rgb> text = std::nullopt;
    FontSpec font = {};
    int tabIndex = -1;                // -1: not in the tab order
    const char* parent = "";          // "": the window's client area; otherwise the frame's name
    const char* picture = "";         // resource path of an SVG, or ""
    const char* pictureChecked = "";  // CheckBox only
    int pictureWidth = 32;            // pixels
    int pictureHeight = 32;
    bool centred = false;             // Label: centre the text
    bool onTop = false;               // stays above its overlapping siblings
    bool handCursor = true;           // buttons and check boxes show the pointing hand
    const char* accessibleName = "";  // what a screen reader says; "" uses the caption
    const char* toolTip = "";         // Italian, short; screen readers give it as the description
    const char* shortcut = "";        // Button: a key that presses it ("F1")
};

struct WindowSpec {
    const char* name;                       // objectName of the window class
    const char* caption;                    // title bar
    int clientWidth = 0, clientHeight = 0;  // twips
    std::optional<Rgb> background = std::nullopt;
    const char* backgroundPicture = "";  // SVG drawn at its own size from the top-left corner
    int backgroundPictureWidth = 0, backgroundPictureHeight = 0;  // pixels
    const char* icon = "";                                        // SVG
    FontSpec font = {12};
    std::span<const ControlSpec> controls = {};
};

// The font every window uses, the same as the exercise text's.
inline constexpr const char* kFontFamily = kExerciseFontFamily;

}  // namespace quintavia::ui
