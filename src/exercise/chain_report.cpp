// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/chain_report.h"

#include "arithmetic/chain_check.h"
#include "exercise/exercise_lines.h"

#include <QTextBlock>

#include <algorithm>

namespace quintavia::exercise {

std::vector<LineSpan> lineSpans(const QTextDocument& document)
{
    std::vector<LineSpan> spans;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        int start = 0;
        for (int i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text.at(i) == QChar::LineSeparator
                || text.at(i) == QChar::ParagraphSeparator) {
                spans.push_back({block.position() + start, i - start});
                start = i + 1;
            }
        }
    }
    return spans;
}

int lineAt(const std::vector<LineSpan>& spans, int position)
{
    const auto after = std::upper_bound(spans.begin(), spans.end(), position,
                                        [](int p, const LineSpan& span) { return p < span.position; });
    return std::max(0, int(after - spans.begin()) - 1);
}

std::optional<ChainProblem> firstChainProblem(const QTextDocument& document)
{
    const std::vector<arithmetic::LineVerdict> verdicts = arithmetic::checkChain(linesOfDocument(document));
    const auto flagged = arithmetic::firstFlagged(verdicts);
    if (!flagged)
        return std::nullopt;
    const std::vector<LineSpan> spans = lineSpans(document);
    ChainProblem problem;
    problem.line = int(*flagged) + 1;
    problem.text = QStringLiteral("Riga %1: %2")
                       .arg(problem.line)
                       .arg(QString::fromStdString(verdicts[*flagged].message()));
    if (*flagged < spans.size())
        problem.span = spans[*flagged];
    return problem;
}

}  // namespace quintavia::exercise
