// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "document/document_info.h"

#include <QString>
#include <QTextDocument>

#include <memory>
#include <optional>
#include <vector>

namespace quintavia::exercise {

// An exercise document as its file gives it, or the Italian reason why it could not be read.
struct ReadExercise {
    std::unique_ptr<QTextDocument> document;  // null on failure
    QString error;
    // What made the exercise, as a generated file says in its document information: level 0, no
    // theme and no seed for every other file. The level is as written: the curriculum judges it.
    int level = 0;
    QString theme;
    std::optional<quint64> seed;  // only a seed that makes this exercise alone
    bool ok() const { return document != nullptr; }
};

// Gives a document that now holds a generated exercise the information its file would carry:
// the level's name (`levelName`), and the level and seed that made it. Called inside the edit
// block that put the exercise in place of `earlier`'s lines, so that an undo gives theirs back.
void setGeneratedInfo(QTextDocument& document, const QString& levelName, int level, quint64 seed,
                      const InfoSnapshot& earlier);

// Reads an exercise file (Rich Text Format).
ReadExercise readExerciseFile(const QString& path);
// These lines written as an exercise file and read back: exactly what opening that file would give.
ReadExercise exerciseThroughFile(const std::vector<arithmetic::Line>& lines);

}  // namespace quintavia::exercise
