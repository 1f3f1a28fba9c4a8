// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solver's path through an exercise: the teacher's lines and the pupil's own right steps
// between them, for the window and the command line. No Qt.
#include "arithmetic/line.h"
#include "diagnosis/judge.h"

#include <vector>

namespace quintavia::diagnosis {

class PupilPath {
public:
    struct ShownLine {
        arithmetic::Line line;
        int documentLine = -1;  // the teacher's line's index in the document; -1 for a line of the pupil's own
    };

    // lines[0] is the expression, the rest the teacher's steps (as the document holds them).
    explicit PupilPath(std::vector<arithmetic::Line> lines);

    // What the document box shows, expression first.
    const std::vector<ShownLine>& shown() const { return m_shown; }
    // What "Aiuto" shows next: the teacher's line, or the generator's step off the teacher's path.
    arithmetic::Line target() const;
    // The last shown line is the final value, in any written form (or no teacher line is left).
    bool finished() const;
    // Accepted: shown() grows by one line (the teacher's line for TeacherLine, the pupil's for OwnStep).
    Judgement answer(const arithmetic::Line& typed);
    // Shows target() as the next line.
    void help();

private:
    // The lines still to reach from the last shown one: the teacher's, or the generator's.
    std::vector<arithmetic::Line> ahead() const;
    void showTeacherLine(int index);
    void showOwnLine(const arithmetic::Line& line);

    std::vector<arithmetic::Line> m_lines;
    std::vector<ShownLine> m_shown;
    int m_nextTeacher = 1;  // the first of the document's lines not yet shown
    int m_base = 0;         // the teacher's line the pupil's own lines started from
    // Off the teacher's path: no teacher's line left that the last shown line leads to, and the
    // generator's chain from it instead.
    bool m_offPath = false;
    std::vector<arithmetic::Line> m_generated;
};

}  // namespace quintavia::diagnosis
