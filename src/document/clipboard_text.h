// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace quintavia {

enum class ClipboardAfter {
    KeepText,  // the solver: clear, put, read back; the clipboard keeps the text
    Clear,     // the editor: put, read back, clear; the clipboard is left empty
};

// Takes `text` through the system clipboard as plain text and returns what was read back. When the
// clipboard cannot be used, or gives back anything but the text put on it, the text itself is
// returned, so the caller always gets exactly `text`.
QString passThroughClipboard(const QString& text, ClipboardAfter after);

}  // namespace quintavia
