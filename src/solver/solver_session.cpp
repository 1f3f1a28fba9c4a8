#include "solver/solver_session.h"

#include <algorithm>

namespace quintavia {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// A count as the message shows it: a blank, then the digits.
QString count(int n) { return QLatin1Char(' ') + QString::number(n); }
}  // namespace

QString SolverSession::rightMessage() { return QStringLiteral("Bravissimo"); }

QString SolverSession::wrongMessage()
{
    return QString::fromUtf8("Il passaggio non è esatto. Correggi.");
}

bool SolverSession::start(const QString& plainText)
{
    StepTable table;
    const qint16 lines = table.build(plainText);
    if (lines <= 0)
        return false;
    m_steps = table;
    m_lineCount = lines;
    m_contatore = 1;
    return true;
}

void SolverSession::stop()
{
    m_steps.clear();
    m_lineCount = 0;
    m_contatore = 0;
}

QString SolverSession::expected() const
{
    if (!running())
        return {};
    return m_steps.at(m_contatore + 1);
}

bool SolverSession::isRight(const QString& answer) const
{
    // Without an exercise there is no line to match, not even an empty one.
    return running() && expected() == answer + kCrLf;
}

bool SolverSession::advance()
{
    return checkedIncrement(m_contatore);
}

bool SolverSession::finished() const
{
    return expected().isEmpty();
}

QString SolverSession::finalMessage() const
{
    const QString errorWord = m_errori == 1 ? QStringLiteral(" errore ") : QStringLiteral(" errori ");
    const QString helpWord = m_aiuto == 1 ? QStringLiteral(" aiuto ") : QStringLiteral(" aiuti ");
    return QStringLiteral("Hai finito con") + count(m_errori) + errorWord + QStringLiteral("e")
           + count(m_aiuto) + helpWord;
}

int SolverSession::finalSound() const
{
    return m_aiuto < 3 ? 101 : 104;
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
