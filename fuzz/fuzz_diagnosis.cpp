// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the diagnosis of a wrong step. The bytes choose a random expression, a line
// of its chain as the line shown last, the generator's next line as the teacher's, and an answer
// mutated from it. Every answer gets a category, a message exactly when the category has one, and
// "giusto" exactly when the solver's match accepts it.
#include "arithmetic/arithmetic.h"
#include "diagnosis/diagnosis.h"
#include "random_expression.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quintavia::testing::ByteDraw draw{data, size};
    using namespace quintavia;
    using namespace quintavia::arithmetic;
    const std::string expression = testing::randomExpression(draw);
    const Line first = plainLine(expression);
    const Steps steps = generateSteps(first, draw(2) == 0 ? StepMode::School : StepMode::OneOperation, 1000);
    if (!steps.ok() || steps.lines.empty())
        return 0;
    const std::size_t at = std::size_t(draw(int(steps.lines.size())));
    const Line& previous = at == 0 ? first : steps.lines[at - 1];
    const Line& expected = steps.lines[at];
    Line answer = expected;
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
    const diagnosis::Diagnosis d = diagnosis::diagnose(previous, expected, answer);
    const bool right = d.category == diagnosis::Category::Right;
    const bool silent = right || d.category == diagnosis::Category::Other;
    const char* fault = nullptr;
    if (right != stepsMatch(answer, expected))
        fault = "giusto is not the solver's match";
    else if (diagnosis::categoryName(d.category).empty())
        fault = "no category";
    else if (silent != d.message.empty())
        fault = "a message where none belongs, or none where one does";
    if (fault) {
        std::fprintf(stderr, "%s | %s | %s: %s (%s: %s)\n", plainText(previous).c_str(), plainText(expected).c_str(),
                     plainText(answer).c_str(), fault, std::string(diagnosis::categoryName(d.category)).c_str(),
                     d.message.c_str());
        std::abort();
    }
    return 0;
}
