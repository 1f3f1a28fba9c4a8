// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the rule that picks a pupil's next exercise from their record ("Esercizio per me").
// Must not know: windows, files.
#include "record/history.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace quintavia::tutor {

// One row a change of level: after `inARow` exercises in a row that `counts`, the level moves by
// `change`; the row is written for teachers in the README.
struct LevelRule {
    const char* when;  // in a teacher's words
    int inARow;
    int change;
    bool (*counts)(const record::ExerciseRecord& exercise);
};
const std::vector<LevelRule>& levelRules();

// How many of the last exercises the theme looks at.
inline constexpr int kThemeWindow = 10;

struct Choice {
    int level = 1;
    QString theme;   // "potenze"; empty when no rule broken is a theme of the level
    QString reason;  // for the message line: "Allenati con le potenze - livello 3"
};

// From the pupil's exercises, oldest first. The level starts at the first exercise's level (1
// when none has one) and follows each exercise: one that says its level sets it, then levelRules()
// move it within 1 to 5, a row counting again from each move. The theme is the rule broken most
// (errors by category) in the last kThemeWindow exercises, among the themes the level holds.
Choice choose(const std::vector<record::ExerciseRecord>& exercises);

struct NextExercise {
    Choice choice;
    std::string expression;  // plain notation, "^" before raised digits
    std::uint64_t seed = 0;
};

// The choice and an exercise of its level and theme made from `seed`.
NextExercise nextExercise(const std::vector<record::ExerciseRecord>& exercises, std::uint64_t seed);

}  // namespace quintavia::tutor
