// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: what a teacher reads off a class's records: counts by pupil, by category, by exercise.
#include "record/history.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <vector>

namespace quintavia::record {

// The categories of a refused answer, in the report's order; a name not among them counts as the
// last, "altro".
inline constexpr std::array<const char*, 10> kCategories{"parentesi", "ordine", "potenza", "segno", "frazione",
                                                        "calcolo", "ricopiato", "insieme", "illeggibile", "altro"};
using CategoryCounts = std::array<int, kCategories.size()>;

std::size_t categoryIndex(const QString& name);
// Each distinct error of the exercise in its category's place.
CategoryCounts categoryCounts(const ExerciseRecord& exercise);

struct PupilSummary {
    QString pupil;
    int worked = 0;
    int finished = 0;
    int errors = 0;
    int helps = 0;
    CategoryCounts byCategory{};
    QDate lastDay;  // local; null when nothing was worked
};

struct ExerciseErrors {
    QString exercise;  // ExerciseRecord::name()
    int errors = 0;
    int pupils = 0;  // how many pupils worked it
};

struct ClassSummary {
    std::vector<PupilSummary> pupils;
    PupilSummary total;  // the whole class, "pupil" empty
    std::vector<ExerciseErrors> hardest;  // most errors first, only those with errors
};

ClassSummary summarize(const std::vector<PupilHistory>& pupils);
// "12 esercizi, 10 finiti, 7 errori, 3 aiuti".
QString figuresLine(const PupilSummary& pupil);
// The categories with errors, most first: "potenza 4, ordine 2".
QString categoryLine(const CategoryCounts& counts);

}  // namespace quintavia::record
