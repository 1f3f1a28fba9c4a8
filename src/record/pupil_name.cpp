// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/pupil_name.h"

#include <QRegularExpression>

namespace quintavia::record {

namespace {

bool allowed(QChar c, bool first)
{
    if (c.isLetterOrNumber())
        return true;
    if (first)
        return false;
    return c == QLatin1Char(' ') || c == QLatin1Char('\'') || c == QLatin1Char('-') || c == QLatin1Char('_')
           || c == QLatin1Char('.') || c.isMark();
}

// Windows refuses these as file names, with any extension, and so do the shares it serves.
bool deviceName(const QString& name)
{
    static const QRegularExpression devices(QStringLiteral("^(con|prn|aux|nul|com[0-9]|lpt[0-9])(\\..*)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return devices.match(name).hasMatch();
}

}  // namespace

PupilName checkPupilName(const QString& typed)
{
    QString name = typed.normalized(QString::NormalizationForm_C).simplified();
    name.replace(QChar(0x2019), QLatin1Char('\''));
    PupilName result{name, {}, {}};
    if (name.isEmpty())
        result.problem = QStringLiteral("il nome è vuoto");
    else if (name.size() > kMaxNameLength)
        result.problem = QStringLiteral("il nome è troppo lungo (al massimo %1 caratteri)").arg(kMaxNameLength);
    else if (!allowed(name.front(), true))
        result.problem = QStringLiteral("il nome comincia con una lettera o una cifra");
    else if (name.endsWith(QLatin1Char('.')))
        result.problem = QStringLiteral("il nome non finisce con un punto");
    else if (deviceName(name))
        result.problem = QStringLiteral("«%1» non si può usare come nome: aggiungi il cognome").arg(name);
    for (qsizetype i = 1; result.ok() && i < name.size(); ++i)
        if (!allowed(name.at(i), false))
            result.problem =
                QStringLiteral("nel nome ci sono solo lettere, cifre, spazi, apostrofi, trattini e punti, non «%1»")
                    .arg(name.at(i));
    if (result.ok())
        result.fileName = name.toLower() + QLatin1String(kRecordSuffix);
    return result;
}

}  // namespace quintavia::record
