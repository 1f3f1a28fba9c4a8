// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/solver_session.h"

#include "exercise/messages.h"

#include <algorithm>
#include <limits>

namespace quintavia {

namespace {
// A count as the message shows it: a blank, then the digits.
QString count(int n)
{
    return QLatin1Char(' ') + QString::number(n);
}
}  // namespace

QString SolverSession::rightMessage()
{
    return messages::rightStep();
}

QString SolverSession::wrongMessage()
{
    return messages::wrongStep();
}

bool checkedIncrement(qint16& counter)
{
    if (counter == std::numeric_limits<qint16>::max())
        return false;
    ++counter;
    return true;
}

bool SolverSession::start(std::vector<arithmetic::Line> lines)
{
    if (lines.empty() || lines.size() > std::size_t(kMaximumLines))
        return false;
    m_lines = std::move(lines);
    m_counter = 1;
    m_lastWrong.reset();
    return true;
}

void SolverSession::countWrongAnswer(const arithmetic::Line& answer)
{
    if (m_lastWrong == answer)
        return;
    m_lastWrong = answer;
    ++m_errors;
}

void SolverSession::stop()
{
    m_lines.clear();
    m_counter = 0;
}

bool SolverSession::advance()
{
    m_lastWrong.reset();
    return checkedIncrement(m_counter);
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

Geometry afterRightStep(float documentHeight, float answerTop, double line)
{
    return {documentHeight + line, answerTop + line};
}

Geometry afterHelp(float documentHeight, float answerTop, double line)
{
    if (documentHeight < kHelpLimit)
        return afterRightStep(documentHeight, answerTop, line);
    return {kHelpCap, answerTop};
}

Geometry fitted(Geometry wanted)
{
    const double answerTop = std::min(wanted.answerTop, kAnswerLimit);
    return {std::min(wanted.documentHeight, answerTop - (kAnswerTop - kStartHeight)), answerTop};
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
