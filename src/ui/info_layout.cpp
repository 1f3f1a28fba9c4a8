// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info_layout.h"

#include "ui/window_builder.h"

#include <QAbstractButton>

#include <array>

namespace quintavia::ui {

namespace {

constexpr const char* kOk = "cmdOK";

constexpr auto kControls = std::to_array<ControlSpec>({
    {.name = kOk,
     .kind = ControlKind::Button,
     .left = 2820,
     .top = 2700,
     .width = 1395,
     .height = 555,
     .tabIndex = 0,
     .picture = ":/pictures/ok_button.svg",
     .pictureWidth = 113,
     .pictureHeight = 33,
     .accessibleName = "OK"},
});

constexpr WindowSpec kInfo{
    .name = "frmInfo",
    .caption = "Info",
    .clientWidth = 7005,
    .clientHeight = 3450,
    .background = Rgb{255, 255, 192},
    .icon = ":/icons/info.svg",
    .font = {12},
    .controls = kControls,
};

}  // namespace

const WindowSpec& infoLayout()
{
    return kInfo;
}

InfoControls buildInfoWindow(QWidget* window)
{
    InfoControls c;
    buildWindow(window, infoLayout()).take(kOk, c.ok);
    return c;
}

}  // namespace quintavia::ui
