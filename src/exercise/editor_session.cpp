// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/editor_session.h"

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

ConfirmDecision decideConfirm(std::size_t lines)
{
    return lines > 0 && lines < std::size_t(arithmetic::kMaxExerciseLines) ? ConfirmDecision::LineBreak : ConfirmDecision::Refuse;
}

}  // namespace quintavia
