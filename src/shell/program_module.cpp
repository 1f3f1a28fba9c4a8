// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/program_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace quintavia {

QStringList programModulePaths(const QString& fileName)
{
    const QString here = QCoreApplication::applicationDirPath();
    return {here + u'/' + fileName, QDir::cleanPath(here + QStringLiteral("/" QUINTAVIA_MODULE_DIR "/") + fileName)};
}

QFunctionPointer resolveModuleFunction(const QStringList& paths, const char* symbol, QString* why)
{
    QStringList errors;
    for (const QString& path : paths) {
        QLibrary module(path);
        if (QFunctionPointer function = module.resolve(symbol))
            return function;
        errors << module.errorString();
    }
    if (why)
        *why = errors.join(QStringLiteral("; "));
    return nullptr;
}

}  // namespace quintavia
