// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/diagnosis: what a pupil's line worked out of the line before, compared with what
// the teacher's next line works out.
#include "arithmetic/expression.h"
#include "diagnosis/diagnosis.h"

#include <span>

namespace quintavia::diagnosis::detail {

// `before`, `teacher` and `typed` are lines read with a value; `notation` writes the numbers of
// the message. Right when `typed` is a right step of its own (same value, school order, no more
// than the teacher's step); otherwise the first category that applies, with its message.
Diagnosis analyseStep(const arithmetic::Term& before, const arithmetic::Term& teacher,
                      const arithmetic::Term& typed, arithmetic::Notation notation);

// Whether `line`, reached from `base` by right steps, still leads to `teacherLine`: what it worked
// out of `base` is part of what the teacher's line works out.
bool stillLeadsTo(const arithmetic::Term& base, const arithmetic::Term& line, const arithmetic::Term& teacherLine);

}  // namespace quintavia::diagnosis::detail

namespace quintavia::diagnosis {
struct Judgement;
}

namespace quintavia::diagnosis::detail {

// judge(), also saying which of the lines ahead an answer of the teacher's is: 0, or 1 when
// ahead[0] only writes `current` another way ("3/4 x 4" after "6/8 x 4") and the answer skipped it.
Judgement judgeAhead(const arithmetic::Line& current, std::span<const arithmetic::Line> ahead,
                     const arithmetic::Line& answer, std::size_t& reached);

}  // namespace quintavia::diagnosis::detail
