// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_info.h"

#include "document/document_file.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <limits>

namespace quintavia {

namespace {

// Kept on the document itself, so that it travels wherever the document goes.
constexpr const char* kSubject = "quintaviaInfoSubject";
constexpr const char* kKeywords = "quintaviaInfoKeywords";
constexpr const char* kLinesSetFor = "quintaviaInfoLines";

// Digits only, and a number that fits `highest`.
std::optional<quint64> numberOf(const QString& text, quint64 highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
    bool ok = false;
    const quint64 number = digits.match(text).hasMatch() ? text.toULongLong(&ok) : 0;
    return ok && number <= highest ? std::optional<quint64>(number) : std::nullopt;
}

}  // namespace

DocumentInfo documentInfo(const QTextDocument& document)
{
    DocumentInfo info{document.property(kSubject).toString(), document.property(kKeywords).toString()};
    if (info.keywords.isEmpty() || document.property(kLinesSetFor).toString() == plainText(document))
        return info;
    if (std::optional<ExerciseOrigin> origin = originOf(info.keywords)) {
        origin->seed.reset();
        origin->number = 0;
        info.keywords = originKeywords(*origin);
    }
    return info;
}

namespace {

void keep(QTextDocument& document, const InfoSnapshot& snapshot)
{
    document.setProperty(kSubject, snapshot.info.subject.left(kMaxInfoLength));
    document.setProperty(kKeywords, snapshot.info.keywords.left(kMaxInfoLength));
    document.setProperty(kLinesSetFor, snapshot.lines);
}

// Undone and redone with the lines' own edits; it names the lines each information is for, since
// the lines' edits may be undone before or after it.
class InfoChange : public QAbstractUndoItem {
public:
    InfoChange(QTextDocument& document, InfoSnapshot earlier, InfoSnapshot later)
        : m_document(document), m_earlier(std::move(earlier)), m_later(std::move(later))
    {
    }
    void undo() override { keep(m_document, m_earlier); }
    void redo() override { keep(m_document, m_later); }

private:
    QTextDocument& m_document;
    InfoSnapshot m_earlier;
    InfoSnapshot m_later;
};

}  // namespace

void setDocumentInfo(QTextDocument& document, const DocumentInfo& info)
{
    keep(document, {info, plainText(document)});
}

InfoSnapshot infoSnapshot(const QTextDocument& document)
{
    return {documentInfo(document), plainText(document)};
}

void setDocumentInfoUndoably(QTextDocument& document, const DocumentInfo& info, const InfoSnapshot& earlier)
{
    setDocumentInfo(document, info);
    document.appendUndoItem(new InfoChange(document, earlier, {info, plainText(document)}));
}

QString originKeywords(const ExerciseOrigin& origin)
{
    QStringList items{QStringLiteral("livello %1").arg(origin.level)};
    if (!origin.theme.isEmpty())
        items << QStringLiteral("tema ") + origin.theme;
    if (origin.seed)
        items << QStringLiteral("seme %1").arg(*origin.seed);
    if (origin.number > 0)
        items << QStringLiteral("numero %1").arg(origin.number);
    return items.join(QStringLiteral("; "));
}

std::optional<ExerciseOrigin> originOf(const QString& keywords)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression themeWord(QStringLiteral("^[a-z]{1,30}$"));
    ExerciseOrigin origin;
    QStringList seen;
    for (const QString& item : keywords.split(QLatin1Char(';'))) {
        const QStringList parts = item.trimmed().toLower().split(blanks, Qt::SkipEmptyParts);
        if (parts.isEmpty())
            continue;
        if (parts.size() != 2 || seen.contains(parts[0]))
            return std::nullopt;
        seen << parts[0];
        const QString& value = parts[1];
        const auto small = numberOf(value, quint64(std::numeric_limits<int>::max()));
        if (parts[0] == QLatin1String("livello") && small)
            origin.level = int(*small);
        else if (parts[0] == QLatin1String("numero") && small)
            origin.number = int(*small);
        else if (parts[0] == QLatin1String("seme") && numberOf(value, UINT64_MAX))
            origin.seed = numberOf(value, UINT64_MAX);
        else if (parts[0] == QLatin1String("tema") && themeWord.match(value).hasMatch())
            origin.theme = value;
        else
            return std::nullopt;
    }
    if (origin.level <= 0 || !seen.contains(QLatin1String("livello")))
        return std::nullopt;
    if (seen.contains(QLatin1String("numero")) && origin.number <= 0)
        return std::nullopt;
    return origin;
}

}  // namespace quintavia
