// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the record's store from the module quintavia-record, which brings Qt SQL with it.
#include <QStringList>

namespace quintavia {

// Makes the module the record's store: it is loaded the first time a record is written or read
// (the first answer or help, "Come ti chiami?"'s names, "Esercizio per me"). When it cannot be
// loaded the record says why, once, and the pupil works on.
void useRecordModule();
void useRecordModule(const QStringList& paths);

}  // namespace quintavia
