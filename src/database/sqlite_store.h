// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the pupils' record kept in SQLite files, one a pupil, through Qt SQL's SQLite driver.
#include "record/store.h"

#include <memory>

namespace quintavia::record {

std::unique_ptr<Store> makeSqliteStore();

// Makes it the record's store, for the programs and tests that link Qt SQL themselves.
void useSqliteStore();

}  // namespace quintavia::record
