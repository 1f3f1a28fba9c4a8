// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace quintavia {

// Whose file dialogs: the pupil's in the solver, the teacher's (open and save alike) in the editor.
enum class FolderUse { Pupil, Teacher };

// The collection of exercises installed with the program (share/quintavia/esercizi beside the
// program's prefix; in the build tree, the repository's esercizi/). Empty when there is none.
QString collectionFolder();

// Where a dialog of `use` starts: the last folder of that use, if it still exists; else the
// collection for the pupil and the user's documents for the teacher.
QString startFolder(FolderUse use);

// Keeps the folder of `chosenFile` as the last of `use`. The last folders are the only settings
// the program keeps (QSettings, organization "Quintavia"); a settings file that is missing or
// cannot be read or written only means starting from the defaults.
void rememberFolder(FolderUse use, const QString& chosenFile);

}  // namespace quintavia
