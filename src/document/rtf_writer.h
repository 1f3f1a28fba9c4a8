// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QTextDocument>

namespace quintavia::rtf {

// Writes the document in the rich-edit control's style: one \par after every block, font, size,
// bold, colour and raise of every run kept; the document information (documentInfo()), when it
// has any, in an \info group.
QByteArray write(const QTextDocument& document);

}  // namespace quintavia::rtf
