// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/display_platform.h"

#include <cstring>

namespace quintavia {

QByteArray chooseQtPlatform(const QByteArray& qpaPlatform, const QByteArray& display, int argc,
                            const char* const* argv)
{
    if (!qpaPlatform.isEmpty() || display.isEmpty())
        return {};
    // Qt reads "-platform NAME" and "--platform NAME"; without a NAME it ignores the option.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return {};
    }
    return QByteArrayLiteral("xcb");
}

}  // namespace quintavia
