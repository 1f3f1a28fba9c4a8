// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/record_module.h"

#include "record/store.h"
#include "shell/program_module.h"

namespace quintavia {

namespace {

constexpr char kModule[] = "quintavia-record.so";

}  // namespace

void useRecordModule(const QStringList& paths)
{
    record::setStoreMaker([paths](QString& problem) -> std::unique_ptr<record::Store> {
        using Make = record::Store* (*)();
        QString why;
        if (auto make = reinterpret_cast<Make>(resolveModuleFunction(paths, "quintavia_make_record_store", &why)))
            return std::unique_ptr<record::Store>(make());
        qWarning("quintavia: registro non disponibile: %s", qUtf8Printable(why));
        problem = QStringLiteral("il modulo %1 non si può caricare").arg(QLatin1String(kModule));
        return nullptr;
    });
}

void useRecordModule()
{
    useRecordModule(programModulePaths(QLatin1String(kModule)));
}

}  // namespace quintavia
