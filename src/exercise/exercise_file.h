// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"

#include <QString>
#include <QTextDocument>

#include <memory>
#include <vector>

namespace quintavia::exercise {

// An exercise document as its file gives it, or the Italian reason why it could not be read.
struct ReadExercise {
    std::unique_ptr<QTextDocument> document;  // null on failure
    QString error;
    bool ok() const { return document != nullptr; }
};

// Reads an exercise file (Rich Text Format).
ReadExercise readExerciseFile(const QString& path);
// These lines written as an exercise file and read back: exactly what opening that file would give.
ReadExercise exerciseThroughFile(const std::vector<arithmetic::Line>& lines);

}  // namespace quintavia::exercise
