// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/class_record.h"
#include "cli/command_runs.h"

#include "diagnosis/pupil_path.h"
#include "exercise/exercise_file.h"
#include "exercise/exercise_lines.h"
#include "exercise/solver_session.h"

#include <cstdio>
#include <string>

namespace quintavia::cli {

namespace {

// One line of standard input without its line end; false at the end of the input.
bool readAnswer(std::string& line)
{
    line.clear();
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line += char(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return c != EOF || !line.empty();
}

QString counted(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

}  // namespace

int runSolve(const Invocation& invocation, Output& output)
{
    int stop = 0;
    const std::unique_ptr<ClassRecord> kept = ClassRecord::from(invocation, output, stop);
    if (stop)
        return stop;
    const QString path = invocation.operands.front();
    const exercise::ReadExercise read = exercise::readExerciseFile(path);
    if (!read.ok()) {
        output.complain(path + QStringLiteral(": ") + read.error);
        return 2;
    }
    std::vector<arithmetic::Line> lines = exercise::linesOfDocument(*read.document);
    SolverSession session;
    if (!session.start(lines)) {
        output.complain(path + QStringLiteral(": il documento non ha righe da risolvere"));
        return 2;
    }
    if (kept)
        kept->start(path, lines, read);
    diagnosis::PupilPath pupil(std::move(lines));
    std::string typed;
    while (!pupil.finished() && readAnswer(typed)) {
        if (typed == "?") {
            output.print("aiuto: " + arithmetic::plainText(pupil.target()) + '\n');
            pupil.help();
            if (kept)
                kept->help();
            session.countHelp();
            session.advance();
            continue;
        }
        const arithmetic::Line answer = arithmetic::plainLine(typed);
        const diagnosis::Judgement judgement = pupil.answer(answer);
        if (kept)
            kept->answer(typed, judgement);
        std::string said(diagnosis::categoryName(judgement.diagnosis.category));
        if (!judgement.diagnosis.message.empty())
            said += ": " + judgement.diagnosis.message;
        output.print(said + '\n');
        if (judgement.accepted())
            session.advance();
        else
            session.countWrongAnswer(answer);
    }
    if (pupil.finished()) {
        if (kept)
            kept->finish();
        output.print(session.finalMessage() + QLatin1Char('\n'));
        return 0;
    }
    output.print(QStringLiteral("non finito: %1, %2\n")
                     .arg(counted(session.errors(), "errore", "errori"), counted(session.helps(), "aiuto", "aiuti")));
    return 1;
}

}  // namespace quintavia::cli
