// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArrayView>
#include <QString>
#include <QTextDocument>

#include <memory>

namespace quintavia::rtf {

// Files larger than this are refused rather than read.
inline constexpr qsizetype kMaxFileSizeMiB = 16;
inline constexpr qsizetype kMaxFileSize = kMaxFileSizeMiB * 1024 * 1024;
// Documents with more lines are refused, as each costs memory and time: a sanity limit of the
// reader, far above the lines an exercise written by this program holds.
inline constexpr int kMaxReadLines = 10000;
inline constexpr int kMaxLineLength = 10000;   // characters in one line
inline constexpr int kMaxCharacters = 200000;  // characters in the whole document

// The reason given for a file over kMaxFileSize.
QString tooBigMessage();

struct ReadResult {
    std::unique_ptr<QTextDocument> document;  // null on failure
    QString error;                            // Italian reason when document is null
    bool ok() const { return document != nullptr; }
};

// Reads Rich Text Format as written by the Windows rich-edit control, WordPad, Word, LibreOffice
// and pandoc. One line of text becomes one block; the \info group's subject and keywords become
// the document's documentInfo(). Never throws; time is linear in the input.
ReadResult read(QByteArrayView bytes);

}  // namespace quintavia::rtf
