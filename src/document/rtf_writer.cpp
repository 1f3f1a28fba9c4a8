#include "document/rtf_writer.h"

#include "document/char_format.h"
#include "document/rtf_codepages.h"
#include "ui/layout.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextFragment>

#include <array>
#include <cmath>

namespace quintavia::rtf {

namespace {

constexpr int kExponentRaise = 85;

struct RunProps {
    int font = 0;
    int halfPoints = 24;
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
    QString family = families.isEmpty() ? QString() : families.first();
    family.remove(QLatin1Char(';'));
    return family.isEmpty() ? QString::fromLatin1(ui::kFontFamily) : family;
}

int raiseToWrite(const QTextCharFormat& format)
{
    const int raise = raiseOf(format);
    if (raise != 0)
        return raise;
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript: return kExponentRaise;
    case QTextCharFormat::AlignSubScript: return -kExponentRaise;
    default: return 0;
    }
}

// \up and \dn count half-points; 8 stands for the exponents' 85 twips, as in the rich-edit control.
int raiseHalfPoints(int twips)
{
    if (twips == kExponentRaise || twips == -kExponentRaise)
        return twips > 0 ? 8 : -8;
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

// Appends text, escaped, encoded in 1252 where it can be and as \uN? where not.
void appendText(QByteArray& out, QStringView text)
{
    const auto& bytes = cp1252Bytes();
    static const char hex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
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

}  // namespace

QByteArray write(const QTextDocument& document)
{
    const QString defaultFamily = QString::fromLatin1(ui::kFontFamily);
    QStringList fonts{defaultFamily};
    QList<QRgb> colors;

    // First pass: the font and colour tables.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString family = familyOf(format);
            if (!fonts.contains(family))
                fonts.append(family);
            if (format.foreground().style() != Qt::NoBrush) {
                const QRgb rgb = format.foreground().color().rgb();
                if (!colors.contains(rgb))
                    colors.append(rgb);
            }
        }
    }

    QByteArray out;
    out.reserve(qsizetype(document.characterCount()) * 2 + 512);
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
    out.append("\\viewkind4\\uc1\\pard");

    RunProps written;
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            RunProps run;
            run.font = int(fonts.indexOf(familyOf(format)));
            const qreal points = format.fontPointSize() > 0 ? format.fontPointSize() : 12.0;
            run.halfPoints = std::clamp(int(std::lround(points * 2)), 1, 3276);
            run.bold = format.fontWeight() >= QFont::DemiBold;
            if (format.foreground().style() != Qt::NoBrush)
                run.color = int(colors.indexOf(format.foreground().color().rgb())) + 1;
            run.raise = raiseToWrite(format);

            bool wroteWord = false;
            if (first || run.font != written.font) {
                out.append("\\f");
                appendNumber(out, run.font);
                wroteWord = true;
            }
            if (first || run.halfPoints != written.halfPoints) {
                out.append("\\fs");
                appendNumber(out, run.halfPoints);
                wroteWord = true;
            }
            if (run.bold != written.bold) {
                out.append(run.bold ? "\\b" : "\\b0");
                wroteWord = true;
            }
            if (run.color != written.color) {
                out.append("\\cf");
                appendNumber(out, run.color);
                wroteWord = true;
            }
            if (run.raise != written.raise) {
                const int halfPoints = raiseHalfPoints(run.raise);
                out.append(halfPoints < 0 ? "\\dn" : "\\up");
                appendNumber(out, std::abs(halfPoints));
                wroteWord = true;
            }
            if (wroteWord)
                out.append(' ');
            written = run;
            first = false;
            appendText(out, fragment.text());
        }
        out.append("\\par\r\n");
    }
    out.append("}\r\n");
    return out;
}

}  // namespace quintavia::rtf
