// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/solver_session.h"

#include "exercise/messages.h"

namespace quintavia {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// A count as the message shows it: a blank, then the digits.
QString count(int n) { return QLatin1Char(' ') + QString::number(n); }
}  // namespace

QString SolverSession::rightMessage() { return messages::rightStep(); }

QString SolverSession::wrongMessage()
{
    return messages::wrongStep();
}

bool SolverSession::start(const QString& plainText)
{
    StepTable table;
    const qint16 lines = table.build(plainText);
    if (lines <= 0)
        return false;
    m_steps = table;
    m_lineCount = lines;
    m_counter = 1;
    return true;
}

void SolverSession::stop()
{
    m_steps.clear();
    m_lineCount = 0;
    m_counter = 0;
}

QString SolverSession::expected() const
{
    if (!running())
        return {};
    return m_steps.at(m_counter + 1);
}

bool SolverSession::isRight(const QString& answer) const
{
    // Without an exercise there is no line to match, not even an empty one.
    return running() && expected() == answer + kCrLf;
}

bool SolverSession::advance()
{
    return checkedIncrement(m_counter);
}

bool SolverSession::finished() const
{
    return expected().isEmpty();
}

QString SolverSession::finalMessage() const
{
    const QString errorWord = m_errors == 1 ? QStringLiteral(" errore ") : QStringLiteral(" errori ");
    const QString helpWord = m_helps == 1 ? QStringLiteral(" aiuto ") : QStringLiteral(" aiuti ");
    return QStringLiteral("Hai finito con") + count(m_errors) + errorWord + QStringLiteral("e")
           + count(m_helps) + helpWord;
}

bool SolverSession::fewHelps() const
{
    return m_helps < kFewHelpsLimit;
}

namespace reveal {

Geometry afterRightStep(float documentHeight, float answerTop)
{
    return {documentHeight + kLine, answerTop + kLine};
}

Geometry afterHelp(float documentHeight, float answerTop)
{
    if (documentHeight < kHelpLimit)
        return afterRightStep(documentHeight, answerTop);
    return {kHelpCap, answerTop};
}

}  // namespace reveal

Blinker::Colour Blinker::tick()
{
    if (m_counter >= 1) {
        m_counter = 0;
        return Colour::Bright;
    }
    ++m_counter;
    return Colour::Dark;
}

}  // namespace quintavia
