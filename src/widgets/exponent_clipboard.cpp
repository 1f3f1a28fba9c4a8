// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/exponent_clipboard.h"

#include "document/char_format.h"

#include <QList>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace quintavia {

namespace {

constexpr char16_t kSuperscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Every character of `document`, lines joined by "\n", with `raisedDigit` in place of raised digits.
template <typename RaisedDigit> QString walk(const QTextDocument& document, RaisedDigit raisedDigit)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text += u'\n';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const bool raised = effectiveRaise(it.fragment().charFormat()) > 0;
            for (QChar c : it.fragment().text())
                text += raised && isAsciiDigit(c) ? raisedDigit(c) : c;
        }
    }
    // Soft line breaks (<br>, Shift+Enter) are line breaks too; word processors' fixed blanks are blanks.
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::Nbsp, u' ');
    return text;
}

}  // namespace

QChar superscriptOf(QChar digit)
{
    return isAsciiDigit(digit) ? QChar(kSuperscripts[digit.unicode() - u'0']) : digit;
}

QString plainTextWithSuperscripts(const QTextDocument& document)
{
    return walk(document, superscriptOf);
}

QString htmlWithSuperscripts(const QTextDocument& document)
{
    // Our raise is a baseline offset, which HTML does not carry: readers see superscript instead.
    QTextDocument copy;
    copy.setDefaultFont(document.defaultFont());
    QTextCursor(&copy).insertFragment(QTextDocumentFragment(&document));
    struct Raised {
        int position;
        int length;
        QTextCharFormat format;
    };
    QList<Raised> raised;  // gathered first: changing a format may merge the fragments walked
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextCharFormat format = it.fragment().charFormat();
            if (effectiveRaise(format) <= 0
                || format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
                continue;
            setRaise(format, 0);
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            raised.append({it.fragment().position(), it.fragment().length(), format});
        }
    }
    QTextCursor cursor(&copy);
    for (const Raised& run : raised) {
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    return copy.toHtml();
}

QMimeData* mimeDataWithExponents(const QTextDocumentFragment& selection)
{
    QTextDocument document;
    QTextCursor(&document).insertFragment(selection);
    auto* data = new QMimeData;
    data->setHtml(htmlWithSuperscripts(document));
    data->setText(plainTextWithSuperscripts(document));
    return data;
}

QString textToPaste(const QMimeData& source)
{
    if (source.hasHtml()) {
        QTextDocument document;
        document.setHtml(source.html());
        // Superscript characters typed or pasted become raised digits; a raised digit becomes one.
        const QString text = walk(document, superscriptOf);
        if (!text.isEmpty() || !source.hasText())
            return text;
    }
    QString text = source.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    text.replace(QChar::Nbsp, u' ');
    return text;
}

}  // namespace quintavia
