// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/rtf_writer.h"

#include "document/char_format.h"
#include "document/document_info.h"
#include "document/rtf_codepages.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextFragment>

#include <array>
#include <cmath>

namespace quintavia::rtf {

namespace {

struct RunProps {
    int font = 0;
    int halfPoints = kOrdinaryHalfPoints;
    bool bold = false;
    int color = 0;  // index in the colour table; 0 is the empty first entry
    int raise = 0;  // twips
};

// Byte of each character in code page 1252 (0: not in the page), for characters below U+2200.
const std::array<unsigned char, 0x2200>& cp1252Bytes()
{
    static const auto table = [] {
        std::array<unsigned char, 0x2200> bytes{};
        const auto* high = codePageTable(1252);
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char16_t c = (*high)[b - 0x80];
            if (c < bytes.size())
                bytes[c] = static_cast<unsigned char>(b);
        }
        return bytes;
    }();
    return table;
}

QString familyOf(const QTextCharFormat& format)
{
    const QStringList families = format.fontFamilies().toStringList();
    // Formats made with setFontFamily() carry only the older single-family property.
    QString family
        = families.isEmpty() ? format.property(QTextFormat::FontFamily).toString() : families.first();
    family.remove(QLatin1Char(';'));
    return family.isEmpty() ? QString::fromLatin1(kExerciseFontFamily) : family;
}

// \up and \dn count half-points; the exponents' raise has a count of its own (char_format.h).
int raiseHalfPoints(int twips)
{
    if (twips == kExponentRaise || twips == -kExponentRaise)
        return twips > 0 ? kExponentRaiseHalfPoints : -kExponentRaiseHalfPoints;
    const int halfPoints = static_cast<int>(std::lround(twips / 10.0));
    if (halfPoints == 0 && twips != 0)
        return twips > 0 ? 1 : -1;
    return halfPoints;
}

void appendNumber(QByteArray& out, int n)
{
    out.append(QByteArray::number(n));
}

void appendUnicode(QByteArray& out, char16_t unit)
{
    out.append("\\u");
    appendNumber(out, unit > 0x7FFF ? int(unit) - 0x10000 : int(unit));
    out.append('?');
}

// Printable ASCII but the three characters that RTF gives a meaning: written as they are.
constexpr std::array<bool, 128> kVerbatim = [] {
    std::array<bool, 128> verbatim{};
    for (int c = 0x20; c < 0x7F; ++c)
        verbatim[size_t(c)] = c != '\\' && c != '{' && c != '}';
    return verbatim;
}();

// Appends text, escaped, encoded in 1252 where it can be and as \uN? where not.
void appendText(QByteArray& out, QStringView text)
{
    const auto& bytes = cp1252Bytes();
    static const char hex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 && kVerbatim[c]) {
            out.append(char(c));
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            out.append('\\');
            out.append(char(c));
        } else if (c == u'\t') {
            out.append("\\tab ");
        } else if (c == 0x00A0) {
            out.append("\\~");
        } else if (c == 0x2011) {
            out.append("\\_");
        } else if (c == 0x2028 || c == 0x2029) {
            out.append("\\line ");
        } else if (c < 0x20 || c == 0xFFFC) {
            continue;
        } else if (c < 0x80) {
            out.append(char(c));
        } else if (c < bytes.size() && bytes[c] != 0) {
            out.append("\\'");
            out.append(hex[bytes[c] >> 4]);
            out.append(hex[bytes[c] & 0xF]);
        } else {
            appendUnicode(out, c);
        }
    }
}

// The document information, where word processors keep it: after the tables, before the text.
void appendInfo(QByteArray& out, const DocumentInfo& info)
{
    if (info.isEmpty())
        return;
    out.append("{\\info");
    for (const auto& [word, text] : {std::pair{"{\\subject ", &info.subject}, std::pair{"{\\keywords ", &info.keywords}}) {
        if (text->isEmpty())
            continue;
        out.append(word);
        appendText(out, *text);
        out.append('}');
    }
    out.append("}\r\n");
}

}  // namespace

QByteArray write(const QTextDocument& document)
{
    QStringList fonts{QString::fromLatin1(kExerciseFontFamily)};
    QList<QRgb> colors;
    // Documents share a few formats among many fragments: each format is looked at once.
    QHash<int, RunProps> props;
    auto propsOf = [&](const QTextFragment& fragment) -> const RunProps& {
        const int index = fragment.charFormatIndex();
        auto it = props.find(index);
        if (it != props.end())
            return *it;
        const QTextCharFormat format = fragment.charFormat();
        RunProps run;
        const QString family = familyOf(format);
        run.font = int(fonts.indexOf(family));
        if (run.font < 0) {
            run.font = int(fonts.size());
            fonts.append(family);
        }
        const qreal points = pointsOf(format);
        run.halfPoints = std::clamp(int(std::lround(points * 2)), 1, kMaxHalfPoints);
        run.bold = format.fontWeight() >= QFont::DemiBold;
        if (format.foreground().style() != Qt::NoBrush) {
            const QRgb rgb = format.foreground().color().rgb();
            run.color = int(colors.indexOf(rgb)) + 1;
            if (run.color == 0) {
                colors.append(rgb);
                run.color = int(colors.size());
            }
        }
        run.raise = effectiveRaise(format);
        return *props.insert(index, run);
    };

    // The tables come first in the file, so the body is written aside and joined at the end.
    QByteArray body;
    body.reserve(qsizetype(document.characterCount()) * 2 + 64);
    body.append("\\viewkind4\\uc1\\pard");
    RunProps written;
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const RunProps run = propsOf(fragment);
            bool wroteWord = false;
            if (first || run.font != written.font) {
                body.append("\\f");
                appendNumber(body, run.font);
                wroteWord = true;
            }
            if (first || run.halfPoints != written.halfPoints) {
                body.append("\\fs");
                appendNumber(body, run.halfPoints);
                wroteWord = true;
            }
            if (run.bold != written.bold) {
                body.append(run.bold ? "\\b" : "\\b0");
                wroteWord = true;
            }
            if (run.color != written.color) {
                body.append("\\cf");
                appendNumber(body, run.color);
                wroteWord = true;
            }
            if (run.raise != written.raise) {
                const int halfPoints = raiseHalfPoints(run.raise);
                body.append(halfPoints < 0 ? "\\dn" : "\\up");
                appendNumber(body, std::abs(halfPoints));
                wroteWord = true;
            }
            if (wroteWord)
                body.append(' ');
            written = run;
            first = false;
            appendText(body, fragment.text());
        }
        body.append("\\par\r\n");
    }
    body.append("}\r\n");

    QByteArray out;
    out.reserve(body.size() + 256);
    out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl");
    for (int i = 0; i < fonts.size(); ++i) {
        out.append("{\\f");
        appendNumber(out, i);
        out.append("\\fnil\\fcharset0 ");
        appendText(out, fonts[i]);
        out.append(";}");
    }
    out.append("}\r\n");
    if (!colors.isEmpty()) {
        out.append("{\\colortbl ;");
        for (const QRgb rgb : colors) {
            out.append("\\red");
            appendNumber(out, qRed(rgb));
            out.append("\\green");
            appendNumber(out, qGreen(rgb));
            out.append("\\blue");
            appendNumber(out, qBlue(rgb));
            out.append(';');
        }
        out.append("}\r\n");
    }
    appendInfo(out, documentInfo(document));
    out.append(body);
    return out;
}

}  // namespace quintavia::rtf
