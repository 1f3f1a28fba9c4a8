// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quintavia {

QString passThroughClipboard(const QString& text, ClipboardAfter after)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return text;
    if (after == ClipboardAfter::KeepText)
        clipboard->clear();
    clipboard->setText(text);
    QString readBack;
    const QMimeData* data = clipboard->mimeData();
    if (data && data->hasText())
        readBack = clipboard->text();
    if (after == ClipboardAfter::Clear)
        clipboard->clear();
    // Another program may hold or rewrite the clipboard; the text itself is what counts.
    return readBack == text ? readBack : text;
}

}  // namespace quintavia
