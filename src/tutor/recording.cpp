// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutor/recording.h"

#include "arithmetic/arithmetic.h"
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

QString recordAnswer(record::PupilRecord& record, const QString& typed, const diagnosis::Judgement& judgement)
{
    return record.answer(typed, QLatin1String(verdictName(judgement.verdict)),
                         judgement.accepted() ? QString() : text(diagnosis::categoryName(judgement.diagnosis.category)));
}

}  // namespace quintavia::tutor
