// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

namespace quintavia {

// The Qt platform the program asks for before QApplication is built, or nothing for Qt's own
// choice. Every window stays on top, is centred and has no close box; a native Wayland window can
// do none of that, an X11 window on the same desktop (XWayland) can. So where DISPLAY is set and
// the user chose no platform (QT_QPA_PLATFORM, -platform), the answer is "xcb"; on a Wayland
// desktop without an X server Qt's choice stands.
QByteArray chooseQtPlatform(const QByteArray& qpaPlatform, const QByteArray& display, int argc,
                            const char* const* argv);

}  // namespace quintavia
