// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/char_format.h"
#include "document/document_file.h"
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"
#include "test_main.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

using namespace quintavia;

namespace {

// One run of text for building documents; "\n" in the text starts a new block.
struct Run {
    Run(const QString& text = {}, qreal size = 12, bool bold = false, int raise = 0, const QColor& color = {},
        const QString& family = QStringLiteral("Comic Sans MS"))
        : text(text), size(size), bold(bold), raise(raise), color(color), family(family)
    {
    }
    QString text;
    qreal size;
    bool bold;
    int raise;
    QColor color;
    QString family;
};

Run exponent(const QString& text)
{
    return Run{text, 8, true, 85};
}

std::unique_ptr<QTextDocument> build(const QList<Run>& runs)
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    for (const Run& run : runs) {
        QTextCharFormat format;
        format.setFontFamilies({run.family});
        format.setFontPointSize(run.size);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        if (run.color.isValid())
            format.setForeground(run.color);
        setRaise(format, run.raise);
        const QStringList parts = run.text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), format);
            cursor.insertText(parts[i], format);
        }
    }
    return document;
}

// Every character with the formatting that has to survive a save.
QStringList describe(const QTextDocument& document)
{
    QStringList out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString color
                = f.foreground().style() == Qt::NoBrush ? QStringLiteral("-") : f.foreground().color().name();
            for (const QChar c : it.fragment().text()) {
                out << QStringLiteral("%1 %2pt %3 raise%4 %5 %6")
                           .arg(c)
                           .arg(f.fontPointSize())
                           .arg(f.fontWeight() >= QFont::Bold ? "bold" : "normal")
                           .arg(raiseOf(f))
                           .arg(color, f.fontFamilies().toStringList().value(0));
            }
        }
        out << QStringLiteral("<block end>");
    }
    return out;
}

QTextCharFormat formatAt(const QTextDocument& document, int line, int column)
{
    QTextCursor cursor(document.findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column + 1);
    return cursor.charFormat();
}

QByteArray wrap(const QByteArray& body)
{
    if (body.startsWith("{\\rtf"))
        return body;
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}"
           "{\\f1\\fnil\\fcharset238 Arial;}{\\f2\\fnil\\fcharset204 Arial;}"
           "{\\f3\\fnil\\fcharset161 Arial;}{\\f4\\fnil\\fcharset162 Arial;}"
           "{\\f5\\ftech\\fcharset2 Symbol;}}\r\n"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n\\viewkind4\\uc1\\pard "
           + body + "}";
}

}  // namespace

Q_DECLARE_METATYPE(QList<Run>)

class TestRtf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEachProducer_data();
    void readsEachProducer();
    void readsText_data();
    void readsText();
    void readsFormats_data();
    void readsFormats();
    void badInputEndsInDocumentOrError_data();
    void badInputEndsInDocumentOrError();
    void roundTripKeepsTextAndFormats_data();
    void roundTripKeepsTextAndFormats();
    void writesRichEditStyle_data();
    void writesRichEditStyle();
};

void TestRtf::readsEachProducer_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<qreal>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("raise");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("family");

    const QStringList richEdit{u"(32 + 4) · 2 - 5"_qs, u"= (9 + 4) · 2 - 5"_qs, u"= 13 · 2 - 5"_qs,
                               u"= 26 - 5"_qs, u"= 21"_qs};
    QTest::newRow("rich-edit exponent")
        << "richedit.rtf" << richEdit << 0 << 2 << 8.0 << true << 85 << "#0000ff"
        << "Comic Sans MS";
    QTest::newRow("rich-edit base after exponent")
        << "richedit.rtf" << richEdit << 0 << 3 << 12.0 << false << 0 << "#0000ff"
        << "Comic Sans MS";
    QTest::newRow("rich-edit old colour table") << "richedit_old.rtf" << QStringList{"53:52", "= 51", "= 5"}
                                                << 1 << 3 << 8.0 << false << 85 << "#008000"
                                                << "Comic Sans MS";
    const QStringList libre{u"[(23 è é ù · 4)]"_qs, u"= x2 + 1"_qs};
    QTest::newRow("LibreOffice super") << "libreoffice.rtf" << libre << 0 << 3 << 8.0 << true << 85 << ""
                                       << "Comic Sans MS";
    QTest::newRow("LibreOffice colour")
        << "libreoffice.rtf" << libre << 0 << 13 << 12.0 << false << 0 << "#ff0000"
        << "Comic Sans MS";
    QTest::newRow("LibreOffice sub") << "libreoffice.rtf" << libre << 1 << 3 << 12.0 << false << -85 << ""
                                     << "Comic Sans MS";
    const QStringList pandoc{u"Espressione: 3 · 4 − 22 ≤ 10 \U0001F600"_qs, u"Vedi le regole e la nota."_qs,
                             u"doppio è fine"_qs};
    QTest::newRow("pandoc") << "pandoc.rtf" << pandoc << 0 << 22 << 12.0 << false << 85 << ""
                            << "Helvetica";
    const QStringList word{u"10 : 23 – 1"_qs, u"= 10 : 8 – 1č"_qs, u"a\tb"_qs, u"fine"_qs};
    QTest::newRow("Word super") << "word.rtf" << word << 0 << 6 << 8.0 << false << 85 << ""
                                << "Comic Sans MS";
    QTest::newRow("Word colour") << "word.rtf" << word << 0 << 8 << 12.0 << false << 0 << "#ff0000"
                                 << "Comic Sans MS";
    const QStringList wordpad{u"12\t3\u00A04 risul\u2011tato"_qs, u"seconda"_qs, u"αβ fine"_qs};
    QTest::newRow("WordPad") << "wordpad.rtf" << wordpad << 2 << 1 << 12.0 << false << 0 << ""
                             << "Arial";
}

void TestRtf::readsEachProducer()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(qreal, size);
    QFETCH(bool, bold);
    QFETCH(int, raise);
    QFETCH(QString, color);
    QFETCH(QString, family);

    const rtf::ReadResult result = readDocumentFile(QUINTAVIA_TEST_DATA "/rtf/" + file);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(plainText(*result.document).split(u"\r\n"_qs), lines);
    const QTextCharFormat format = formatAt(*result.document, line, column);
    QCOMPARE(format.fontPointSize(), size);
    QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
    QCOMPARE(raiseOf(format), raise);
    QCOMPARE(format.foreground().style() == Qt::NoBrush ? QString() : format.foreground().color().name(),
             color);
    QCOMPARE(format.fontFamilies().toStringList().value(0), family);
}

void TestRtf::readsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("cp1252 bytes") << QByteArray("\\'e8\\'e9\\'f9\\'b7") << u"èéù·"_qs;
    QTest::newRow("raw 8-bit bytes") << QByteArray("\xe8 \x80") << u"è €"_qs;
    QTest::newRow("cp1250 font") << QByteArray("\\f1\\'e8") << u"č"_qs;
    QTest::newRow("cp1251 font") << QByteArray("\\f2\\'e0") << u"а"_qs;
    QTest::newRow("cp1253 font") << QByteArray("\\f3\\'e1") << u"α"_qs;
    QTest::newRow("cp1254 font") << QByteArray("\\f4\\'fd") << u"ı"_qs;
    QTest::newRow("font back to 1252") << QByteArray("{\\f3\\'e1}\\'e1") << u"αá"_qs;
    QTest::newRow("symbol font signs")
        << QByteArray("3{\\f5\\'b4}2{\\f5\\'b8}6{\\f5\\'d7}1{\\f5\\'2d\\'b1\\'a3\\'b3\\'b9}")
        << u"3×2÷6⋅1−±≤≥≠"_qs;
    QTest::newRow("symbol font letters") << QByteArray("{\\f5 apDqW}a") << u"απΔθΩa"_qs;
    QTest::newRow("symbol font raw byte") << QByteArray("{\\f5 \xb4}\xb4") << u"×´"_qs;
    QTest::newRow("symbol font u wins") << QByteArray("{\\f5\\u247\\'b4}") << u"÷"_qs;
    QTest::newRow("symbol font private use") << QByteArray("{\\f5\\u-3916?}") << u"×"_qs;
    QTest::newRow("symbol font empty byte") << QByteArray("{\\f5\\'80}") << u"\uFFFD"_qs;
    QTest::newRow("ansicpg") << QByteArray("{\\rtf1\\ansi\\ansicpg1250 \\'e8}") << u"č"_qs;
    QTest::newRow("pc 437") << QByteArray("{\\rtf1\\pc \\'82}") << u"é"_qs;
    QTest::newRow("code page after a character")
        << QByteArray("{\\rtf1 \\'e8\\ansi\\ansicpg1251 \\'e8}") << u"èи"_qs;
    QTest::newRow("unknown code page") << QByteArray("{\\rtf1\\ansi\\ansicpg9999 \\'e8}") << u"è"_qs;
    QTest::newRow("par before line end") << QByteArray("A\\par\r\nB") << u"A\r\nB"_qs;
    QTest::newRow("par after line end") << QByteArray("A\r\n\\par B") << u"A\r\nB"_qs;
    QTest::newRow("final par adds no line") << QByteArray("A\\par B\\par") << u"A\r\nB"_qs;
    QTest::newRow("empty last line kept") << QByteArray("A\\par B\\par \\par") << u"A\r\nB\r\n"_qs;
    QTest::newRow("empty middle line") << QByteArray("A\\par\\par B") << u"A\r\n\r\nB"_qs;
    QTest::newRow("only a par") << QByteArray("\\par") << u""_qs;
    QTest::newRow("line") << QByteArray("A\\line B") << u"A\r\nB"_qs;
    QTest::newRow("line then final par") << QByteArray("A\\line\\par") << u"A\r\n"_qs;
    QTest::newRow("backslash line end") << QByteArray("A\\\r\nB") << u"A\r\nB"_qs;
    QTest::newRow("page and sect") << QByteArray("A\\page B\\sect C") << u"A\r\nB\r\nC"_qs;
    QTest::newRow("source line ends ignored") << QByteArray("a\r\nb\rc\nd") << u"abcd"_qs;
    QTest::newRow("delimiting space") << QByteArray("\\b x\\b0  y") << u"x y"_qs;
    QTest::newRow("u skips one") << QByteArray("\\u8722?2") << u"−2"_qs;
    QTest::newRow("uc0") << QByteArray("{\\uc0\\u8722 2}") << u"−2"_qs;
    QTest::newRow("uc2 scoped") << QByteArray("{\\uc2\\u8722\\'2d\\'2d}\\u8722?x") << u"−−x"_qs;
    QTest::newRow("skip counts hex") << QByteArray("\\u233\\'e9x") << u"éx"_qs;
    QTest::newRow("skip ends at brace") << QByteArray("{\\uc3\\u233}x") << u"éx"_qs;
    QTest::newRow("negative u") << QByteArray("\\u-3913?") << u"\uF0B7"_qs;
    QTest::newRow("surrogate pair") << QByteArray("\\u-10179?\\u-8704?") << u"\U0001F600"_qs;
    QTest::newRow("lone surrogate") << QByteArray("\\u55357?x") << u"\uFFFDx"_qs;
    QTest::newRow("lone surrogate before par")
        << QByteArray("a\\u55357?\\par b\\u55357?") << u"a\uFFFD\r\nb\uFFFD"_qs;
    QTest::newRow("control characters dropped") << QByteArray("a\\u0?\\u13?\\u7?b") << u"ab"_qs;
    QTest::newRow("special symbols") << QByteArray("a\\~b\\-c\\_d\\tab e") << u"a\u00A0bc\u2011d\te"_qs;
    QTest::newRow("escapes") << QByteArray("\\{\\}\\\\") << u"{}\\"_qs;
    QTest::newRow("quotes and dashes") << QByteArray("\\lquote\\rquote\\emdash\\endash") << u"‘’—–"_qs;
    QTest::newRow("field result only")
        << QByteArray("{\\field{\\*\\fldinst{ HYPERLINK \"x\"}}{\\fldrslt abc}}") << u"abc"_qs;
    QTest::newRow("skipped groups") << QByteArray(
        "{\\*\\unknown zz}{\\header H}{\\footer F}{\\footnote N}{\\pict 0102}"
        "{\\object{\\*\\objdata 01}{\\result R}}{\\stylesheet{S;}}{\\info{\\title T}}"
        "{\\listtext 1.}{\\pntext 2.}{\\*\\listtable{\\list X}}x")
                                    << u"x"_qs;
    QTest::newRow("star only after brace") << QByteArray("a\\*b") << u"ab"_qs;
    QTest::newRow("bin skips raw bytes") << QByteArray("\\bin4 {{}\\x") << u"x"_qs;
    QTest::newRow("bin in picture") << QByteArray("{\\pict\\bin3 }}}}y") << u"y"_qs;
    QTest::newRow("table") << QByteArray("\\trowd\\cellx100\\cellx200 a\\cell b\\cell\\row c")
                           << u"a\tb\r\nc"_qs;
    QTest::newRow("empty cell") << QByteArray("a\\cell\\cell c\\cell\\row") << u"a\t\tc"_qs;
    QTest::newRow("hidden text") << QByteArray("a{\\v hidden}b\\v c\\v0 d") << u"abd"_qs;
    QTest::newRow("text after the end") << QByteArrayLiteral("{\\rtf1 x}\0\0junk{") << u"x"_qs;
    QTest::newRow("stray closing brace") << QByteArray("{\\rtf1 a}}b}") << u"a"_qs;
}

void TestRtf::readsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    const rtf::ReadResult result = rtf::read(wrap(rtf));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(plainText(*result.document), text);
}

void TestRtf::readsFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("column");
    QTest::addColumn<qreal>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("raise");
    QTest::addColumn<QString>("color");

    QTest::newRow("up8 is 85 twips") << QByteArray("3\\up8\\fs16\\b 2") << 1 << 8.0 << true << 85 << "";
    QTest::newRow("up in half-points") << QByteArray("\\up6 x") << 0 << 12.0 << false << 60 << "";
    QTest::newRow("dn in half-points") << QByteArray("\\dn4 x") << 0 << 12.0 << false << -40 << "";
    QTest::newRow("dn8") << QByteArray("\\dn8 x") << 0 << 12.0 << false << -85 << "";
    QTest::newRow("up0 ends the raise") << QByteArray("\\up8 x\\up0 y") << 1 << 12.0 << false << 0 << "";
    QTest::newRow("super") << QByteArray("\\super x") << 0 << 12.0 << false << 85 << "";
    QTest::newRow("sub") << QByteArray("\\sub x") << 0 << 12.0 << false << -85 << "";
    QTest::newRow("explicit raise wins") << QByteArray("\\super\\up4 x") << 0 << 12.0 << false << 40 << "";
    QTest::newRow("nosupersub") << QByteArray("\\super x\\nosupersub y") << 1 << 12.0 << false << 0 << "";
    QTest::newRow("group restores") << QByteArray("{\\b\\fs16\\up8\\cf1 2}3") << 1 << 12.0 << false << 0
                                    << "";
    QTest::newRow("plain resets") << QByteArray("\\b\\fs16\\up8\\cf1\\plain x") << 0 << 12.0 << false << 0
                                  << "";
    QTest::newRow("no fs is 12 pt") << QByteArray("x") << 0 << 12.0 << false << 0 << "";
    QTest::newRow("odd half-points") << QByteArray("\\fs25 x") << 0 << 12.5 << false << 0 << "";
    QTest::newRow("size clamped") << QByteArray("\\fs99999999999999999 x") << 0 << 1638.0 << false << 0 << "";
    QTest::newRow("fs0") << QByteArray("\\fs0 x") << 0 << 12.0 << false << 0 << "";
    QTest::newRow("b0") << QByteArray("\\b\\b0 x") << 0 << 12.0 << false << 0 << "";
    QTest::newRow("b1") << QByteArray("\\b1 x") << 0 << 12.0 << true << 0 << "";
    QTest::newRow("colour after empty entry")
        << QByteArray("\\cf2 x") << 0 << 12.0 << false << 0 << "#0000ff";
    QTest::newRow("cf0") << QByteArray("\\cf1\\cf0 x") << 0 << 12.0 << false << 0 << "";
    QTest::newRow("cf past the table") << QByteArray("\\cf9 x") << 0 << 12.0 << false << 0 << "";
    QTest::newRow("cf without a table") << QByteArray("{\\rtf1 \\cf1 x}") << 0 << 12.0 << false << 0 << "";
    QTest::newRow("table without empty entry")
        << QByteArray("{\\rtf1{\\colortbl\\red1\\green2\\blue3;\\red4\\green5\\blue6;}\\cf1 x}") << 0 << 12.0
        << false << 0 << "#040506";
    QTest::newRow("last colour without semicolon")
        << QByteArray("{\\rtf1{\\colortbl;\\red1\\green2\\blue3}\\cf1 x}") << 0 << 12.0 << false << 0
        << "#010203";
    QTest::newRow("huge raise clamped") << QByteArray("\\up999999 x") << 0 << 12.0 << false << 32760 << "";
}

void TestRtf::readsFormats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, column);
    QFETCH(qreal, size);
    QFETCH(bool, bold);
    QFETCH(int, raise);
    QFETCH(QString, color);
    const rtf::ReadResult result = rtf::read(wrap(rtf));
    QVERIFY2(result.ok(), qPrintable(result.error));
    const QTextCharFormat format = formatAt(*result.document, 0, column);
    QCOMPARE(format.fontPointSize(), size);
    QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
    QCOMPARE(raiseOf(format), raise);
    QCOMPARE(format.foreground().style() == Qt::NoBrush ? QString() : format.foreground().color().name(),
             color);
}

void TestRtf::badInputEndsInDocumentOrError_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");   // null: not compared
    QTest::addColumn<QString>("error");  // null: must read

    const QByteArray head("{\\rtf1 ");
    QTest::newRow("empty") << QByteArray() << QString() << u"vuoto"_qs;
    QTest::newRow("plain text") << QByteArray("3+4\r\n= 7") << QString() << u"non è in formato RTF"_qs;
    QTest::newRow("html") << QByteArray("<html>{\\rtf1 x}") << QString() << u"non è in formato RTF"_qs;
    QTest::newRow("rtf later in the file")
        << QByteArray("x{\\rtf1 x}") << QString() << u"non è in formato RTF"_qs;
    QTest::newRow("BOM and blanks first")
        << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 x}") << u"x"_qs << QString();
    QTest::newRow("over 16 MiB") << head + QByteArray(16 * 1024 * 1024, 'x') << QString()
                                 << u"troppo grande"_qs;
    QTest::newRow("nesting too deep") << head + QByteArray(200000, '{') << QString() << u"annidati"_qs;
    QTest::newRow("deep but allowed")
        << head + QByteArray(900, '{') + "x" + QByteArray(900, '}') + "}" << u"x"_qs << QString();
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b a\\par {b") << u"a\r\nb"_qs << QString();
    QTest::newRow("truncated control word") << QByteArray("{\\rtf1 a\\") << u"a"_qs << QString();
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 a\\'e") << u"ae"_qs << QString();
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << u"azzb"_qs << QString();
    QTest::newRow("bin past the end") << QByteArray("{\\rtf1 x\\bin99999999999 abc") << u"x"_qs << QString();
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 \\bin-5 x}") << u"x"_qs << QString();
    QTest::newRow("long control word")
        << head + "\\" + QByteArray(100000, 'a') + " x}" << u"x"_qs << QString();
    QTest::newRow("long parameter") << head + "\\fs" + QByteArray(100000, '9') + " x}" << u"x"_qs
                                    << QString();
    QTest::newRow("u out of range") << QByteArray("{\\rtf1 \\u99999999?x}") << u"x"_qs << QString();
    QTest::newRow("huge uc") << QByteArray("{\\rtf1 \\uc99999\\u233 abcdefghijklmnopqrstuvwxyz}")
                             << u"éqrstuvwxyz"_qs << QString();
    QTest::newRow("binary junk") << head + QByteArray(1 << 20, '\xff') << QString()
                                 << u"riga troppo lunga"_qs;
    QTest::newRow("many paragraphs") << head + QByteArray("\\par x").repeated(300000) << QString()
                                     << u"troppe righe"_qs;
    QTest::newRow("line at the limit") << head + QByteArray(10000, 'x') + "}" << QString(10000, u'x')
                                       << QString();
    QTest::newRow("line one past the limit") << head + QByteArray(10001, 'x') + "}" << QString()
                                             << u"riga troppo lunga"_qs;
    QTest::newRow("text past the limit") << head + (QByteArray(9000, 'x') + "\\par ").repeated(23)
                                         << QString() << u"troppo testo"_qs;
    QTest::newRow("many format changes")
        << head + QByteArray("\\b x\\b0 y").repeated(200000) << QString() << u"riga troppo lunga"_qs;
    QTest::newRow("many fonts and colours")
        << head + "{\\fonttbl" + QByteArray("{\\f1 A;}").repeated(100000) + "}{\\colortbl"
               + QByteArray("\\red1;").repeated(100000) + "}x}"
        << u"x"_qs << QString();
}

void TestRtf::badInputEndsInDocumentOrError()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(QString, error);
    QElapsedTimer timer;
    timer.start();
    const rtf::ReadResult result = rtf::read(rtf);
    QVERIFY2(timer.elapsed() < 10000, "reading took too long");
    if (error.isNull()) {
        QVERIFY2(result.ok(), qPrintable(result.error));
        if (!text.isNull())
            QCOMPARE(plainText(*result.document), text);
    } else {
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }
}

void TestRtf::roundTripKeepsTextAndFormats_data()
{
    QTest::addColumn<QList<Run>>("runs");
    QTest::addColumn<QString>("text");

    QTest::newRow("exponent 85 exact")
        << QList<Run>{{u"(3"_qs}, exponent(u"2"_qs), {u" + 4)"_qs}} << u"(32 + 4)"_qs;
    QTest::newRow("other raises") << QList<Run>{{u"a"_qs, 12, false, -85},
                                                {u"b"_qs, 12, false, 60},
                                                {u"c"_qs, 10, false, 200},
                                                {u"d"_qs, 12, false, -30}}
                                  << u"abcd"_qs;
    QTest::newRow("colours") << QList<Run>{{u"r"_qs, 12, false, 0, Qt::red},
                                           {u"b"_qs, 8, true, 85, Qt::blue},
                                           {u"n"_qs},
                                           {u"r"_qs, 12, false, 0, Qt::red}}
                             << u"rbnr"_qs;
    QTest::newRow("sizes and bold") << QList<Run>{{u"a"_qs, 8}, {u"b"_qs, 10.5, true}, {u"c"_qs, 36}}
                                    << u"abc"_qs;
    QTest::newRow("lines") << QList<Run>{{u"A\nB\nC"_qs}} << u"A\r\nB\r\nC"_qs;
    QTest::newRow("empty last line") << QList<Run>{{u"A\nB\n"_qs}} << u"A\r\nB\r\n"_qs;
    QTest::newRow("empty middle line") << QList<Run>{{u"A\n\nB"_qs}} << u"A\r\n\r\nB"_qs;
    QTest::newRow("empty document") << QList<Run>{} << u""_qs;
    QTest::newRow("two empty lines") << QList<Run>{{u"\n"_qs}} << u"\r\n"_qs;
    QTest::newRow("exponent ends a line")
        << QList<Run>{{u"3"_qs}, exponent(u"2\n"_qs), {u"= 9"_qs}} << u"32\r\n= 9"_qs;
    QTest::newRow("cp1252 and escapes")
        << QList<Run>{{u"è é ù · € {a} \\b\\"_qs}} << u"è é ù · € {a} \\b\\"_qs;
    QTest::newRow("outside cp1252") << QList<Run>{{u"α − ≤ č \U0001F600 \uFFFF"_qs}}
                                    << u"α − ≤ č \U0001F600 \uFFFF"_qs;
    QTest::newRow("tab and no-break")
        << QList<Run>{{u"a\tb\u00A0c\u2011d\u00ADe"_qs}} << u"a\tb\u00A0c\u2011d\u00ADe"_qs;
    QTest::newRow("spaces kept") << QList<Run>{{u"  x  "_qs}, exponent(u" "_qs), {u" \n "_qs}}
                                 << u"  x    \r\n "_qs;
    QTest::newRow("other font") << QList<Run>{{u"x"_qs, 12, false, 0, QColor(), u"Arial"_qs}, {u"y"_qs}}
                                << u"xy"_qs;
}

void TestRtf::roundTripKeepsTextAndFormats()
{
    QFETCH(QList<Run>, runs);
    QFETCH(QString, text);
    const auto original = build(runs);
    QCOMPARE(plainText(*original), text);
    const QByteArray bytes = rtf::write(*original);
    const rtf::ReadResult back = rtf::read(bytes);
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(plainText(*back.document), text);
    QCOMPARE(describe(*back.document), describe(*original));
    QCOMPARE(rtf::write(*back.document), bytes);
}

void TestRtf::writesRichEditStyle_data()
{
    QTest::addColumn<QList<Run>>("runs");
    QTest::addColumn<QStringList>("contains");
    QTest::addColumn<QStringList>("lacks");

    const QString header
        = u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}}"_qs;
    QTest::newRow("plain exercise") << QList<Run>{{u"3+4\n= 7"_qs}}
                                    << QStringList{header, u"\\viewkind4\\uc1\\pard\\f0\\fs24 3+4\\par"_qs,
                                                   u"= 7\\par"_qs}
                                    << QStringList{u"colortbl"_qs, u"\\up"_qs, u"\\b"_qs};
    QTest::newRow("exponent and colour")
        << QList<Run>{{u"3"_qs, 12, false, 0, Qt::red}, {u"2"_qs, 8, true, 85, Qt::red}, {u"+1"_qs}}
        << QStringList{u"{\\colortbl ;\\red255\\green0\\blue0;}"_qs,
                       u"\\cf1 3\\fs16\\b\\up8 2\\fs24\\b0\\cf0\\up0 +1"_qs}
        << QStringList{};
    QTest::newRow("lowered") << QList<Run>{{u"x"_qs, 12, false, -85}, {u"y"_qs, 12, false, -40}}
                             << QStringList{u"\\dn8 x\\dn4 y"_qs} << QStringList{};
    QTest::newRow("characters") << QList<Run>{{u"è·{}\\\t\u00A0α\U0001F600"_qs}}
                                << QStringList{u"\\'e8\\'b7\\{\\}\\\\\\tab \\~\\u945?\\u-10179?\\u-8704?"_qs}
                                << QStringList{};
    QTest::newRow("second font") << QList<Run>{{u"x"_qs, 12, false, 0, QColor(), u"Arial"_qs}}
                                 << QStringList{u"{\\f1\\fnil\\fcharset0 Arial;}"_qs, u"\\f1\\fs24 x"_qs}
                                 << QStringList{};
}

void TestRtf::writesRichEditStyle()
{
    QFETCH(QList<Run>, runs);
    QFETCH(QStringList, contains);
    QFETCH(QStringList, lacks);
    const QByteArray bytes = rtf::write(*build(runs));
    const QString text = QString::fromLatin1(bytes);
    for (const QString& part : contains)
        QVERIFY2(text.contains(part), qPrintable(text));
    for (const QString& part : lacks)
        QVERIFY2(!text.contains(part), qPrintable(text));
    QVERIFY(!bytes.contains('\0'));
    QVERIFY(bytes.endsWith("}\r\n"));
}

QUINTAVIA_TEST_MAIN(TestRtf)
#include "tst_rtf.moc"
