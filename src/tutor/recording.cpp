// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutor/recording.h"

#include "arithmetic/arithmetic.h"
#include "curriculum/levels.h"
#include "curriculum/themes.h"
#include "diagnosis/diagnosis.h"

#include <QStringList>

namespace quintavia::tutor {

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

const char* verdictName(diagnosis::Verdict verdict)
{
    switch (verdict) {
    case diagnosis::Verdict::TeacherLine: return record::kTeacherLine;
    case diagnosis::Verdict::OwnStep: return record::kOwnStep;
    case diagnosis::Verdict::Refused: break;
    }
    return record::kRefused;
}

}  // namespace

record::ExerciseInfo exerciseInfo(const QString& fileName, const std::vector<arithmetic::Line>& lines)
{
    QStringList plain;
    for (const arithmetic::Line& line : lines)
        plain << text(arithmetic::plainText(line));
    record::ExerciseInfo info;
    info.file = fileName;
    info.linesHash = record::linesHash(plain);
    info.expression = plain.value(0);
    return info;
}

void takeOrigin(record::ExerciseInfo& info, int level, const QString& theme, std::optional<quint64> seed)
{
    if (level < 1 || level > curriculum::kLevels)
        return;
    info.level = level;
    if (theme.isEmpty()) {
        info.seed = seed;
        return;
    }
    const curriculum::Theme* known = curriculum::themeNamed(theme.toStdString());
    if (known && known->atLevel(level)) {
        info.theme = theme;
        info.seed = seed;
    }
}

QString recordAnswer(record::PupilRecord& record, const QString& typed, const diagnosis::Judgement& judgement)
{
    return record.answer(typed, QLatin1String(verdictName(judgement.verdict)),
                         judgement.accepted() ? QString() : text(diagnosis::categoryName(judgement.diagnosis.category)));
}

}  // namespace quintavia::tutor
