// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell_harness.h"

namespace quintavia::test {

// The whole program's windows, with fakes for sound and dialogs and all four window factories set.
struct Harness : ShellHarness {
    Harness();
};

}  // namespace quintavia::test
