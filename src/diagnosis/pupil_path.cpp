// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/pupil_path.h"

#include "arithmetic/expression.h"
#include "arithmetic/step_match.h"
#include "arithmetic/steps.h"
#include "diagnosis/likeness.h"
#include "diagnosis/pieces.h"
#include "diagnosis/step_analysis.h"
#include "diagnosis/teacher_words.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quintavia::diagnosis {

using arithmetic::Line;
using arithmetic::Reading;

namespace {

// The generator's chain off the teacher's path may be as long as it needs: it is never written.
constexpr int kGeneratedLines = 1000;

std::optional<arithmetic::Term> valued(const Line& line)
{
    arithmetic::Expression e = arithmetic::readExpression(line);
    if (e.kind != Reading::Kind::Valued)
        return std::nullopt;
    return std::move(e.term);
}

int operationsLeft(const arithmetic::Term& term)
{
    return detail::rowsOf(term).operations;
}

}  // namespace

PupilPath::PupilPath(std::vector<Line> lines) : m_lines(std::move(lines))
{
    if (!m_lines.empty())
        m_shown.push_back({m_lines.front(), 0});
}

std::vector<Line> PupilPath::ahead() const
{
    if (m_offPath)
        return m_generated;
    if (std::size_t(m_nextTeacher) >= m_lines.size())
        return {};
    return {m_lines.begin() + m_nextTeacher, m_lines.end()};
}

Line PupilPath::target() const
{
    const std::vector<Line> lines = ahead();
    return lines.empty() ? Line{} : lines.front();
}

bool PupilPath::finished() const
{
    if (m_shown.empty() || ahead().empty())
        return true;
    const std::optional<arithmetic::Term> last = valued(m_shown.back().line);
    const std::optional<arithmetic::Term> end = valued(m_lines.back());
    return last && last->number && (!end || end->value == last->value) && !detail::unreducedFraction(*last);
}

Judgement PupilPath::answer(const Line& typed)
{
    if (finished())
        return {Verdict::Refused, {Category::Other, detail::words::kFinished}};
    const std::vector<Line> lines = ahead();
    std::size_t reached = 0;
    const Judgement judgement = detail::judgeAhead(m_shown.back().line, lines, typed, reached);
    if (judgement.verdict == Verdict::TeacherLine) {
        if (!m_offPath)
            showTeacherLine(m_nextTeacher + int(reached));
        else
            showOwnLine(lines[reached]);
    } else if (judgement.verdict == Verdict::OwnStep) {
        showOwnLine(detail::schoolLine(typed));
    }
    return judgement;
}

void PupilPath::help()
{
    if (finished())
        return;
    if (m_offPath)
        showOwnLine(Line(m_generated.front()));  // a copy: showing it replaces m_generated
    else
        showTeacherLine(m_nextTeacher);
}

void PupilPath::showTeacherLine(int index)
{
    m_shown.push_back({m_lines[std::size_t(index)], index});
    m_nextTeacher = index + 1;
    m_base = index;
    m_offPath = false;
}

// After a line of the pupil's own: the first teacher's line it still leads to, else the
// generator's chain from it.
void PupilPath::showOwnLine(const Line& line)
{
    // A line written as the teacher wrote one still ahead is that line, whatever path led to it.
    for (std::size_t k = std::size_t(m_nextTeacher); k < m_lines.size(); ++k)
        if (arithmetic::stepsMatch(line, m_lines[k])) {
            showTeacherLine(int(k));
            return;
        }
    m_shown.push_back({line, -1});
    const std::optional<arithmetic::Term> base = valued(m_lines[std::size_t(m_base)]);
    const std::optional<arithmetic::Term> mine = valued(line);
    const arithmetic::Steps school = arithmetic::generateSteps(line, arithmetic::StepMode::School, kGeneratedLines);
    if (base && mine) {
        // The lines the generator reaches from the pupil's line, one operation or one level at a
        // time; the end only when the next school step gets there, so that help never jumps to it.
        std::vector<std::string> reachable;
        const arithmetic::Steps one = arithmetic::generateSteps(line, arithmetic::StepMode::OneOperation, kGeneratedLines);
        for (const arithmetic::Steps* steps : {&school, &one})
            for (std::size_t k = 0; k + 1 < steps->lines.size() || (k == 0 && steps == &school && !steps->lines.empty()); ++k)
                if (const std::optional<arithmetic::Term> t = valued(steps->lines[k]))
                    reachable.push_back(detail::keyOf(*t, detail::Likeness::Value));
        for (std::size_t k = std::size_t(m_nextTeacher); k < m_lines.size(); ++k) {
            const std::optional<arithmetic::Term> teacher = valued(m_lines[k]);
            // A line with as much work left as the pupil's is behind it, or beside it.
            if (!teacher || operationsLeft(*teacher) >= operationsLeft(*mine))
                continue;
            const std::string key = detail::keyOf(*teacher, detail::Likeness::Value);
            if (detail::stillLeadsTo(*base, *mine, *teacher)
                || std::find(reachable.begin(), reachable.end(), key) != reachable.end()) {
                m_nextTeacher = int(k);
                m_offPath = false;
                return;
            }
        }
    }
    m_offPath = true;
    m_generated = school.ok() ? school.lines : std::vector<Line>{};
}

}  // namespace quintavia::diagnosis
