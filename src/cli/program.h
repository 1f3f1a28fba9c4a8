// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quintavia-check: reads, checks, solves and prints exercises from the command line. What it
// knows: the commands and their arguments. What it must not know: windows and dialogs.
namespace quintavia::cli {

// The whole program: picks the command, parses its arguments, runs it; returns the exit status.
int run(int& argc, char* argv[]);

}  // namespace quintavia::cli
