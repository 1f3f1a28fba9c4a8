// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_switch.h"

namespace quintavia {

std::optional<int>& soundSwitch()
{
    static std::optional<int> value;
    return value;
}

bool soundsOn()
{
    return soundSwitch().value_or(0) == 0;
}

}  // namespace quintavia
