// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_commands.h"

#include "arithmetic/arithmetic.h"
#include "document/document_file.h"
#include "exercise/exercise_lines.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace quintavia::check {

namespace {

namespace ar = quintavia::arithmetic;

void print(FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

void printError(const QString& text)
{
    std::fflush(stdout);
    print(stderr, "quintavia-check: " + text.toStdString() + '\n');
}

int usage(const QString& text)
{
    printError(text);
    std::fputs("Prova \"quintavia-check --help\".\n", stderr);
    return 2;
}

std::string located(const ar::Problem& problem)
{
    return problem.column > 0 ? "colonna " + std::to_string(problem.column) + ": " + problem.message
                              : problem.message;
}

int valueOf(const QString& expression)
{
    const ar::Reading reading = ar::readLine(ar::plainLine(expression.toStdString()));
    switch (reading.kind) {
    case ar::Reading::Kind::Valued: print(stdout, reading.value.written() + '\n'); return 0;
    case ar::Reading::Kind::Faulty: printError(QString::fromStdString(located(reading.problem))); return 2;
    case ar::Reading::Kind::Text: break;
    }
    printError(QStringLiteral("l'espressione non contiene numeri"));
    return 2;
}

// The exercise files named: files as given, folders searched for .rtf files, sorted.
QStringList exerciseFiles(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files.append(path);
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.rtf"), QStringLiteral("*.RTF"), QStringLiteral("*.Rtf")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(it.next());
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        files.append(found);
    }
    return files;
}

std::string counted(int count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

int verify(const QStringList& paths)
{
    int right = 0, wrong = 0, unread = 0;
    for (const QString& path : exerciseFiles(paths)) {
        const rtf::ReadResult result = readDocumentFile(path);
        if (!result.ok()) {
            printError(path + QStringLiteral(": ") + result.error);
            ++unread;
            continue;
        }
        const std::vector<ar::LineVerdict> verdicts
            = ar::checkChain(exercise::linesOfDocument(*result.document));
        bool flagged = false;
        const std::string name = path.toStdString();
        for (std::size_t i = 0; i < verdicts.size(); ++i) {
            const ar::LineVerdict& verdict = verdicts[i];
            if (!verdict.flagged())
                continue;
            flagged = true;
            const std::string text = verdict.status == ar::LineVerdict::Status::Unreadable
                                         ? located(verdict.problem)
                                         : verdict.message();
            print(stdout, name + ':' + std::to_string(i + 1) + ": " + text + '\n');
        }
        ++(flagged ? wrong : right);
    }
    std::string summary = counted(right + wrong, "esercizio", "esercizi") + ": "
                          + counted(right, "giusto", "giusti") + ", " + std::to_string(wrong) + " con errori";
    if (unread > 0)
        summary += ", " + counted(unread, "file non letto", "file non letti");
    print(stdout, summary + '\n');
    return unread > 0 ? 2 : wrong > 0 ? 1 : 0;
}

int steps(const QString& expression, bool oneOperation, const QString& rtfPath, bool force)
{
    const ar::Line line = ar::plainLine(expression.toStdString());
    const ar::Steps steps = ar::generateSteps(
        line, oneOperation ? ar::StepMode::OneOperation : ar::StepMode::School, rtf::kMaxLines);
    if (!steps.ok()) {
        printError(QString::fromStdString(located(steps.problem)));
        return 2;
    }
    if (rtfPath.isEmpty()) {
        print(stdout, ar::plainText(line) + '\n');
        for (const ar::Line& step : steps.lines)
            print(stdout, ar::plainText(step) + '\n');
        return 0;
    }
    if (!force && QFileInfo::exists(rtfPath)) {
        printError(rtfPath + QStringLiteral(": il file esiste già (--forza per sostituirlo)"));
        return 2;
    }
    std::vector<ar::Line> lines{line};
    lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
    if (const QString problem = exercise::documentLimitProblem(lines); !problem.isEmpty()) {
        printError(rtfPath + QStringLiteral(": ") + problem);
        return 2;
    }
    QString error;
    if (!writeDocumentFile(rtfPath, *exercise::documentOfLines(lines), &error)) {
        printError(rtfPath + QStringLiteral(": ") + error);
        return 2;
    }
    return 0;
}

}  // namespace

std::optional<int> runArithmeticCommand(const QStringList& arguments)
{
    const QString command = arguments.value(0);
    if (command == QLatin1String("--valore")) {
        if (arguments.size() == 3 && arguments[1] == QLatin1String("--"))
            return valueOf(arguments[2]);
        if (arguments.size() != 2)
            return usage(QStringLiteral("--valore vuole una sola espressione"));
        return valueOf(arguments[1]);
    }
    if (command == QLatin1String("--verifica")) {
        QStringList paths = arguments.mid(1);
        if (paths.value(0) == QLatin1String("--"))
            paths.removeFirst();
        if (paths.isEmpty())
            return usage(QStringLiteral("--verifica vuole almeno un file o una cartella"));
        return verify(paths);
    }
    if (command == QLatin1String("--passaggi")) {
        QString expression, rtfPath;
        bool oneOperation = false, force = false, haveExpression = false;
        for (qsizetype i = 1; i < arguments.size(); ++i) {
            const QString& argument = arguments[i];
            if (argument == QLatin1String("--fini")) {
                oneOperation = true;
            } else if (argument == QLatin1String("--forza")) {
                force = true;
            } else if (argument == QLatin1String("--rtf")) {
                if (++i == arguments.size())
                    return usage(QStringLiteral("--rtf vuole il nome del file"));
                rtfPath = arguments[i];
            } else if (argument == QLatin1String("--") && !haveExpression && i + 1 < arguments.size()) {
                expression = arguments[++i];
                haveExpression = true;
            } else if (!haveExpression) {
                expression = argument;
                haveExpression = true;
            } else {
                return usage(QStringLiteral("argomento in più: %1").arg(argument));
            }
        }
        if (!haveExpression)
            return usage(QStringLiteral("--passaggi vuole un'espressione"));
        return steps(expression, oneOperation, rtfPath, force);
    }
    return std::nullopt;
}

}  // namespace quintavia::check
