// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

namespace quintavia::cli {

// One exercise file to read: the path to open, and its name within the folder it was found in
// (the path as given for a file named on the command line).
struct ExerciseFile {
    QString path;
    QString name;
};

// The .rtf files of a folder and its subfolders, in the order a person reads names ("es2" before
// "es10", letter case aside). Hidden files and folders are left out; a link is followed, but no
// folder is read twice, so a link that loops back ends there.
QList<ExerciseFile> folderExercises(const QString& folder);

// Files as given, in the order given; each folder replaced by its exercises as above.
QList<ExerciseFile> exerciseFiles(const QStringList& inputs);

}  // namespace quintavia::cli
