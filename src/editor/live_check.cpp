// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/live_check.h"

#include "exercise/chain_report.h"
#include "document/char_format.h"
#include "ui/solver_layout.h"
#include "widgets/line_fit.h"
#include "widgets/rich_text_box.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>

namespace quintavia {

LiveCheck::LiveCheck(RichTextBox& box, QLabel& status) : QObject(&box), m_box(box), m_status(status)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &LiveCheck::checkNow);
    // Every change restarts the wait, so typing is never held up by a check.
    connect(box.document(), &QTextDocument::contentsChanged, &m_timer, qOverload<>(&QTimer::start));
}

namespace {

// The first line that the solver's boxes could show only wrapped, even at the smallest size.
std::optional<exercise::ChainProblem> firstLineTooLong(const QTextDocument& document)
{
    const double room = widgets::textRoom(widgets::twipsToPixels(ui::kSolverBoxWidth));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (widgets::fitsUnwrapped(block, room))
            continue;
        const int line = block.blockNumber() + 1;
        return exercise::ChainProblem{
            line, QStringLiteral("Riga %1: troppo lunga per la finestra di risoluzione").arg(line),
            {block.position(), block.length() - 1}};
    }
    return std::nullopt;
}

}  // namespace

void LiveCheck::checkNow()
{
    m_timer.stop();
    // A wrong chain first: the arithmetic matters more than how a line fits.
    auto problem = exercise::firstChainProblem(*m_box.document());
    if (!problem)
        problem = firstLineTooLong(*m_box.document());
    QList<QTextEdit::ExtraSelection> marks;
    if (problem) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_box.document());
        mark.cursor.setPosition(problem->span.position);
        mark.cursor.setPosition(problem->span.position + problem->span.length, QTextCursor::KeepAnchor);
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(Qt::red);
        marks.append(mark);
    }
    m_box.setExtraSelections(marks);
    // One line: a message longer than the strip ends in "…", and the whole of it stays available.
    const QString text = problem ? problem->text : QString();
    m_status.setText(m_status.fontMetrics().elidedText(text, Qt::ElideRight, m_status.contentsRect().width()));
    m_status.setToolTip(text);
    m_status.setAccessibleDescription(text);
}

}  // namespace quintavia
