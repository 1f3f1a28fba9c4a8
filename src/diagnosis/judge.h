// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verdict on a pupil's step: the teacher's next line (in any written form), a right step of
// the pupil's own, or a refusal with a teacher's words. No Qt.
#include "arithmetic/line.h"
#include "diagnosis/diagnosis.h"

#include <span>

namespace quintavia::diagnosis {

enum class Verdict { TeacherLine, OwnStep, Refused };

struct Judgement {
    Verdict verdict = Verdict::Refused;
    // Accepted (TeacherLine, OwnStep): category Right; message empty, or a suggestion ("Ora riduci
    // 6/8."). Refused: the category and its message, never one that begins "Giusto".
    Diagnosis diagnosis;
    bool accepted() const { return verdict != Verdict::Refused; }
};

// `current`: the line shown last; `ahead`: the lines still to reach, ahead[0] the next; `answer`:
// the pupil's. An answer whose value differs from `current` is never accepted; ahead[0] itself
// always is.
Judgement judge(const arithmetic::Line& current, std::span<const arithmetic::Line> ahead,
                const arithmetic::Line& answer);

}  // namespace quintavia::diagnosis
