// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: what the record asks of the files it is kept in, and where that store comes from. The
// store itself (SQLite, through Qt SQL) is another library: the program loads it as a module the
// first time a record is written or read, so that starting up never pays for Qt SQL.
#include "record/history.h"
#include "record/reading.h"

#include <QString>

#include <functional>
#include <memory>

namespace quintavia::record {

// What one write adds to the pupil's file: the exercise's row the first time (`exerciseId` < 0),
// then the answer or help, or with no event the exercise's end.
struct Write {
    const ExerciseInfo& exercise;
    qint64 started = 0;
    const Event* event = nullptr;
    qint64 now = 0;
};

// One pupil's file, open for writing.
class RecordFile {
public:
    virtual ~RecordFile() = default;
    // One transaction, committed before it returns; on success `exerciseId` is the exercise's row.
    // Empty, or why not in Italian.
    virtual QString write(const Write& write, qint64& exerciseId) = 0;
};

class Store {
public:
    virtual ~Store() = default;
    // Opens the file at `path` (made if it is new, with `pupil` as its pupil); nullptr, with the
    // reason in Italian in `problem`, when it cannot be written.
    virtual std::unique_ptr<RecordFile> openForWriting(const QString& path, const QString& pupil, QString& problem) = 0;
    // A record's file, opened only for reading.
    virtual RecordRead read(const QString& path) = 0;
};

// Makes the store, or says why not (in Italian) and gives nothing.
using StoreMaker = std::function<std::unique_ptr<Store>(QString& problem)>;

// Where the store comes from: each program says so once, before the first record. Setting it again
// drops the store made so far.
void setStoreMaker(StoreMaker make);
// The store, made at the first call. When it cannot be made, nullptr and the reason, the same at
// every later call (it is not tried again).
Store* store(QString& problem);

}  // namespace quintavia::record
