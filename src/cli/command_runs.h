// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "cli/command.h"

#include "arithmetic/line.h"
#include "document/document_info.h"

#include <optional>
#include <vector>

// The commands' bodies, one file each; commands.cpp declares them.
namespace quintavia::cli {

int runListing(const Invocation& invocation, Output& output);
int runValue(const Invocation& invocation, Output& output);
int runVerify(const Invocation& invocation, Output& output);
int runSteps(const Invocation& invocation, Output& output);
int runSheet(const Invocation& invocation, Output& output);
int runGenerate(const Invocation& invocation, Output& output);
int runDiagnosis(const Invocation& invocation, Output& output);
int runReport(const Invocation& invocation, Output& output);
int runNext(const Invocation& invocation, Output& output);
int runSolve(const Invocation& invocation, Output& output);

// Writes an exercise of these lines (the expression, then its chain) as the editor saves one,
// with the document information given; empty when written, else why not.
QString writeExercise(const QString& path, const std::vector<arithmetic::Line>& lines, const DocumentInfo& info = {});

// The level of --livello, 1 to kLevels; none, with `refusal` saying why, for anything else.
std::optional<int> levelOf(const Invocation& invocation, QString& refusal);

// A generated exercise's document information: the level's name and what made the exercise.
DocumentInfo generatedInfo(const ExerciseOrigin& origin);

// "colonna 5: manca una parentesi chiusa", or the message alone when it has no column.
QString located(int column, const std::string& message);

}  // namespace quintavia::cli
