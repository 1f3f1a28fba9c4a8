// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quintavia-check: exercises from the command line (see src/cli).
#include "cli/program.h"

int main(int argc, char* argv[])
{
    return quintavia::cli::run(argc, argv);
}
