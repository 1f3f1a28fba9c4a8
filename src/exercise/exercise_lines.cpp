// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercise_lines.h"

#include "document/char_format.h"
#include "document/rtf_reader.h"

#include <QTextCursor>

namespace quintavia::exercise {

bool isRaised(const QTextCharFormat& format)
{
    return effectiveRaise(format) > 0;
}

std::vector<arithmetic::Line> linesOfBlock(const QTextBlock& block)
{
    std::vector<arithmetic::Line> lines(1);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const bool raised = isRaised(fragment.charFormat());
        const QString text = fragment.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            char32_t code = text.at(i).unicode();
            if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
                ++i;
            }
            if (code == QChar::LineSeparator || code == QChar::ParagraphSeparator)
                lines.emplace_back();
            else
                lines.back().push_back({code, raised});
        }
    }
    return lines;
}

std::vector<arithmetic::Line> linesOfDocument(const QTextDocument& document)
{
    std::vector<arithmetic::Line> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (arithmetic::Line& line : linesOfBlock(block))
            lines.push_back(std::move(line));
    return lines;
}

void insertLine(QTextCursor& cursor, const arithmetic::Line& line)
{
    const QTextCharFormat ordinary = baseCharFormat();
    const QTextCharFormat exponent = exponentCharFormat();
    // One insertion per run of equally formatted characters.
    for (std::size_t start = 0; start < line.size();) {
        std::size_t end = start;
        QString run;
        while (end < line.size() && line[end].raised == line[start].raised) {
            const char32_t c = line[end++].code;
            run += QString::fromUcs4(&c, 1);
        }
        cursor.insertText(run, line[start].raised ? exponent : ordinary);
        start = end;
    }
}

QString documentLimitProblem(const std::vector<arithmetic::Line>& lines)
{
    if (lines.size() > std::size_t(rtf::kMaxLines))
        return QStringLiteral("troppe righe: %1, ma un esercizio ne tiene al massimo %2")
            .arg(lines.size())
            .arg(rtf::kMaxLines);
    std::size_t characters = 0;
    for (const arithmetic::Line& line : lines) {
        if (line.size() > std::size_t(rtf::kMaxLineLength))
            return QStringLiteral("una riga troppo lunga: più di %1 caratteri").arg(rtf::kMaxLineLength);
        characters += line.size();
    }
    if (characters > std::size_t(rtf::kMaxCharacters))
        return QStringLiteral("testo troppo lungo: più di %1 caratteri").arg(rtf::kMaxCharacters);
    return {};
}

std::unique_ptr<QTextDocument> documentOfLines(const std::vector<arithmetic::Line>& lines)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(exerciseFont());
    const QTextCharFormat ordinary = baseCharFormat();
    QTextCursor cursor(document.get());
    cursor.setBlockCharFormat(ordinary);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), ordinary);
        insertLine(cursor, lines[i]);
    }
    return document;
}

}  // namespace quintavia::exercise
