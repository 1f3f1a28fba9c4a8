// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/judge.h"

#include "arithmetic/expression.h"
#include "arithmetic/characters.h"
#include "arithmetic/notation.h"
#include "arithmetic/step_match.h"
#include "arithmetic/steps.h"
#include "diagnosis/likeness.h"
#include "diagnosis/step_analysis.h"
#include "diagnosis/teacher_words.h"

#include <algorithm>

namespace quintavia::diagnosis {

using arithmetic::Expression;
using arithmetic::Line;
using arithmetic::Reading;
using namespace detail;

namespace {

// Enough lines for any chain the generator writes from a line of an exercise.
constexpr int kGeneratedLines = 100;

Judgement refused(Category category, std::string message)
{
    return {Verdict::Refused, {category, std::move(message)}};
}

Judgement accepted(Verdict verdict, std::string suggestion = {})
{
    return {verdict, {Category::Right, std::move(suggestion)}};
}

bool blank(const Line& line)
{
    return std::all_of(line.begin(), line.end(), [](const arithmetic::Char& c) {
        return arithmetic::notationCharacter(c.code).blank || c.code == U'=';
    });
}

// Brackets that do not pair up, read on the characters: such a line has no tree.
bool unbalanced(const Line& line)
{
    std::u32string open;
    for (const arithmetic::Char& c : line) {
        if (c.raised)
            continue;
        if (arithmetic::isOpening(c.code)) {
            open += c.code;
        } else if (arithmetic::isClosing(c.code)) {
            if (open.empty() || arithmetic::closingOf(open.back()) != c.code)
                return true;
            open.pop_back();
        }
    }
    return !open.empty();
}

// The reader's problem as a sentence: the answer box marks the place, so no column.
std::string sentence(const arithmetic::Problem& problem)
{
    std::string text = problem.message;
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
        text.front() = char(text.front() - 'a' + 'A');
    return text + '.';
}

std::string key(const Expression& e, Likeness likeness)
{
    return keyOf(e.term, likeness);
}

// The line the step generator writes from `current` one operation at a time: a textbook's own line
// (the reciprocal, the sign rule, the first operation of a chain), right however the alignment
// pairs its pieces, and never more than one step.
bool generatorsStep(const Line& current, const Expression& typed)
{
    const arithmetic::Steps steps = arithmetic::generateSteps(current, arithmetic::StepMode::OneOperation, kGeneratedLines);
    if (!steps.ok() || steps.lines.empty())
        return false;
    const Expression first = arithmetic::readExpression(steps.lines.front());
    return first.kind == Reading::Kind::Valued && key(first, Likeness::Writing) == key(typed, Likeness::Writing);
}

// An answer worth what the current line is worth, in no form of the teacher's next line.
Judgement sameValue(const Line& currentLine, const Expression& current, const Expression& next,
                    const Expression& typed, arithmetic::Notation notation)
{
    if (key(typed, Likeness::Writing) == key(current, Likeness::Writing))
        return refused(Category::Copied, words::kReordered);
    if (generatorsStep(currentLine, typed))
        return accepted(Verdict::OwnStep);
    // The sign rule, the common denominator, the distributive law: the same terms written another way.
    if (key(typed, Likeness::Value) == key(current, Likeness::Value))
        return accepted(Verdict::OwnStep);
    const Diagnosis d = analyseStep(current.term, next.term, typed.term, notation);
    if (d.category == Category::Right)
        return accepted(Verdict::OwnStep);
    return {Verdict::Refused, d};
}

}  // namespace

namespace detail {

Judgement judgeAhead(const Line& current, std::span<const Line> ahead, const Line& answer, std::size_t& reached)
{
    reached = 0;
    if (ahead.empty())
        return refused(Category::Other, words::kFinished);
    if (arithmetic::stepsMatch(answer, ahead[0]))
        return accepted(Verdict::TeacherLine);
    const Line line = schoolLine(answer);
    if (blank(line))
        return refused(Category::Unreadable, words::kEmpty);
    if (arithmetic::stepsMatch(line, current))
        return refused(Category::Copied, words::kCopiedLine);
    const Expression typed = arithmetic::readExpression(line);
    if (typed.kind == Reading::Kind::Faulty)
        return refused(unbalanced(line) ? Category::Brackets : Category::Unreadable, sentence(typed.problem));
    if (typed.kind == Reading::Kind::Text)
        return refused(Category::Unreadable, words::kNoNumbers);
    const Expression before = arithmetic::readExpression(schoolLine(current));
    const Expression next = arithmetic::readExpression(schoolLine(ahead[0]));
    if (before.kind != Reading::Kind::Valued || next.kind != Reading::Kind::Valued)
        return refused(Category::Other, words::kNotTheLine);  // no arithmetic to judge by: the line or nothing
    const arithmetic::Notation notation = arithmetic::notationOf(current);
    if (!(typed.term.value == before.term.value)) {
        if (key(typed, Likeness::Value) == key(before, Likeness::SignsKept))
            return refused(Category::Sign, words::kMinusBeforeBracket);
        const Diagnosis d = analyseStep(before.term, next.term, typed.term, notation);
        return refused(d.category == Category::Right ? Category::Other : d.category,
                       d.message.empty() ? words::kOtherValue : d.message);
    }
    const std::string worth = key(typed, Likeness::Value);
    if (worth == key(next, Likeness::Value)) {
        const arithmetic::Term* fraction = unreducedFraction(typed.term);
        if (fraction && !unreducedFraction(next.term) && !unreducedFraction(before.term))
            return accepted(Verdict::OwnStep, words::reduce(arithmetic::plainText(*fraction)));
        return accepted(Verdict::TeacherLine);
    }
    const bool nextOnlyRewrites = key(next, Likeness::Value) == key(before, Likeness::Value);
    for (std::size_t k = 1; k < ahead.size(); ++k) {
        const Expression later = arithmetic::readExpression(schoolLine(ahead[k]));
        if (later.kind != Reading::Kind::Valued || key(later, Likeness::Value) != worth)
            continue;
        if (k == 1 && nextOnlyRewrites) {
            reached = 1;
            return accepted(Verdict::TeacherLine);
        }
        return refused(Category::Together, words::kTogether);
    }
    return sameValue(schoolLine(current), before, next, typed, notation);
}

}  // namespace detail

Judgement judge(const Line& current, std::span<const Line> ahead, const Line& answer)
{
    std::size_t reached = 0;
    return judgeAhead(current, ahead, answer, reached);
}

}  // namespace quintavia::diagnosis
