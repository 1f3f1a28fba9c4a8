// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_harness.h"

#include "database/sqlite_store.h"
#include "window_factories.h"

namespace quintavia::test {

namespace {

// The program loads the record's store as a module at its first use; the tests link it, and have
// it from before their first line, as some write a record before they make any window.
const bool kLinkedStore = (record::useSqliteStore(), true);

}  // namespace

Harness::Harness()
{
    registerWindowFactories(registry);
}

}  // namespace quintavia::test
