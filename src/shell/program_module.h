// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: where the program's loadable modules are, and how one function is found in one.
#include <QFunctionPointer>
#include <QStringList>

namespace quintavia {

// Where the module `fileName` is looked for: beside the executable (the build tree), then in the
// installed module folder.
QStringList programModulePaths(const QString& fileName);

// The function `symbol` of the first of `paths` that loads; nullptr when none does, with the
// loader's reasons in `why`. A module that loads is never unloaded: what it makes lives until the
// program ends.
QFunctionPointer resolveModuleFunction(const QStringList& paths, const char* symbol, QString* why);

}  // namespace quintavia
