// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/start_layout.h"

#include "ui/window_builder.h"

#include <QAbstractButton>
#include <QLabel>

#include <array>

namespace quintavia::ui {

namespace {

constexpr const char* kExit = "cmdEsci";
constexpr const char* kSolver = "cmdQuintavia";
constexpr const char* kEditor = "cmdEditor";
constexpr const char* kInfo = "cmdInfo";
constexpr const char* kSound = "Check1";
constexpr const char* kVersion = "Label4";

constexpr Rgb kLabelText{0, 0, 192};

constexpr auto kControls = std::to_array<ControlSpec>({
    {.name = kExit,
     .kind = ControlKind::Button,
     .left = 6120,
     .top = 4620,
     .width = 1455,
     .height = 555,
     .background = Rgb{192, 192, 192},
     .font = {20.25},
     .tabIndex = 0,
     .picture = ":/pictures/btn_esci.svg",
     .pictureWidth = 101,
     .pictureHeight = 37,
     .accessibleName = "Esci"},
    {.name = "Label1",
     .kind = ControlKind::Label,
     .caption = "Software libero",
     .left = 6420,
     .top = 1200,
     .width = 1575,
     .height = 255,
     .text = kLabelText,
     .font = {8.25},
     .tabIndex = 1},
    {.name = "Label2",
     .kind = ControlKind::Label,
     .caption = "Le Quintavia",
     .left = 900,
     .top = 60,
     .width = 7695,
     .height = 1335,
     .text = kLabelText,
     .font = {48, true},
     .tabIndex = 2,
     .centred = true},
    {.name = kSolver,
     .kind = ControlKind::Button,
     .left = 1800,
     .top = 2340,
     .width = 3375,
     .height = 615,
     .background = Rgb{128, 255, 255},
     .font = {20.25},
     .tabIndex = 3,
     .picture = ":/pictures/btn_risoluzione.svg",
     .pictureWidth = 261,
     .pictureHeight = 41,
     .accessibleName = "Risoluzione"},
    {.name = kEditor,
     .kind = ControlKind::Button,
     .left = 4200,
     .top = 3420,
     .width = 3375,
     .height = 615,
     .background = Rgb{128, 255, 255},
     .font = {20.25},
     .tabIndex = 4,
     .picture = ":/pictures/btn_editor.svg",
     .pictureWidth = 261,
     .pictureHeight = 41,
     .accessibleName = "Editor"},
    {.name = "Label3",
     .kind = ControlKind::Label,
     .caption = "Versione",
     .left = 1500,
     .top = 1200,
     .width = 735,
     .height = 255,
     .text = kLabelText,
     .font = {8.25},
     .tabIndex = 5},
    {.name = kVersion,
     .kind = ControlKind::Label,
     .left = 2220,
     .top = 1200,
     .width = 615,
     .height = 255,
     .text = kLabelText,
     .font = {8.25},
     .tabIndex = 6},
    {.name = kInfo,
     .kind = ControlKind::Button,
     .left = 1800,
     .top = 4620,
     .width = 1455,
     .height = 555,
     .background = Rgb{255, 192, 128},
     .font = {20.25},
     .tabIndex = 7,
     .picture = ":/pictures/btn_info.svg",
     .pictureWidth = 101,
     .pictureHeight = 37,
     .accessibleName = "Info"},
    {.name = kSound,
     .kind = ControlKind::CheckBox,
     .left = 4020,
     .top = 4620,
     .width = 1455,
     .height = 555,
     .background = Rgb{0, 192, 192},
     .tabIndex = 8,
     .picture = ":/pictures/speaker_on.svg",
     .pictureChecked = ":/pictures/speaker_off.svg",
     .accessibleName = "Silenzia i suoni",
     .toolTip = "Accende e spegne i suoni"},
});

constexpr WindowSpec kStart{
    .name = "frmStart",
    .caption = "Le Quintavia",
    .clientWidth = 9510,
    .clientHeight = 6825,
    .backgroundPicture = ":/pictures/sky.svg",
    .backgroundPictureWidth = 900,
    .backgroundPictureHeight = 601,
    .icon = ":/icons/start.svg",
    .controls = kControls,
};

}  // namespace

const WindowSpec& startLayout()
{
    return kStart;
}

StartControls buildStartWindow(QWidget* window)
{
    const Controls built = buildWindow(window, startLayout());
    StartControls c;
    built.take(kSolver, c.solver);
    built.take(kEditor, c.editor);
    built.take(kInfo, c.info);
    built.take(kExit, c.exit);
    built.take(kSound, c.sound);
    built.take(kVersion, c.version);
    return c;
}

}  // namespace quintavia::ui
