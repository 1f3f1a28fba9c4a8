// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: what of a solved exercise goes into the pupil's record, the same for the window and the
// command line: the exercise's name and lines, and each judged answer.
#include "arithmetic/line.h"
#include "diagnosis/judge.h"
#include "record/pupil_record.h"

#include <optional>
#include <vector>

namespace quintavia::tutor {

// An exercise opened from `fileName` (empty for a generated one), its expression first.
record::ExerciseInfo exerciseInfo(const QString& fileName, const std::vector<arithmetic::Line>& lines);

// The level, theme and seed that an exercise's file says made it, where the curriculum has them:
// a level from 1 to kLevels, a theme that level holds. A level it does not have leaves the
// exercise without one; a theme it does not have leaves the level alone, without a seed.
void takeOrigin(record::ExerciseInfo& info, int level, const QString& theme, std::optional<quint64> seed);

// Records one judged answer as typed; the record's message once when it cannot be written.
QString recordAnswer(record::PupilRecord& record, const QString& typed, const diagnosis::Judgement& judgement);

}  // namespace quintavia::tutor
