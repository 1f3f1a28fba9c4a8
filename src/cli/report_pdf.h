// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "record/summary.h"

#include <QByteArray>
#include <QStringList>

namespace quintavia::cli {

// The class folder's name, or the names of the records given.
QString reportTitle(const QStringList& inputs);

// The printed report (PDF, A4, in the sheets' font): a page for the class with a bar chart of the
// categories and a table of pupils, then a short section a pupil with their own chart.
QByteArray reportPdf(const QString& title, const record::ClassSummary& summary);

}  // namespace quintavia::cli
