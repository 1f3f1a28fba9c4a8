// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"
#include "cli/report_pdf.h"

#include "document/document_file.h"
#include "record/reading.h"
#include "record/summary.h"

#include <QDateTime>
#include <QFileInfo>

namespace quintavia::cli {

namespace {

namespace rc = quintavia::record;

constexpr int kHardestShown = 5;

QString day(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QStringLiteral("-");
}

QString plural(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
}

QString text(const rc::ClassSummary& summary)
{
    QString out;
    for (const rc::PupilSummary& pupil : summary.pupils) {
        out += QStringLiteral("%1: %2, ultimo giorno %3\n").arg(pupil.pupil, rc::figuresLine(pupil), day(pupil.lastDay));
        if (pupil.errors > 0)
            out += QStringLiteral("  errori per regola: %1\n").arg(rc::categoryLine(pupil.byCategory));
    }
    out += QStringLiteral("\nClasse: %1, %2\n")
               .arg(plural(int(summary.pupils.size()), "alunno", "alunni"), rc::figuresLine(summary.total));
    if (summary.total.errors > 0)
        out += QStringLiteral("Regole più sbagliate: %1\n").arg(rc::categoryLine(summary.total.byCategory));
    if (!summary.hardest.empty())
        out += QStringLiteral("Esercizi con più errori:\n");
    for (std::size_t i = 0; i < summary.hardest.size() && i < kHardestShown; ++i) {
        const rc::ExerciseErrors& entry = summary.hardest[i];
        out += QStringLiteral("  %1 (%2): %3\n")
                   .arg(plural(entry.errors, "errore", "errori"), plural(entry.pupils, "alunno", "alunni"), entry.exercise);
    }
    return out;
}

// A field as Italian spreadsheets read it: quoted when it holds the separator, a quote or a line end.
QString csvField(QString value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n')))
        return value;
    value.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QByteArray csv(const std::vector<rc::PupilHistory>& pupils)
{
    QStringList header{"alunno", "data", "esercizio", "livello", "tema", "finito", "errori", "aiuti", "secondi"};
    for (const char* category : rc::kCategories)
        header << QLatin1String(category);
    QString out = header.join(QLatin1Char(';')) + QLatin1Char('\n');
    for (const rc::PupilHistory& pupil : pupils)
        for (const rc::ExerciseRecord& exercise : pupil.exercises) {
            QStringList row{pupil.pupil,
                            QDateTime::fromMSecsSinceEpoch(exercise.started).toString(QStringLiteral("dd/MM/yyyy HH:mm")),
                            exercise.name(),
                            exercise.info.level > 0 ? QString::number(exercise.info.level) : QString(),
                            exercise.info.theme,
                            exercise.finished() ? QStringLiteral("sì") : QStringLiteral("no"),
                            QString::number(exercise.errors()),
                            QString::number(exercise.helps()),
                            QString::number(exercise.seconds())};
            for (int count : rc::categoryCounts(exercise))
                row << QString::number(count);
            for (QString& field : row)
                field = csvField(field);
            out += row.join(QLatin1Char(';')) + QLatin1Char('\n');
        }
    // The byte order mark tells Excel the file is UTF-8 ("sì", accented names).
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

bool refuseExisting(const Invocation& invocation, const char* option, Output& output)
{
    const QString path = invocation.value(option);
    if (!invocation.has(option) || !QFileInfo::exists(path) || invocation.has("--forza"))
        return false;
    output.complain(QStringLiteral("%1: il file esiste già; --forza lo sostituisce").arg(path));
    return true;
}

bool writeOut(const QString& path, const QByteArray& bytes, Output& output)
{
    QString error;
    if (writeFileAtomically(path, bytes, &error))
        return true;
    output.complain(QStringLiteral("%1: %2").arg(path, error));
    return false;
}

}  // namespace

int runReport(const Invocation& invocation, Output& output)
{
    if (refuseExisting(invocation, "--csv", output) || refuseExisting(invocation, "--pdf", output))
        return 1;
    int status = 0;
    std::vector<rc::PupilHistory> pupils;
    for (const QString& input : invocation.operands) {
        rc::ClassRecords records;
        if (QFileInfo(input).isDir()) {
            records = rc::readFolder(input);
            if (records.pupils.empty() && records.problems.isEmpty())
                records.problems << QStringLiteral("%1: nella cartella non c'è nessun registro").arg(input);
        } else {
            rc::RecordRead read = rc::readRecord(input);
            if (read.history)
                records.pupils.push_back(std::move(*read.history));
            else
                records.problems << QStringLiteral("%1: %2").arg(input, read.problem);
        }
        for (const QString& problem : std::as_const(records.problems))
            output.complain(problem);
        status = records.problems.isEmpty() ? status : 1;
        std::move(records.pupils.begin(), records.pupils.end(), std::back_inserter(pupils));
    }
    if (pupils.empty())
        return 1;
    const rc::ClassSummary summary = rc::summarize(pupils);
    if (invocation.has("--csv") && !writeOut(invocation.value("--csv"), csv(pupils), output))
        status = 1;
    if (invocation.has("--pdf")
        && !writeOut(invocation.value("--pdf"), reportPdf(reportTitle(invocation.operands), summary), output))
        status = 1;
    if (!invocation.has("--csv") && !invocation.has("--pdf"))
        output.print(text(summary));
    return status;
}

}  // namespace quintavia::cli
