// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "generate_command.h"

#include "arithmetic/arithmetic.h"
#include "curriculum/generator.h"
#include "document/document_file.h"
#include "exercise/exercise_lines.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <random>

namespace quintavia::check {

namespace {

namespace ar = quintavia::arithmetic;

void print(FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

int fail(const QString& text)
{
    std::fflush(stdout);
    print(stderr, "quintavia-check: " + text.toStdString() + '\n');
    return 2;
}

int usage(const QString& text)
{
    fail(text);
    std::fputs("Prova \"quintavia-check --help\".\n", stderr);
    return 2;
}

// es01.rtf ... es24.rtf: as many digits as the count has, two at least, so that names sort.
QString fileName(int index, int count)
{
    const int width = std::max<int>(2, int(QString::number(count).size()));
    return QStringLiteral("es%1.rtf").arg(index, width, 10, QLatin1Char('0'));
}

}  // namespace

int generateExercises(const GenerateRequest& request)
{
    if (request.level < 1 || request.level > curriculum::kLevels)
        return usage(QStringLiteral("il livello va da 1 a %1").arg(curriculum::kLevels));
    if (request.count < 1 || request.count > curriculum::kMaxCount)
        return usage(QStringLiteral("il numero di esercizi va da 1 a %1").arg(curriculum::kMaxCount));
    std::uint64_t seed = 0;
    if (request.seed) {
        seed = *request.seed;
    } else {
        std::random_device device;
        seed = (std::uint64_t(device()) << 32 | device()) % 1000000;  // short, to copy from the screen
        print(stderr, "seme: " + std::to_string(seed) + '\n');
    }
    const std::vector<std::string> expressions = curriculum::generate(request.level, request.count, seed);
    if (request.folder.isEmpty()) {
        for (const std::string& expression : expressions)
            print(stdout, expression + '\n');
        return 0;
    }
    const QDir folder(request.folder);
    QStringList paths;
    for (int i = 1; i <= request.count; ++i)
        paths << folder.filePath(fileName(i, request.count));
    if (!request.force)
        for (const QString& path : paths)
            if (QFileInfo::exists(path))
                return fail(path + QStringLiteral(": il file esiste già (--forza per sostituirlo)"));
    if (!QDir().mkpath(request.folder))
        return fail(request.folder + QStringLiteral(": la cartella non si può creare"));
    const ar::StepMode mode = request.oneOperation ? ar::StepMode::OneOperation : ar::StepMode::School;
    for (std::size_t i = 0; i < expressions.size(); ++i) {
        const QString& path = paths[qsizetype(i)];
        std::vector<ar::Line> lines{ar::plainLine(expressions[i])};
        const ar::Steps steps = ar::generateSteps(lines.front(), mode, curriculum::kMaxLines);
        if (!steps.ok())
            return fail(path + QStringLiteral(": ") + QString::fromStdString(steps.problem.message));
        lines.insert(lines.end(), steps.lines.begin(), steps.lines.end());
        if (const QString problem = exercise::documentLimitProblem(lines); !problem.isEmpty())
            return fail(path + QStringLiteral(": ") + problem);
        QString error;
        if (!writeDocumentFile(path, *exercise::documentOfLines(lines), &error))
            return fail(path + QStringLiteral(": ") + error);
    }
    return 0;
}

std::optional<int> runGenerateCommand(const QStringList& arguments)
{
    if (arguments.value(0) != QLatin1String("--genera"))
        return std::nullopt;
    GenerateRequest request;
    bool haveLevel = false;
    auto number = [](const QString& text, int& out) {
        bool ok = false;
        out = text.toInt(&ok);
        return ok;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool valued = argument == QLatin1String("--genera") || argument == QLatin1String("--livello")
                            || argument == QLatin1String("--seme") || argument == QLatin1String("--cartella");
        if (valued && i + 1 == arguments.size())
            return usage(QStringLiteral("%1 vuole un valore").arg(argument));
        if (argument == QLatin1String("--genera")) {
            if (!number(arguments[++i], request.count) || request.count < 1 || request.count > curriculum::kMaxCount)
                return usage(QStringLiteral("il numero di esercizi va da 1 a %1, non «%2»")
                                 .arg(curriculum::kMaxCount)
                                 .arg(arguments[i]));
        } else if (argument == QLatin1String("--livello")) {
            haveLevel = true;
            if (!number(arguments[++i], request.level) || request.level < 1 || request.level > curriculum::kLevels)
                return usage(QStringLiteral("il livello va da 1 (Quarta primaria) a %1 (Terza media), non «%2»")
                                 .arg(curriculum::kLevels)
                                 .arg(arguments[i]));
        } else if (argument == QLatin1String("--seme")) {
            bool ok = false;
            const QString text = arguments[++i];
            const qulonglong seed = text.toULongLong(&ok, 10);
            if (!ok || text.startsWith(QLatin1Char('+')))
                return usage(QStringLiteral("il seme è un numero intero da 0 a 18446744073709551615, non «%1»")
                                 .arg(text));
            request.seed = seed;
        } else if (argument == QLatin1String("--cartella")) {
            request.folder = arguments[++i];
        } else if (argument == QLatin1String("--fini")) {
            request.oneOperation = true;
        } else if (argument == QLatin1String("--forza")) {
            request.force = true;
        } else {
            return usage(QStringLiteral("argomento sconosciuto: %1").arg(argument));
        }
    }
    if (!haveLevel)
        return usage(QStringLiteral("--genera vuole --livello (da 1 a %1)").arg(curriculum::kLevels));
    return generateExercises(request);
}

}  // namespace quintavia::check
