// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercise_file.h"

#include "document/document_file.h"
#include "document/document_info.h"
#include "document/rtf_writer.h"
#include "exercise/exercise_lines.h"

namespace quintavia::exercise {

namespace {
ReadExercise fromResult(rtf::ReadResult result)
{
    ReadExercise read;
    read.document = std::move(result.document);
    read.error = std::move(result.error);
    if (!read.ok())
        return read;
    if (const std::optional<ExerciseOrigin> origin = originOf(documentInfo(*read.document).keywords)) {
        read.level = origin->level;
        read.theme = origin->theme;
        read.seed = origin->ownSeed();
    }
    return read;
}
}  // namespace

void setGeneratedInfo(QTextDocument& document, const QString& levelName, int level, quint64 seed,
                      const InfoSnapshot& earlier)
{
    setDocumentInfoUndoably(document, {levelName, originKeywords({level, {}, seed, 0})}, earlier);
}

ReadExercise readExerciseFile(const QString& path)
{
    return fromResult(readDocumentFile(path));
}

ReadExercise exerciseThroughFile(const std::vector<arithmetic::Line>& lines)
{
    return fromResult(rtf::read(rtf::write(*documentOfLines(lines))));
}

}  // namespace quintavia::exercise
