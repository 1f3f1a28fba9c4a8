// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/history.h"

#include <QCryptographicHash>
#include <QSet>
#include <QStringList>

namespace quintavia::record {

namespace {

template <typename Visit>
void eachDistinctError(const std::vector<Event>& events, Visit visit)
{
    QSet<QString> seen;
    for (const Event& event : events)
        if (event.kind == Event::Kind::Answer && event.verdict == QLatin1String(kRefused)
            && !seen.contains(event.text)) {
            seen.insert(event.text);
            visit(event);
        }
}

}  // namespace

int ExerciseRecord::errors() const
{
    int count = 0;
    eachDistinctError(events, [&](const Event&) { ++count; });
    return count;
}

int ExerciseRecord::helps() const
{
    return int(std::count_if(events.begin(), events.end(), [](const Event& e) { return e.kind == Event::Kind::Help; }));
}

std::map<QString, int> ExerciseRecord::errorsByCategory() const
{
    std::map<QString, int> counts;
    eachDistinctError(events, [&](const Event& event) { ++counts[event.category]; });
    return counts;
}

qint64 ExerciseRecord::seconds() const
{
    const qint64 last = ended ? *ended : events.empty() ? started : events.back().at;
    return std::max<qint64>(0, (last - started) / 1000);
}

QString ExerciseRecord::name() const
{
    return info.file.isEmpty() ? info.expression : info.file;
}

QString linesHash(const QStringList& lines)
{
    const QByteArray bytes = lines.join(QLatin1Char('\n')).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16));
}

}  // namespace quintavia::record
