// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "cli/output.h"

#include <QHash>
#include <QStringList>

#include <vector>

namespace quintavia::cli {

// One option of a command: a flag ("--fini") when `value` is empty, else it takes one ("--rtf
// FILE", also written "--rtf=FILE").
struct Option {
    const char* name;
    const char* value;
    const char* help;
    bool required = false;
};

// What the command line asked for, once parsed against a command's declaration.
struct Invocation {
    QStringList operands;
    QHash<QString, QString> options;  // flags map to an empty string

    bool has(const char* option) const { return options.contains(QLatin1String(option)); }
    QString value(const char* option) const { return options.value(QLatin1String(option)); }
};

// A command of quintavia-check, declared once: the parser, the usage line and its --help all come
// from here. Texts are UTF-8.
struct Command {
    const char* name;          // "--valore"; empty for the plain listing of files
    const char* operands;      // "ESPRESSIONE", "FILE|CARTELLA..."
    int minOperands;
    int maxOperands;           // -1: no limit
    const char* operandsWanted;  // "--valore vuole <this>" when the count is wrong
    std::vector<Option> options;
    const char* description;   // the paragraph of its --help
    bool needsFonts = false;   // it draws (a PDF): a GUI application on the offscreen platform
    int (*run)(const Invocation&, Output&) = nullptr;
};

// Every command, the plain listing first.
const std::vector<Command>& commands();

// "Uso: quintavia-check --passaggi ESPRESSIONE [--fini] [--rtf FILE] [--forza]" and the rest.
QString usageLine(const Command& command);
QString commandHelp(const Command& command);
QString programHelp();

// The arguments after the command's name. On a wrong command line, or for --help, prints and
// returns the exit status in `stop`.
bool parseArguments(const Command& command, const QStringList& arguments, Invocation& invocation,
                    Output& output, int& stop);

}  // namespace quintavia::cli
