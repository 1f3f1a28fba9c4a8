// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"
#include "cli/exercise_files.h"

#include "arithmetic/chain_check.h"
#include "document/document_file.h"
#include "exercise/exercise_lines.h"
#include "worksheet/worksheet.h"

#include <QDir>
#include <QFileInfo>
#include <QBuffer>
#include <QPdfWriter>
#include <QSet>

namespace quintavia::cli {

namespace {

// The heading names the one file or folder given, or the folder all of them are in, or else each.
QString titleFor(const QStringList& inputs)
{
    auto nameOf = [](const QString& path) {
        const QFileInfo info(QDir::cleanPath(path));
        return info.isDir() ? QDir(info.absoluteFilePath()).dirName() : info.completeBaseName();
    };
    if (inputs.size() == 1)
        return nameOf(inputs.constFirst());
    QStringList names;
    QSet<QString> parents;
    for (const QString& input : inputs) {
        names << nameOf(input);
        parents.insert(QFileInfo(QDir::cleanPath(input)).absolutePath());
    }
    if (parents.size() == 1)
        return QDir(*parents.constBegin()).dirName();
    return names.join(QStringLiteral(", "));
}

// The arithmetic check of an exercise's chain, as --verifica makes it, so that no slip goes
// silently to the class: the exercise is printed all the same.
QList<worksheet::LineWarning> chainWarnings(const QTextDocument& document)
{
    QList<worksheet::LineWarning> warnings;
    const auto verdicts = arithmetic::checkChain(exercise::linesOfDocument(document));
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        if (!verdicts[i].flagged())
            continue;
        const bool unreadable = verdicts[i].status == arithmetic::LineVerdict::Status::Unreadable;
        warnings.append({int(i) + 1, located(unreadable ? verdicts[i].problem.column : 0, verdicts[i].message())});
    }
    return warnings;
}

}  // namespace

int runSheet(const Invocation& invocation, Output& output)
{
    const QString pdf = invocation.value("--pdf");
    if (QFileInfo::exists(pdf) && !invocation.has("--forza")) {
        output.complain(QStringLiteral("%1: il file esiste già; --forza lo sostituisce").arg(pdf));
        return 1;
    }
    int status = 0;
    worksheet::Sheet sheet{titleFor(invocation.operands), {}, invocation.has("--soluzioni")};
    for (const QString& input : invocation.operands) {
        const QList<ExerciseFile> files = exerciseFiles({input});
        if (files.isEmpty()) {
            output.complain(QStringLiteral("%1: nella cartella non c'è nessun file .rtf").arg(input));
            status = 1;
        }
        for (const ExerciseFile& file : files) {
            const rtf::ReadResult read = readDocumentFile(file.path);
            if (!read.ok()) {
                output.complain(QStringLiteral("%1: %2").arg(file.path, read.error));
                status = 1;
                continue;
            }
            worksheet::Exercise exercise = worksheet::fromDocument(file.name, *read.document);
            exercise.warnings = chainWarnings(*read.document);
            for (const worksheet::LineWarning& warning : exercise.warnings)
                output.warn(QStringLiteral("%1:%2: avviso: %3").arg(file.path).arg(warning.line).arg(warning.text));
            sheet.exercises.append(exercise);
        }
    }
    if (sheet.exercises.isEmpty()) {
        output.complain(QStringLiteral("nessun esercizio da stampare: %1 non è stato scritto").arg(pdf));
        return 1;
    }

    // Drawn in memory and written at once: a sheet that could not be written whole is no sheet.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        worksheet::setUpPage(writer);
        writer.setResolution(1200);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Quintavia"));
        worksheet::render(writer, sheet);
    }
    QString error;
    if (!writeFileAtomically(pdf, buffer.data(), &error)) {
        output.complain(QStringLiteral("%1: %2").arg(pdf, error));
        return 1;
    }
    return status;
}

}  // namespace quintavia::cli
