// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: where the class's records are kept, if anywhere.
#include <QString>

namespace quintavia {

// The class folder: the one given on the command line for this run, else the teacher's setting
// (QSettings "classe/cartella", which a lab may also set system-wide). Empty: none, and each
// account keeps its own record.
QString classFolder();
// `quintavia --classe CARTELLA`: for this run only, never kept.
void setClassFolderForThisRun(const QString& folder);
// The teacher's setting, as the editor shows and changes it.
QString classFolderSetting();
void setClassFolderSetting(const QString& folder);

}  // namespace quintavia
