// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quintavia-check: exercises from the command line (see src/cli).
#include "cli/program.h"
#include "database/sqlite_store.h"

int main(int argc, char* argv[])
{
    // The command line writes and reads records straight away: it links their store, which the
    // windows load only when first needed.
    quintavia::record::useSqliteStore();
    return quintavia::cli::run(argc, argv);
}
