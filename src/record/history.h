// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: what a pupil's record holds, as it is read back.
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace quintavia::record {

// The verdicts an answer is recorded with: the teacher's next line (in any written form), a right
// step of the pupil's own, or refused (an error, with a category).
inline constexpr char kTeacherLine[] = "riga";
inline constexpr char kOwnStep[] = "passo";
inline constexpr char kRefused[] = "rifiutato";

// Which exercise was worked: a file (its name and the hash of its lines), a generated one (level,
// theme and seed), or a file that says its level, theme and seed.
struct ExerciseInfo {
    QString file;        // the file's name, empty for a generated exercise
    QString linesHash;   // linesHash() of its lines
    QString expression;  // its first line, plain ("^" before raised digits)
    int level = 0;       // 1 to 5; 0: not known
    QString theme;       // "potenze" ...; empty: none
    std::optional<quint64> seed;
};

struct Event {
    enum class Kind { Answer, Help };
    Kind kind = Kind::Answer;
    qint64 at = 0;  // milliseconds since the epoch
    QString text;   // the answer as typed
    QString verdict;
    QString category;  // the diagnosis's name of a refused answer ("potenza")
};

struct ExerciseRecord {
    ExerciseInfo info;
    qint64 started = 0;  // milliseconds since the epoch
    std::optional<qint64> ended;
    std::vector<Event> events;

    bool finished() const { return ended.has_value(); }
    // Counted as the solver counts them: one error for each distinct refused answer.
    int errors() const;
    int helps() const;
    // The errors by category name, each distinct refused answer once.
    std::map<QString, int> errorsByCategory() const;
    // From the start to the end, or to the last answer or help of an exercise not finished.
    qint64 seconds() const;
    // The file's name, else the expression: what the report calls the exercise.
    QString name() const;
};

struct PupilHistory {
    QString pupil;  // the name as first typed
    QString path;   // the record's file
    std::vector<ExerciseRecord> exercises;  // oldest first
};

// The hash that names an exercise's lines (hex, 16 digits): the same lines, the same hash.
QString linesHash(const QStringList& lines);

}  // namespace quintavia::record
