// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace quintavia::check {

// What --genera asks for.
struct GenerateRequest {
    int count = 0;
    int level = 0;
    std::optional<std::uint64_t> seed;  // drawn, and said on stderr, when none
    QString folder;                     // empty: the expressions are printed
    bool oneOperation = false;          // --fini
    bool force = false;                 // --forza
};

// Prints `count` fresh expressions of the level, one a line, or writes them with their chains as
// FOLDER/es01.rtf ... (as --passaggi --rtf writes one); replaces files only with `force`, else
// writes nothing when one exists. Returns the exit status.
int generateExercises(const GenerateRequest& request);

// Runs --genera N --livello L [--seme S] [--cartella DIR] [--fini] [--forza] when the arguments
// (program name excluded) start with --genera; returns the exit status, or nothing otherwise.
std::optional<int> runGenerateCommand(const QStringList& arguments);

}  // namespace quintavia::check
