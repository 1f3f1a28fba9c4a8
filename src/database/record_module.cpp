// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the loadable record module: one function, found by name.
#include "database/sqlite_store.h"

extern "C" Q_DECL_EXPORT quintavia::record::Store* quintavia_make_record_store()
{
    return quintavia::record::makeSqliteStore().release();
}
