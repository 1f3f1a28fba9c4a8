// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: which pupils' names make a safe file name in a class folder.
#include <QString>

namespace quintavia::record {

inline constexpr int kMaxNameLength = 40;
// A record's file name ends so; nothing else in a class folder is taken for one.
inline constexpr char kRecordSuffix[] = ".registro";

// A name as typed, checked. Blanks are trimmed and runs of them made one; "’" becomes "'".
// Refused (a reason in Italian, e.g. "il nome è vuoto"): an empty name, more than kMaxNameLength
// characters, characters other than letters, digits, blanks, "'", "-", "_" and ".", a name that
// does not begin with a letter or a digit or ends with ".", and the names Windows keeps for its
// devices (CON, NUL, COM1 ...), which a school's network share cannot hold. So a name never leads
// outside its folder ("../x", "/" are refused). Names that differ only in case are one pupil: the
// file name is the name in lower case.
struct PupilName {
    QString name;      // as it is shown: the checked name
    QString fileName;  // "anna rossi.registro"; empty when refused
    QString problem;   // why it is refused; empty when accepted

    bool ok() const { return problem.isEmpty(); }
};

PupilName checkPupilName(const QString& typed);

}  // namespace quintavia::record
