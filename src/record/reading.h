// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: how records are read back, one file or a class folder's.
#include "record/history.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace quintavia::record {

struct RecordRead {
    std::optional<PupilHistory> history;
    QString problem;  // why the file is no record that can be read, in Italian
};

// A record's file, opened only for reading.
RecordRead readRecord(const QString& path);

struct ClassRecords {
    std::vector<PupilHistory> pupils;  // in the order of their names
    // "FILE: motivo" for each file named like a record that could not be read; it is skipped.
    QStringList problems;
};

// Every record in a folder (the files ending in ".registro"; other files are not looked at).
ClassRecords readFolder(const QString& folder);

// The pupils' names in a class folder, for "Come ti chiami?": as first typed, in name order.
QStringList pupilNames(const QString& folder, QStringList* problems = nullptr);

}  // namespace quintavia::record
