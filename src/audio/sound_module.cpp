// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the loadable sound module: one function, found by name.
#include "audio/qt_sound_output.h"

extern "C" Q_DECL_EXPORT quintavia::SoundOutput* quintavia_make_sound_output()
{
    return new quintavia::QtSoundOutput;
}
