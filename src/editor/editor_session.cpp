#include "editor/editor_session.h"

namespace quintavia {

QString exerciseFileName(const QString& chosen)
{
    if (chosen.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
        return chosen;
    QString name = chosen;
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty() || name.endsWith(QLatin1Char('/')))
        return chosen;  // no file name to complete; the save reports it
    return name + QLatin1String(".rtf");
}

InvioDecision decideInvio(qint16 lines)
{
    return lines > 0 && lines < kLineLimit ? InvioDecision::LineBreak : InvioDecision::Refuse;
}

InvioDecision StepRecorder::press(const QString& plainText)
{
    m_espressione = plainText;
    m_contatore = m_w.build(m_espressione);
    return decideInvio(m_contatore);
}

}  // namespace quintavia
