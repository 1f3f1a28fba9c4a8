// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"

#include "arithmetic/arithmetic.h"
#include "arithmetic/limits.h"
#include "curriculum/exercise_chain.h"
#include "curriculum/generator.h"
#include "curriculum/levels.h"
#include "curriculum/seed.h"
#include "curriculum/themes.h"

#include <QDir>
#include <QFileInfo>

namespace quintavia::cli {

namespace {

namespace ar = quintavia::arithmetic;

// es01.rtf ... es24.rtf: as many digits as the count has, two at least, so that names sort.
QString fileName(int index, int count)
{
    const int width = std::max<int>(2, int(QString::number(count).size()));
    return QStringLiteral("es%1.rtf").arg(index, width, 10, QLatin1Char('0'));
}

std::optional<int> numberIn(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= lowest && number <= highest ? std::optional<int>(number) : std::nullopt;
}

// Each exercise with its chain, as --passaggi --rtf writes one, and in its document information
// what made it (`origin`, numbered from 1). Nothing is written when a file is there already,
// unless `force`.
int writeExercises(const QString& folderPath, const std::vector<std::string>& expressions, ExerciseOrigin origin,
                   ar::StepMode mode, bool force, Output& output)
{
    const QDir folder(folderPath);
    const int count = int(expressions.size());
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << folder.filePath(fileName(i, count));
    if (!force)
        for (const QString& path : paths)
            if (QFileInfo::exists(path)) {
                output.complain(path + QStringLiteral(": il file esiste già (--forza per sostituirlo)"));
                return 2;
            }
    if (!QDir().mkpath(folderPath)) {
        output.complain(folderPath + QStringLiteral(": la cartella non si può creare"));
        return 2;
    }
    for (int i = 0; i < count; ++i) {
        const std::vector<ar::Line> lines = curriculum::exerciseLines(expressions[std::size_t(i)], mode);
        origin.number = i + 1;
        const QString error = lines.empty()
                                  ? QStringLiteral("i passaggi non stanno in %1 righe").arg(ar::kMaxExerciseLines)
                                  : writeExercise(paths[i], lines, generatedInfo(origin));
        if (!error.isEmpty()) {
            output.complain(paths[i] + QStringLiteral(": ") + error);
            return 2;
        }
    }
    return 0;
}

}  // namespace

int runGenerate(const Invocation& invocation, Output& output)
{
    const QString help = QStringLiteral("quintavia-check --genera");
    const std::optional<int> count = numberIn(invocation.operands[0], 1, curriculum::kMaxCount);
    if (!count)
        return output.usage(QStringLiteral("il numero di esercizi va da 1 a %1, non «%2»")
                                .arg(curriculum::kMaxCount)
                                .arg(invocation.operands[0]),
                            help);
    QString refusal;
    const std::optional<int> level = levelOf(invocation, refusal);
    if (!level)
        return output.usage(refusal, help);
    std::uint64_t seed = 0;
    if (invocation.has("--seme")) {
        bool ok = false;
        const QString text = invocation.value("--seme");
        seed = text.toULongLong(&ok, 10);
        if (!ok || text.startsWith(QLatin1Char('+')))
            return output.usage(
                QStringLiteral("il seme è un numero intero da 0 a 18446744073709551615, non «%1»").arg(text), help);
    } else {
        seed = curriculum::freshSeed() % 1000000;  // short, to copy from the screen
        output.warn(QStringLiteral("seme: %1").arg(seed));
    }
    std::vector<std::string> expressions;
    if (invocation.has("--tema")) {
        const curriculum::Theme* theme = curriculum::themeNamed(invocation.value("--tema").toStdString());
        if (!theme)
            return output.usage(QStringLiteral("il tema è parentesi, ordine, potenze, segni o frazioni, non «%1»")
                                    .arg(invocation.value("--tema")),
                                help);
        try {
            expressions = curriculum::generateOnTheme(*level, *theme, *count, seed);
        } catch (const std::invalid_argument& refused) {
            return output.usage(QString::fromStdString(refused.what()), help);
        }
    } else {
        expressions = curriculum::generate(*level, *count, seed);
    }
    if (!invocation.has("--cartella")) {
        for (const std::string& expression : expressions)
            output.print(expression + '\n');
        return 0;
    }
    const ExerciseOrigin origin{*level, invocation.has("--tema") ? invocation.value("--tema") : QString(), seed, 0};
    return writeExercises(invocation.value("--cartella"), expressions, origin,
                          invocation.has("--fini") ? ar::StepMode::OneOperation : curriculum::level(*level).steps,
                          invocation.has("--forza"), output);
}

}  // namespace quintavia::cli
