// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the step judge. The bytes choose a random expression, a line of its chain as
// the line shown last, the rest of the chain as the lines ahead, and an answer mutated from the
// teacher's next line. The teacher's line is always accepted, and so is the generator's single
// operation from the line shown; an accepted answer is worth what the line shown is worth; a
// refused one has a category and a message, never one that begins "Giusto".
#include "arithmetic/arithmetic.h"
#include "diagnosis/judge.h"
#include "random_expression.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

using namespace quintavia;
using namespace quintavia::arithmetic;

// The answer as the judge reads it: "^" before digits raises them.
Line raisedAfterCaret(const Line& answer)
{
    Line out;
    for (std::size_t i = 0; i < answer.size(); ++i) {
        const bool caret = answer[i].code == U'^' && !answer[i].raised;
        if (!caret || i + 1 == answer.size() || answer[i + 1].code < U'0' || answer[i + 1].code > U'9') {
            out.push_back(answer[i]);
            continue;
        }
        for (; i + 1 < answer.size() && answer[i + 1].code >= U'0' && answer[i + 1].code <= U'9'; ++i)
            out.push_back({answer[i + 1].code, true});
    }
    return out;
}

// Why the judgement breaks a rule, or nothing.
const char* fault(const Line& previous, std::span<const Line> ahead, const Line& answer, bool mustAccept)
{
    const diagnosis::Judgement j = diagnosis::judge(previous, ahead, answer);
    const bool right = j.diagnosis.category == diagnosis::Category::Right;
    if (right != j.accepted())
        return "giusto is not the verdict";
    if (stepsMatch(answer, ahead.front()) && j.verdict != diagnosis::Verdict::TeacherLine)
        return "the teacher's line refused";
    if (mustAccept && !j.accepted())
        return "one operation refused";
    if (diagnosis::categoryName(j.diagnosis.category).empty())
        return "no category";
    if (!j.accepted() && (j.diagnosis.message.empty() || j.diagnosis.message.starts_with("Giusto")))
        return "a refusal without a message, or one that begins Giusto";
    // The solver's match takes blanks out, so "3 60" is the teacher's "360": only other answers are read.
    if (j.accepted() && !stepsMatch(answer, ahead.front())) {
        const Reading typed = readLine(raisedAfterCaret(answer));
        const Reading shown = readLine(previous);
        if (typed.kind != Reading::Kind::Valued || !(typed.value == shown.value))
            return "accepted with another value";
    }
    return nullptr;
}

void check(const Line& previous, std::span<const Line> ahead, const Line& answer, bool mustAccept)
{
    if (const char* why = fault(previous, ahead, answer, mustAccept)) {
        const diagnosis::Judgement j = diagnosis::judge(previous, ahead, answer);
        std::fprintf(stderr, "%s | %s | %s: %s (%s: %s)\n", plainText(previous).c_str(), plainText(ahead.front()).c_str(),
                     plainText(answer).c_str(), why, std::string(diagnosis::categoryName(j.diagnosis.category)).c_str(),
                     j.diagnosis.message.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quintavia::testing::ByteDraw draw{data, size};
    const std::string expression = testing::randomExpression(draw);
    const Line first = plainLine(expression);
    const Steps steps = generateSteps(first, draw(2) == 0 ? StepMode::School : StepMode::OneOperation, 1000);
    if (!steps.ok() || steps.lines.empty())
        return 0;
    const std::size_t at = std::size_t(draw(int(steps.lines.size())));
    const Line& previous = at == 0 ? first : steps.lines[at - 1];
    const std::span<const Line> ahead(steps.lines.data() + at, steps.lines.size() - at);
    Line answer = ahead.front();
    // A pupil's slips: a character changed, left out, added, or two swapped; or another line.
    static const char32_t kTyped[] = {U'0', U'1', U'2', U'7', U'9', U' ', U'+', U'-', U'x', U':', U'/', U',',
                                      U'(', U')', U'[', U']', U'{', U'}', U'=', U'^'};
    for (int slips = draw(4); slips > 0 && !answer.empty(); --slips) {
        const std::size_t i = std::size_t(draw(int(answer.size())));
        const Char typed{kTyped[draw(int(std::size(kTyped)))], draw(6) == 0};
        switch (draw(5)) {
        case 0: answer[i] = typed; break;
        case 1: answer.erase(answer.begin() + std::ptrdiff_t(i)); break;
        case 2: answer.insert(answer.begin() + std::ptrdiff_t(i), typed); break;
        case 3:
            if (i + 1 < answer.size())
                std::swap(answer[i], answer[i + 1]);
            break;
        default: answer = steps.lines[std::size_t(draw(int(steps.lines.size())))]; break;
        }
    }
    check(previous, ahead, ahead.front(), true);
    check(previous, ahead, answer, false);
    const Steps one = generateSteps(previous, StepMode::OneOperation, 1000);
    if (one.ok() && !one.lines.empty())
        check(previous, ahead, one.lines.front(), true);
    return 0;
}
