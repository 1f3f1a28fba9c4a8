// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/program.h"

#include "cli/command.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace quintavia::cli {

namespace {

// Only the command's own diagnostics go to stderr, not Qt's remarks about the session it runs in.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
}

const Command& commandNamed(const QString& name)
{
    for (const Command& command : commands())
        if (*command.name && name == QString::fromUtf8(command.name))
            return command;
    return commands().front();
}

}  // namespace

int run(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Output output;
    if (arguments.isEmpty()) {
        Output help(stderr, stderr);
        help.print(programHelp());
        return 2;
    }
    if (arguments.constFirst() == QLatin1String("--version")) {
        output.print(std::string_view("quintavia-check (Quintavia) " QUINTAVIA_VERSION "\n"));
        return output.finish(0);
    }
    const Command& command = commandNamed(arguments.constFirst());
    if (*command.name)
        arguments.removeFirst();

    Invocation invocation;
    int stop = 0;
    if (!parseArguments(command, arguments, invocation, output, stop))
        return output.finish(stop);

    std::unique_ptr<QCoreApplication> application;
    if (command.needsFonts) {
        // A PDF needs fonts but no screen: the same with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQt);
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    return output.finish(command.run(invocation, output));
}

}  // namespace quintavia::cli
