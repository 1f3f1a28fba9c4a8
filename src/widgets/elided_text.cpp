// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elided_text.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

namespace quintavia {

namespace {

int lineCount(const QTextDocument& document)
{
    document.documentLayout()->documentSize();  // lays the text out, which is done lazily
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines += block.layout() ? block.layout()->lineCount() : 1;
    return lines;
}

// The first `keep` characters of `whole` and "…", laid out as `whole` is.
std::unique_ptr<QTextDocument> shortened(const QTextDocument& whole, int keep)
{
    std::unique_ptr<QTextDocument> document(whole.clone());
    document->setDefaultFont(whole.defaultFont());
    document->setDocumentMargin(whole.documentMargin());
    document->setTextWidth(whole.textWidth());
    QTextCursor cursor(document.get());
    cursor.setPosition(keep);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    // The ellipsis in the format of the text before it.
    cursor.insertText(QString(QChar(0x2026)));
    return document;
}

}  // namespace

QString elidedRichText(const QString& html, const QFont& font, int width, int lines, bool* cut)
{
    if (cut)
        *cut = false;
    QTextDocument whole;
    whole.setDefaultFont(font);
    whole.setDocumentMargin(0);
    whole.setHtml(html);
    whole.setTextWidth(width);
    if (lineCount(whole) <= lines)
        return html;
    // The longest beginning that fits with its ellipsis.
    int fits = 0;
    int tooLong = whole.characterCount() - 1;
    while (tooLong - fits > 1) {
        const int middle = (fits + tooLong) / 2;
        (lineCount(*shortened(whole, middle)) <= lines ? fits : tooLong) = middle;
    }
    if (cut)
        *cut = true;
    return shortened(whole, fits)->toHtml();
}

}  // namespace quintavia
