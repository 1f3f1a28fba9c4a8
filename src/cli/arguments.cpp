// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command.h"

namespace quintavia::cli {

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString helpCommand(const Command& command)
{
    return QStringLiteral("quintavia-check %1").arg(text(command.name)).trimmed();
}

// Only "--word" and "-h" are options: an expression may start with a minus sign ("-1/2 + 3").
bool isOption(const QString& argument)
{
    return (argument.startsWith(QLatin1String("--")) && argument.size() > 2) || argument == QLatin1String("-h");
}

const Option* findOption(const Command& command, const QString& name)
{
    for (const Option& option : command.options)
        if (name == text(option.name))
            return &option;
    return nullptr;
}

QString optionWithValue(const Option& option)
{
    return *option.value ? text(option.name) + QLatin1Char(' ') + text(option.value) : text(option.name);
}

}  // namespace

QString usageLine(const Command& command)
{
    QString line = QStringLiteral("quintavia-check");
    for (const char* part : {command.name, command.operands})
        if (*part)
            line += QLatin1Char(' ') + text(part);
    for (const Option& option : command.options)
        line += option.required ? QLatin1Char(' ') + optionWithValue(option)
                                : QStringLiteral(" [%1]").arg(optionWithValue(option));
    return line;
}

QString commandHelp(const Command& command)
{
    QString help = QStringLiteral("Uso: %1\n\n%2\n").arg(usageLine(command), text(command.description));
    QStringList names{QStringLiteral("--help")};
    for (const Option& option : command.options)
        names << optionWithValue(option);
    qsizetype width = 0;
    for (const QString& name : names)
        width = std::max(width, name.size());
    help += QLatin1Char('\n');
    for (std::size_t i = 0; i < command.options.size(); ++i)
        help += QStringLiteral("  %1  %2\n").arg(names[qsizetype(i) + 1], -int(width)).arg(text(command.options[i].help));
    help += QStringLiteral("  %1  mostra questo aiuto\n").arg(names[0], -int(width));
    return help;
}

QString programHelp()
{
    QString help;
    for (const Command& command : commands())
        help += (help.isEmpty() ? QStringLiteral("Uso: ") : QStringLiteral("  oppure: ")) + usageLine(command)
                + QLatin1Char('\n');
    help += QLatin1Char('\n') + text(commands().front().description) + QLatin1Char('\n');
    for (const Command& command : commands()) {
        if (!*command.name)
            continue;
        QString paragraph = text(command.description);
        paragraph.replace(QLatin1Char('\n'), QLatin1String("\n    "));
        help += QStringLiteral("\n%1 %2\n    %3\n").arg(text(command.name), text(command.operands), paragraph);
    }
    help += QStringLiteral("\nOgni comando spiega le sue opzioni con --help (\"quintavia-check --scheda --help\").\n"
                           "  --help       mostra questo aiuto\n"
                           "  --version    mostra la versione\n");
    return help;
}

bool parseArguments(const Command& command, const QStringList& arguments, Invocation& invocation,
                    Output& output, int& stop)
{
    const QString help = helpCommand(command);
    bool onlyOperands = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!onlyOperands && argument == QLatin1String("--")) {
            onlyOperands = true;
            continue;
        }
        if (onlyOperands || !isOption(argument)) {
            invocation.operands << argument;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            output.print(*command.name ? commandHelp(command) : programHelp());
            stop = 0;
            return false;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.left(equals);
        const Option* option = findOption(command, name);
        if (!option) {
            stop = output.usage(QStringLiteral("opzione sconosciuta: %1").arg(name), help);
            return false;
        }
        if (!*option->value) {
            if (equals >= 0) {
                stop = output.usage(QStringLiteral("%1 non vuole un valore").arg(name), help);
                return false;
            }
            invocation.options.insert(name, QString());
        } else if (equals >= 0) {
            invocation.options.insert(name, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            invocation.options.insert(name, arguments[++i]);
        } else {
            stop = output.usage(QStringLiteral("%1 vuole %2").arg(name, text(option->value)), help);
            return false;
        }
    }
    const qsizetype count = invocation.operands.size();
    if (command.maxOperands >= 0 && count > command.maxOperands) {
        stop = output.usage(QStringLiteral("argomento in più: %1").arg(invocation.operands[command.maxOperands]), help);
        return false;
    }
    if (count < command.minOperands) {
        stop = output.usage(QStringLiteral("%1 vuole %2").arg(*command.name ? text(command.name) : help,
                                                            text(command.operandsWanted)),
                            help);
        return false;
    }
    for (const Option& option : command.options) {
        if (option.required && !invocation.has(option.name)) {
            stop = output.usage(QStringLiteral("%1: manca %2").arg(text(command.name), optionWithValue(option)), help);
            return false;
        }
    }
    return true;
}

}  // namespace quintavia::cli
