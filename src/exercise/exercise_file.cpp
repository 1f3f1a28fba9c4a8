// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercise_file.h"

#include "document/document_file.h"
#include "document/rtf_writer.h"
#include "exercise/exercise_lines.h"

namespace quintavia::exercise {

namespace {
ReadExercise fromResult(rtf::ReadResult result)
{
    return {std::move(result.document), std::move(result.error)};
}
}  // namespace

ReadExercise readExerciseFile(const QString& path)
{
    return fromResult(readDocumentFile(path));
}

ReadExercise exerciseThroughFile(const std::vector<arithmetic::Line>& lines)
{
    return fromResult(rtf::read(rtf::write(*documentOfLines(lines))));
}

}  // namespace quintavia::exercise
