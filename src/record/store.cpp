// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/store.h"

#include <mutex>
#include <optional>

namespace quintavia::record {

namespace {

struct Made {
    std::mutex mutex;
    StoreMaker make;
    std::optional<std::unique_ptr<Store>> store;  // empty until the first call
    QString problem;
};

Made& made()
{
    static Made kept;
    return kept;
}

}  // namespace

void setStoreMaker(StoreMaker make)
{
    Made& kept = made();
    const std::lock_guard lock(kept.mutex);
    kept.make = std::move(make);
    kept.store.reset();
    kept.problem.clear();
}

Store* store(QString& problem)
{
    Made& kept = made();
    const std::lock_guard lock(kept.mutex);
    if (!kept.store) {
        kept.store = kept.make ? kept.make(kept.problem) : nullptr;
        if (!*kept.store && kept.problem.isEmpty())
            kept.problem = QStringLiteral("il programma non sa dove tenere il registro");
    }
    problem = kept.problem;
    return kept.store->get();
}

}  // namespace quintavia::record
