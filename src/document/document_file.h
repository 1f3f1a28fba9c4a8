// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/rtf_reader.h"

#include <QString>
#include <QTextDocument>

namespace quintavia {

// Reads an exercise document from disk; on failure the result carries an Italian reason.
rtf::ReadResult readDocumentFile(const QString& path);

// Saves atomically: an existing file is replaced only once the new one is completely written.
bool writeDocumentFile(const QString& path, const QTextDocument& document, QString* error);

// The same for any content (a printed sheet): on any failure the old file, if any, stays as it was
// and `error` says why in Italian.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Why a file call failed with errno `error`, in Italian ("spazio esaurito sul disco"); empty for
// an errno with no words of its own.
QString fileErrorCause(int error);

// The document's plain text as the program sees it: blocks joined with "\r\n", every character as
// typed (no-break spaces, raised digits in line).
QString plainText(const QTextDocument& document);

}  // namespace quintavia
