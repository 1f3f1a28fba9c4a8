// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutor/choice.h"

#include "curriculum/generator.h"
#include "curriculum/levels.h"
#include "curriculum/themes.h"

#include <algorithm>
#include <map>

namespace quintavia::tutor {

namespace {

bool perfect(const record::ExerciseRecord& exercise)
{
    return exercise.finished() && exercise.errors() == 0 && exercise.helps() == 0;
}

bool struggled(const record::ExerciseRecord& exercise)
{
    return exercise.errors() + exercise.helps() >= 3;
}

int levelFrom(const std::vector<record::ExerciseRecord>& exercises)
{
    const auto known = std::find_if(exercises.begin(), exercises.end(), [](const auto& e) { return e.info.level > 0; });
    int level = known == exercises.end() ? 1 : known->info.level;
    std::vector<int> rows(levelRules().size(), 0);
    for (const record::ExerciseRecord& exercise : exercises) {
        if (exercise.info.level > 0 && exercise.info.level != level) {
            level = exercise.info.level;  // the pupil opened another level: it counts afresh
            std::fill(rows.begin(), rows.end(), 0);
        }
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = levelRules()[i].counts(exercise) ? rows[i] + 1 : 0;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i] == levelRules()[i].inARow) {
                level = std::clamp(level + levelRules()[i].change, 1, curriculum::kLevels);
                std::fill(rows.begin(), rows.end(), 0);
                break;
            }
    }
    return std::clamp(level, 1, curriculum::kLevels);
}

const curriculum::Theme* themeFrom(const std::vector<record::ExerciseRecord>& exercises, int level)
{
    std::map<QString, int> errors;
    const std::size_t from = exercises.size() > kThemeWindow ? exercises.size() - kThemeWindow : 0;
    for (std::size_t i = from; i < exercises.size(); ++i)
        for (const auto& [category, count] : exercises[i].errorsByCategory())
            errors[category] += count;
    const curriculum::Theme* best = nullptr;
    int most = 0;
    for (const curriculum::Theme& theme : curriculum::themes()) {
        const int count = errors[QString::fromUtf8(theme.category.data(), qsizetype(theme.category.size()))];
        if (theme.atLevel(level) && count > most) {
            best = &theme;
            most = count;
        }
    }
    return best;
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

}  // namespace

const std::vector<LevelRule>& levelRules()
{
    static const std::vector<LevelRule> rules{
        {"finiti senza errori e senza aiuti", 3, +1, perfect},
        {"con tre o più errori e aiuti", 2, -1, struggled},
    };
    return rules;
}

Choice choose(const std::vector<record::ExerciseRecord>& exercises)
{
    Choice choice;
    choice.level = levelFrom(exercises);
    const curriculum::Theme* theme = themeFrom(exercises, choice.level);
    if (theme) {
        choice.theme = text(theme->name);
        choice.reason = QStringLiteral("Allenati con %1 - livello %2").arg(text(theme->practice)).arg(choice.level);
    } else {
        choice.reason = QStringLiteral("Un esercizio per te - livello %1").arg(choice.level);
    }
    return choice;
}

NextExercise nextExercise(const std::vector<record::ExerciseRecord>& exercises, std::uint64_t seed)
{
    NextExercise next{choose(exercises), {}, seed};
    const curriculum::Theme* theme = curriculum::themeNamed(next.choice.theme.toStdString());
    next.expression = theme ? curriculum::generateOnTheme(next.choice.level, *theme, 1, seed).front()
                            : curriculum::generate(next.choice.level, 1, seed).front();
    return next;
}

}  // namespace quintavia::tutor
