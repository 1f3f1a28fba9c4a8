// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/rtf_reader.h"

#include "document/char_format.h"
#include "document/document_info.h"
#include "document/rtf_codepages.h"

#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quintavia::rtf {

namespace {

// Deeper nesting than this only comes from damaged or hostile files.
constexpr int kMaxDepth = 1000;
constexpr int kMaxWordLength = 32;
constexpr std::int64_t kMaxParameter = 1'000'000'000;
constexpr int kMaxRaise = 32767;

// Info: the document information, whose own text is not read; Subject and Keywords: two of its fields.
enum class Dest : std::uint8_t { Body, Skip, FontTable, ColorTable, Info, Subject, Keywords };

struct CharState {
    int font = -1;  // -1: the document's default font (\deff)
    int halfPoints = kOrdinaryHalfPoints;
    bool bold = false;
    int color = 0;
    int raise = 0;             // from \up / \dn, in twips
    std::int8_t superSub = 0;  // +1 after \super, -1 after \sub
    bool hidden = false;
};

struct Group {
    CharState chars;
    int uc = 1;
    Dest dest = Dest::Body;
};

// What decides a run's format: runs are cut where it changes.
struct RunKey {
    int font = 0;
    int halfPoints = kOrdinaryHalfPoints;
    bool bold = false;
    int color = -1;
    int raise = 0;
    bool operator==(const RunKey&) const = default;
};

struct FontEntry {
    QString name;
    int codePage = 0;     // 0: the document's code page
    bool symbol = false;  // Symbol character set: bytes are signs and Greek letters
    bool named = false;
};

enum class Kw : std::uint8_t {
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    FontTbl,
    ColorTbl,
    F,
    FCharset,
    Cpg,
    Red,
    Green,
    Blue,
    Fs,
    B,
    Cf,
    Up,
    Dn,
    Super,
    Sub,
    NoSuperSub,
    Plain,
    Par,
    Line,
    Char,
    Cell,
    Row,
    Uc,
    U,
    Bin,
    SkipDest,
    V,
    Info,
    Subject,
    Keywords,
};

struct Keyword {
    Kw kw;
    char16_t ch = 0;  // for Kw::Char
};

const std::unordered_map<std::string_view, Keyword>& keywords()
{
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t{
            {"ansi", {Kw::Ansi}},
            {"mac", {Kw::Mac}},
            {"pc", {Kw::Pc}},
            {"pca", {Kw::Pca}},
            {"ansicpg", {Kw::AnsiCpg}},
            {"deff", {Kw::Deff}},
            {"fonttbl", {Kw::FontTbl}},
            {"colortbl", {Kw::ColorTbl}},
            {"f", {Kw::F}},
            {"fcharset", {Kw::FCharset}},
            {"cpg", {Kw::Cpg}},
            {"red", {Kw::Red}},
            {"green", {Kw::Green}},
            {"blue", {Kw::Blue}},
            {"fs", {Kw::Fs}},
            {"b", {Kw::B}},
            {"cf", {Kw::Cf}},
            {"up", {Kw::Up}},
            {"dn", {Kw::Dn}},
            {"super", {Kw::Super}},
            {"sub", {Kw::Sub}},
            {"nosupersub", {Kw::NoSuperSub}},
            {"plain", {Kw::Plain}},
            {"par", {Kw::Par}},
            {"sect", {Kw::Par}},
            {"page", {Kw::Par}},
            {"line", {Kw::Line}},
            {"cell", {Kw::Cell}},
            {"nestcell", {Kw::Cell}},
            {"row", {Kw::Row}},
            {"nestrow", {Kw::Row}},
            {"uc", {Kw::Uc}},
            {"u", {Kw::U}},
            {"bin", {Kw::Bin}},
            {"v", {Kw::V}},
            {"info", {Kw::Info}},
            {"subject", {Kw::Subject}},
            {"keywords", {Kw::Keywords}},
            {"tab", {Kw::Char, u'\t'}},
            {"emdash", {Kw::Char, u'\u2014'}},
            {"endash", {Kw::Char, u'\u2013'}},
            {"bullet", {Kw::Char, u'\u2022'}},
            {"lquote", {Kw::Char, u'\u2018'}},
            {"rquote", {Kw::Char, u'\u2019'}},
            {"ldblquote", {Kw::Char, u'\u201C'}},
            {"rdblquote", {Kw::Char, u'\u201D'}},
            {"emspace", {Kw::Char, u'\u2003'}},
            {"enspace", {Kw::Char, u'\u2002'}},
            {"qmspace", {Kw::Char, u'\u2005'}},
            {"zwj", {Kw::Char, u'\u200D'}},
            {"zwnj", {Kw::Char, u'\u200C'}},
            {"ltrmark", {Kw::Char, u'\u200E'}},
            {"rtlmark", {Kw::Char, u'\u200F'}},
        };
        // Groups whose text is not part of what the reader sees.
        for (std::string_view name : {"stylesheet",
                                      "pict",
                                      "object",
                                      "objdata",
                                      "header",
                                      "headerl",
                                      "headerr",
                                      "headerf",
                                      "footer",
                                      "footerl",
                                      "footerr",
                                      "footerf",
                                      "footnote",
                                      "fldinst",
                                      "listtable",
                                      "listoverridetable",
                                      "listtext",
                                      "pntext",
                                      "pntxta",
                                      "pntxtb",
                                      "pn",
                                      "rsidtbl",
                                      "revtbl",
                                      "filetbl",
                                      "xe",
                                      "tc",
                                      "tcn",
                                      "annotation",
                                      "atnid",
                                      "atnauthor",
                                      "atndate",
                                      "atnref",
                                      "atntime",
                                      "ftnsep",
                                      "ftnsepc",
                                      "ftncn",
                                      "aftnsep",
                                      "aftnsepc",
                                      "aftncn",
                                      "shp",
                                      "shpinst",
                                      "sp",
                                      "sn",
                                      "sv",
                                      "nonshppict",
                                      "do",
                                      "template",
                                      "comment",
                                      "author",
                                      "operator",
                                      "title",
                                      "doccomm",
                                      "company",
                                      "manager",
                                      "category",
                                      "creatim",
                                      "revtim",
                                      "printim",
                                      "buptim",
                                      "fchars",
                                      "lchars",
                                      "pgdsctbl",
                                      "private",
                                      "datafield",
                                      "formfield",
                                      "themedata",
                                      "colorschememapping",
                                      "latentstyles",
                                      "datastore",
                                      "xmlnstbl",
                                      "generator",
                                      "userprops",
                                      "docvar",
                                      "fontemb",
                                      "fontfile",
                                      "falt",
                                      "panose",
                                      "bkmkstart",
                                      "bkmkend",
                                      "mmathPr",
                                      "listpicture",
                                      "background",
                                      "protusertbl"}) {
            t.emplace(name, Keyword{Kw::SkipDest});
        }
        return t;
    }();
    return table;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Bytes that are text as they stand in any body group of a non-symbol font: printable ASCII but
// the three that RTF gives a meaning.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int b = 0x20; b < 0x7F; ++b)
        plain[size_t(b)] = b != '{' && b != '}' && b != '\\';
    return plain;
}();

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int clampInt(std::int64_t value, int low, int high)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

class Reader {
public:
    explicit Reader(QByteArrayView input) : m_in(input) { }
    ReadResult run();

private:
    std::optional<qsizetype> bodyStart();
    void begin(qsizetype start);
    bool step();
    void control(bool groupJustOpened);
    std::optional<std::int64_t> readParameter();
    ReadResult finish();
    Group& top() { return m_groups.back(); }
    bool openGroup();
    void closeGroup();
    void controlWord(std::string_view word, bool hasParameter, std::int64_t parameter);
    void skipBinary(std::int64_t count);
    void codePageWord(Kw kw, int value);
    void fontWord(Kw kw, int value);
    void colorWord(Kw kw, int value);
    void formatWord(Kw kw, bool hasParameter, std::int64_t parameter);
    void breakWord(Kw kw);
    void unicodeWord(bool hasParameter, std::int64_t parameter);
    void infoWord(Kw kw);
    void putInfo(QString& field, char16_t unit);
    void controlSymbol(char symbol);
    void byte(unsigned char b);
    void plainBytes(QByteArrayView stretch);
    void put(char16_t unit);
    void putChecked(char16_t unit);
    void append(char16_t unit);
    void refuse(const QString& reason);
    void lineBreak();
    void dropPendingHigh();
    void paragraphEnd();
    void materializeBreaks();
    void flushRun();
    void commitFontName();
    RunKey currentKey() const;
    QTextCharFormat formatFor(const RunKey& key);
    const std::array<char16_t, 128>* currentTable();
    char16_t textCharacter(unsigned char b);
    void setAnsiCodePage(int codePage)
    {
        m_ansiCodePage = codePage;
        m_tableFont = INT32_MIN;
    }
    void commitColor();
    bool consumeSkip();

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    std::vector<Group> m_groups;
    bool m_finished = false;
    bool m_groupJustOpened = false;

    int m_ansiCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_fontEntry = 0;
    QString m_fontName;
    std::vector<std::optional<QColor>> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    int m_skipUnits = 0;  // characters still to drop after \uN
    char16_t m_pendingHigh = 0;

    int m_tableFont = INT32_MIN;
    const std::array<char16_t, 128>* m_table = nullptr;
    bool m_symbolFont = false;  // of m_tableFont

    std::unique_ptr<QTextDocument> m_doc;
    std::unique_ptr<QTextCursor> m_cursor;
    QString m_run;
    RunKey m_runKey;
    // The formats made so far: documents switch back and forth between a few of them.
    std::vector<std::pair<RunKey, QTextCharFormat>> m_formats;
    bool m_pendingPar = false;
    int m_pendingCells = 0;
    int m_lines = 1;
    int m_lineLength = 0;
    int m_characters = 0;
    QString m_refusal;  // why the document is refused, found while reading
    DocumentInfo m_info;
    bool m_infoSeen = false;
};

ReadResult failure(const QString& reason)
{
    ReadResult result;
    result.error = reason;
    return result;
}

ReadResult Reader::run()
{
    const std::optional<qsizetype> start = bodyStart();
    if (!start)
        return failure(m_refusal);
    begin(*start);
    while (m_pos < m_in.size() && !m_finished) {
        if (!step())
            return failure(QStringLiteral("Il file RTF è danneggiato: troppi gruppi annidati."));
    }
    if (!m_refusal.isEmpty())
        return failure(m_refusal);
    return finish();
}

// Where the document's own group starts, after a byte order mark and blanks; none, with the
// reason in m_refusal, for what is no RTF file.
std::optional<qsizetype> Reader::bodyStart()
{
    if (m_in.size() > kMaxFileSize)
        m_refusal = tooBigMessage();
    else if (m_in.isEmpty())
        m_refusal = QStringLiteral("Il file è vuoto.");
    if (!m_refusal.isEmpty())
        return std::nullopt;
    qsizetype start = 0;
    if (m_in.size() >= 3 && m_in.first(3) == QByteArrayView("\xEF\xBB\xBF"))
        start = 3;
    while (start < m_in.size()
           && (m_in[start] == ' ' || m_in[start] == '\t' || m_in[start] == '\r' || m_in[start] == '\n'))
        ++start;
    if (!m_in.sliced(start).startsWith(QByteArrayView("{\\rtf"))) {
        m_refusal = QStringLiteral("Il file non è in formato RTF.");
        return std::nullopt;
    }
    return start;
}

void Reader::begin(qsizetype start)
{
    m_doc = std::make_unique<QTextDocument>();
    m_doc->setUndoRedoEnabled(false);
    m_cursor = std::make_unique<QTextCursor>(m_doc.get());
    m_cursor->beginEditBlock();
    m_groups.reserve(64);
    m_groups.push_back(Group{});
    m_pos = start;
}

// Reads one brace, one control word or symbol, or one stretch of text; false when a group opens
// deeper than any document nests.
bool Reader::step()
{
    const char c = m_in[m_pos];
    const bool groupJustOpened = m_groupJustOpened;
    m_groupJustOpened = false;
    if (c == '{') {
        m_groupJustOpened = true;
        ++m_pos;
        return openGroup();
    }
    if (c == '}') {
        ++m_pos;
        closeGroup();
    } else if (c == '\\') {
        ++m_pos;
        control(groupJustOpened);
    } else if (kPlainBytes[static_cast<unsigned char>(c)]) {
        const char* data = m_in.data();
        qsizetype end = m_pos + 1;
        while (end < m_in.size() && kPlainBytes[static_cast<unsigned char>(data[end])])
            ++end;
        plainBytes(m_in.sliced(m_pos, end - m_pos));
        m_pos = end;
    } else {
        ++m_pos;
        byte(static_cast<unsigned char>(c));
    }
    return true;
}

// After a backslash: a control symbol, or a control word with its parameter and the blank that
// ends it.
void Reader::control(bool groupJustOpened)
{
    const qsizetype size = m_in.size();
    if (m_pos >= size) {
        m_finished = true;  // a backslash at the very end
        return;
    }
    const char next = m_in[m_pos];
    if (!isLetter(next)) {
        ++m_pos;
        m_groupJustOpened = groupJustOpened;
        controlSymbol(next);
        m_groupJustOpened = false;
        return;
    }
    const qsizetype wordStart = m_pos;
    while (m_pos < size && isLetter(m_in[m_pos]))
        ++m_pos;
    const qsizetype wordLength = m_pos - wordStart;
    const std::optional<std::int64_t> parameter = readParameter();
    if (m_pos < size && m_in[m_pos] == ' ')
        ++m_pos;
    if (wordLength > kMaxWordLength) {
        consumeSkip();
        return;
    }
    controlWord(std::string_view(m_in.data() + wordStart, size_t(wordLength)), parameter.has_value(),
                parameter.value_or(0));
}

// A control word's parameter: digits, perhaps after a minus; those past kMaxParameter are read
// but no longer counted.
std::optional<std::int64_t> Reader::readParameter()
{
    const qsizetype size = m_in.size();
    bool negative = false;
    if (m_pos + 1 < size && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParameter = false;
    std::int64_t parameter = 0;
    while (m_pos < size && isDigit(m_in[m_pos])) {
        hasParameter = true;
        if (parameter <= kMaxParameter)
            parameter = parameter * 10 + (m_in[m_pos] - '0');
        ++m_pos;
    }
    if (!hasParameter)
        return std::nullopt;
    return negative ? -parameter : parameter;
}

ReadResult Reader::finish()
{
    dropPendingHigh();
    // A final \par ends the last line rather than opening an empty one.
    m_pendingPar = false;
    flushRun();
    m_cursor->endEditBlock();
    m_cursor.reset();
    m_doc->setUndoRedoEnabled(true);
    if (!m_info.isEmpty())
        setDocumentInfo(*m_doc, m_info);
    ReadResult result;
    result.document = std::move(m_doc);
    return result;
}

bool Reader::openGroup()
{
    m_skipUnits = 0;
    if (m_groups.size() > kMaxDepth)
        return false;
    m_groups.push_back(m_groups.back());
    return true;
}

void Reader::closeGroup()
{
    m_skipUnits = 0;
    if (m_groups.size() <= 1)
        return;  // a stray closing brace
    const Dest closed = top().dest;
    if (closed == Dest::FontTable)
        commitFontName();
    m_groups.pop_back();
    // A last colour without its ';' still counts.
    if (closed == Dest::ColorTable && top().dest != Dest::ColorTable && m_colorSet)
        commitColor();
    if (m_groups.size() == 1)
        m_finished = true;  // the document's own group is closed; anything after it is not text
}

// After \uN the next N characters are the fallback for older readers; this drops one of them.
bool Reader::consumeSkip()
{
    if (m_skipUnits <= 0)
        return false;
    --m_skipUnits;
    return true;
}

void Reader::controlSymbol(char symbol)
{
    if (symbol == '\'') {
        int value = -1;
        if (m_pos + 1 < m_in.size()) {
            const int high = hexValue(m_in[m_pos]);
            const int low = hexValue(m_in[m_pos + 1]);
            if (high >= 0 && low >= 0) {
                value = high * 16 + low;
                m_pos += 2;
            }
        }
        if (consumeSkip() || value < 0)
            return;
        put(textCharacter(static_cast<unsigned char>(value)));
        return;
    }
    if (consumeSkip())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}': put(char16_t(symbol)); break;
    case '~': put(u'\u00A0'); break;
    case '_': put(u'\u2011'); break;
    case '-':  // optional hyphen: only a hint for breaking lines
        break;
    case '*':
        // Only right after an opening brace: it marks a group that older readers may skip.
        if (m_groupJustOpened)
            top().dest = Dest::Skip;
        break;
    case '\r':
    case '\n':
        if (top().dest == Dest::Body)
            paragraphEnd();
        break;
    case '\t': put(u'\t'); break;
    default: break;
    }
}

void Reader::controlWord(std::string_view word, bool hasParameter, std::int64_t parameter)
{
    const auto& table = keywords();
    const auto found = table.find(word);
    if (found != table.end() && found->second.kw == Kw::Bin) {
        skipBinary(parameter);
        return;
    }
    if (consumeSkip() || top().dest == Dest::Skip || found == table.end())
        return;

    const Kw kw = found->second.kw;
    const int value = clampInt(parameter, -kMaxParameter, kMaxParameter);
    switch (kw) {
    case Kw::Ansi:
    case Kw::Mac:
    case Kw::Pc:
    case Kw::Pca:
    case Kw::AnsiCpg: codePageWord(kw, value); break;
    case Kw::Deff: m_defaultFont = value; break;
    case Kw::FontTbl:
    case Kw::F:
    case Kw::FCharset:
    case Kw::Cpg: fontWord(kw, value); break;
    case Kw::ColorTbl:
    case Kw::Red:
    case Kw::Green:
    case Kw::Blue: colorWord(kw, value); break;
    case Kw::Fs:
    case Kw::B:
    case Kw::Cf:
    case Kw::Up:
    case Kw::Dn:
    case Kw::Super:
    case Kw::Sub:
    case Kw::NoSuperSub:
    case Kw::Plain:
    case Kw::V: formatWord(kw, hasParameter, parameter); break;
    case Kw::Par:
    case Kw::Row:
    case Kw::Line:
    case Kw::Cell: breakWord(kw); break;
    case Kw::Char: put(found->second.ch); break;
    case Kw::Uc: top().uc = clampInt(parameter, 0, 16); break;
    case Kw::U: unicodeWord(hasParameter, parameter); break;
    case Kw::SkipDest: top().dest = Dest::Skip; break;
    case Kw::Info:
    case Kw::Subject:
    case Kw::Keywords: infoWord(kw); break;
    case Kw::Bin: break;
    }
}

// \info, and its \subject and \keywords. Only the first \info counts; fields elsewhere, or a
// document information inside another, are skipped as any unknown group.
void Reader::infoWord(Kw kw)
{
    Group& group = top();
    if (kw == Kw::Info) {
        group.dest = group.dest == Dest::Body && !m_infoSeen ? Dest::Info : Dest::Skip;
        m_infoSeen = true;
        return;
    }
    if (group.dest != Dest::Info) {
        group.dest = Dest::Skip;
        return;
    }
    group.dest = kw == Kw::Subject ? Dest::Subject : Dest::Keywords;
    (kw == Kw::Subject ? m_info.subject : m_info.keywords).clear();  // a field given twice: the last
}

// A field keeps what a properties dialog shows on one line, up to kMaxInfoLength characters.
void Reader::putInfo(QString& field, char16_t unit)
{
    if (field.size() >= kMaxInfoLength || unit < 0x20 || QChar::isSurrogate(unit) || unit == 0x2028
        || unit == 0x2029 || unit == 0xFFFC || unit == 0xFDD0 || unit == 0xFDD1)
        return;
    field.append(QChar(unit));
}

// \binN: N raw bytes follow; whatever they hold is not text.
void Reader::skipBinary(std::int64_t count)
{
    const qsizetype left = m_in.size() - m_pos;
    m_pos += std::clamp<qsizetype>(qsizetype(count), 0, left);
    consumeSkip();
}

// \ansi, \mac, \pc, \pca and \ansicpgN: the code page of bytes outside a font's own.
void Reader::codePageWord(Kw kw, int value)
{
    switch (kw) {
    case Kw::Ansi: setAnsiCodePage(1252); break;
    case Kw::Mac: setAnsiCodePage(10000); break;
    case Kw::Pc: setAnsiCodePage(437); break;
    case Kw::Pca: setAnsiCodePage(850); break;
    default:
        if (codePageTable(value))
            setAnsiCodePage(value);
        break;
    }
}

// \fonttbl and the words of its entries; \fN outside it chooses the font of the text.
void Reader::fontWord(Kw kw, int value)
{
    Group& group = top();
    const bool inTable = group.dest == Dest::FontTable;
    switch (kw) {
    case Kw::FontTbl:
        group.dest = Dest::FontTable;
        m_fontName.clear();
        break;
    case Kw::F:
        if (inTable) {
            commitFontName();
            m_fontEntry = value;
            m_fonts[value];
            m_tableFont = INT32_MIN;
        } else {
            group.chars.font = value;
        }
        break;
    case Kw::FCharset:
        if (inTable) {
            FontEntry& font = m_fonts[m_fontEntry];
            if (font.codePage == 0)
                font.codePage = codePageOfCharset(value);
            font.symbol = value == 2;
            m_tableFont = INT32_MIN;
        }
        break;
    default:  // \cpgN
        if (inTable) {
            m_fonts[m_fontEntry].codePage = value;
            m_tableFont = INT32_MIN;
        }
        break;
    }
}

// \colortbl and the three components of each of its colours.
void Reader::colorWord(Kw kw, int value)
{
    switch (kw) {
    case Kw::ColorTbl:
        top().dest = Dest::ColorTable;
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
        return;
    case Kw::Red: m_red = clampInt(value, 0, 255); break;
    case Kw::Green: m_green = clampInt(value, 0, 255); break;
    default: m_blue = clampInt(value, 0, 255); break;
    }
    m_colorSet = true;
}

// The words that change how the following characters look.
void Reader::formatWord(Kw kw, bool hasParameter, std::int64_t parameter)
{
    const int value = clampInt(parameter, -kMaxParameter, kMaxParameter);
    const bool on = !hasParameter || parameter != 0;
    CharState& chars = top().chars;
    switch (kw) {
    case Kw::Fs: chars.halfPoints = value > 0 ? std::min(value, kMaxHalfPoints) : kOrdinaryHalfPoints; break;
    case Kw::B: chars.bold = on; break;
    case Kw::Cf: chars.color = value; break;
    case Kw::Up:
    case Kw::Dn: {
        const int halfPoints = clampInt(parameter, -kMaxRaise / 10, kMaxRaise / 10);
        int twips = hasParameter ? halfPoints * 10 : 60;  // \up alone means 3 points
        if (halfPoints == kExponentRaiseHalfPoints || halfPoints == -kExponentRaiseHalfPoints)
            twips = halfPoints > 0 ? kExponentRaise : -kExponentRaise;
        chars.raise = kw == Kw::Up ? twips : -twips;
        break;
    }
    case Kw::Super: chars.superSub = 1; break;
    case Kw::Sub: chars.superSub = -1; break;
    case Kw::NoSuperSub:
        chars.superSub = 0;
        chars.raise = 0;
        break;
    case Kw::Plain: chars = CharState{}; break;
    default: chars.hidden = on; break;  // \v
    }
}

// \par, \row, \line and \cell: where the body's lines end.
void Reader::breakWord(Kw kw)
{
    const Group& group = top();
    if (group.dest != Dest::Body)
        return;
    switch (kw) {
    case Kw::Par: paragraphEnd(); break;
    case Kw::Row:
        m_pendingCells = 0;
        paragraphEnd();
        break;
    case Kw::Line:
        if (!group.chars.hidden)
            lineBreak();
        break;
    default:
        // A table is read as text: a row is one line, its cells separated by tabs.
        if (!group.chars.hidden)
            ++m_pendingCells;
        break;
    }
}

// \uN: one UTF-16 unit, then the group's \uc fallback characters to drop.
void Reader::unicodeWord(bool hasParameter, std::int64_t parameter)
{
    const int unit = parameter < 0 ? int(parameter) + 65536 : int(parameter);
    if (hasParameter && unit >= 0 && unit <= 0xFFFF) {
        currentTable();
        put(m_symbolFont ? fromSymbolPrivateUse(char16_t(unit)) : char16_t(unit));
    }
    m_skipUnits = top().uc;
}

void Reader::byte(unsigned char b)
{
    if (b == '\r' || b == '\n' || b == 0)
        return;  // line ends in the source carry no meaning
    if (consumeSkip())
        return;
    if (b == '\t') {
        put(u'\t');
        return;
    }
    if (b < 0x20)
        return;
    put(textCharacter(b));
}

// A stretch of plain bytes, the bulk of any file: what byte() checks for each of them is checked
// once for the whole stretch wherever that gives the same text.
void Reader::plainBytes(QByteArrayView stretch)
{
    const Group& group = top();
    const bool plainState = m_skipUnits == 0 && m_pendingHigh == 0;
    const bool fieldFull = (group.dest == Dest::Subject && m_info.subject.size() >= kMaxInfoLength)
                           || (group.dest == Dest::Keywords && m_info.keywords.size() >= kMaxInfoLength);
    if (plainState
        && (group.dest == Dest::Skip || group.dest == Dest::Info || fieldFull
            || (group.dest == Dest::Body && group.chars.hidden)))
        return;
    currentTable();
    if (!plainState || group.dest != Dest::Body || m_symbolFont) {
        for (qsizetype i = 0; i < stretch.size() && !m_finished; ++i)
            byte(static_cast<unsigned char>(stretch[i]));
        return;
    }
    // The first character opens the line and the run as any other would.
    append(char16_t(static_cast<unsigned char>(stretch.front())));
    const QByteArrayView rest = stretch.sliced(1);
    if (m_finished || rest.isEmpty())
        return;
    if (m_lineLength + rest.size() > kMaxLineLength || m_characters + rest.size() > kMaxCharacters) {
        for (qsizetype i = 0; i < rest.size() && !m_finished; ++i)
            append(char16_t(static_cast<unsigned char>(rest[i])));
        return;
    }
    m_lineLength += int(rest.size());
    m_characters += int(rest.size());
    m_run.append(QLatin1StringView(rest.data(), rest.size()));
}

// A byte of text as the current font reads it: through the Symbol encoding in a symbol font (where
// even letters are Greek), else through the font's or the document's code page.
char16_t Reader::textCharacter(unsigned char b)
{
    const auto* table = currentTable();
    if (m_symbolFont)
        return symbolCharacter(b);
    return b < 0x80 ? char16_t(b) : (*table)[b - 0x80];
}

const std::array<char16_t, 128>* Reader::currentTable()
{
    const int font = top().chars.font < 0 ? m_defaultFont : top().chars.font;
    if (font != m_tableFont || !m_table) {
        m_tableFont = font;
        m_table = nullptr;
        const auto it = m_fonts.constFind(font);
        m_symbolFont = it != m_fonts.cend() && it->symbol;
        if (it != m_fonts.cend() && it->codePage != 0)
            m_table = codePageTable(it->codePage);
        if (!m_table)
            m_table = codePageTable(m_ansiCodePage);
        if (!m_table)
            m_table = codePageTable(1252);
    }
    return m_table;
}

void Reader::put(char16_t unit)
{
    const Group& group = top();
    switch (group.dest) {
    case Dest::Skip: return;
    case Dest::FontTable:
        if (unit == u';')
            commitFontName();
        else if (m_fontName.size() < 256 && unit >= 0x20 && unit != 0x2028 && unit != 0x2029
                 && unit != 0xFFFC)
            m_fontName.append(QChar(unit));
        return;
    case Dest::ColorTable:
        if (unit == u';')
            commitColor();
        return;
    case Dest::Info: return;
    case Dest::Subject: putInfo(m_info.subject, unit); return;
    case Dest::Keywords: putInfo(m_info.keywords, unit); return;
    case Dest::Body: break;
    }
    if (group.chars.hidden)
        return;
    putChecked(unit);
}

// Text goes to the document only as well-formed UTF-16, without characters that would make a
// block of their own behind the reader's back.
void Reader::putChecked(char16_t unit)
{
    if (m_pendingHigh == 0 && unit >= 0x20 && unit < 0x2028) {  // no surrogate, no separator
        append(unit);
        return;
    }
    if (m_pendingHigh) {
        const char16_t high = m_pendingHigh;
        m_pendingHigh = 0;
        if (QChar::isLowSurrogate(unit)) {
            append(high);
            append(unit);
            return;
        }
        append(u'\uFFFD');
    }
    if (QChar::isHighSurrogate(unit)) {
        m_pendingHigh = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        append(u'\uFFFD');
        return;
    }
    if (unit == 0x2028 || unit == 0x2029) {
        lineBreak();
        return;
    }
    // U+FDD0/U+FDD1 mark frames inside QTextDocument; U+FFFC stands for an embedded object.
    if ((unit < 0x20 && unit != u'\t') || unit == 0xFFFC || unit == 0xFDD0 || unit == 0xFDD1)
        return;
    append(unit);
}

void Reader::append(char16_t unit)
{
    materializeBreaks();
    if (m_pendingCells > 0) {
        const int cells = m_pendingCells;
        m_pendingCells = 0;
        for (int i = 0; i < cells; ++i)
            append(u'\t');
    }
    // Laying out a line costs more than its length; stop before the windows would stall.
    if (++m_lineLength > kMaxLineLength) {
        refuse(QStringLiteral("Il file ha una riga troppo lunga per un esercizio (più di %1 caratteri).")
                   .arg(kMaxLineLength));
        return;
    }
    if (++m_characters > kMaxCharacters) {
        refuse(QStringLiteral("Il file contiene troppo testo per un esercizio (più di %1 caratteri).")
                   .arg(kMaxCharacters));
        return;
    }
    const RunKey key = currentKey();
    if (!m_run.isEmpty() && !(key == m_runKey))
        flushRun();
    m_runKey = key;
    m_run.append(QChar(unit));
}

void Reader::refuse(const QString& reason)
{
    if (m_refusal.isEmpty())
        m_refusal = reason;
    m_finished = true;
}

// A high surrogate left waiting when its line ends stays on that line.
void Reader::dropPendingHigh()
{
    if (m_pendingHigh) {
        m_pendingHigh = 0;
        append(u'\uFFFD');
    }
}

void Reader::paragraphEnd()
{
    dropPendingHigh();
    materializeBreaks();
    m_pendingPar = true;
}

void Reader::lineBreak()
{
    dropPendingHigh();
    materializeBreaks();
    m_pendingPar = true;
    materializeBreaks();
}

void Reader::materializeBreaks()
{
    if (!m_pendingPar)
        return;
    m_pendingPar = false;
    m_pendingCells = 0;
    flushRun();
    // Every line costs the document a block; past the limit the answer is known, stop reading.
    if (++m_lines > kMaxReadLines) {
        refuse(QStringLiteral("Il file ha troppe righe per un esercizio (più di %1).").arg(kMaxReadLines));
        return;
    }
    m_lineLength = 0;
    m_cursor->insertBlock(QTextBlockFormat(), formatFor(currentKey()));
}

void Reader::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor->insertText(m_run, formatFor(m_runKey));
    m_run.clear();
}

RunKey Reader::currentKey() const
{
    const CharState& chars = m_groups.back().chars;
    RunKey key;
    key.font = chars.font < 0 ? m_defaultFont : chars.font;
    key.halfPoints = chars.halfPoints;
    key.bold = chars.bold;
    key.color = chars.color > 0 && size_t(chars.color) < m_colors.size() && m_colors[chars.color]
                    ? chars.color
                    : -1;
    key.raise = chars.raise != 0 ? chars.raise : chars.superSub * kExponentRaise;
    return key;
}

QTextCharFormat Reader::formatFor(const RunKey& key)
{
    for (const auto& [known, format] : m_formats) {
        if (known == key)
            return format;
    }
    QTextCharFormat format;
    const auto font = m_fonts.constFind(key.font);
    const QString family
        = font != m_fonts.cend() && font->named ? font->name : QString::fromLatin1(kExerciseFontFamily);
    format.setFontFamilies({family});
    format.setFontPointSize(key.halfPoints / 2.0);
    format.setFontWeight(key.bold ? QFont::Bold : QFont::Normal);
    if (key.color >= 0)
        format.setForeground(*m_colors[size_t(key.color)]);
    setRaise(format, key.raise);
    if (m_formats.size() >= 32)
        m_formats.erase(m_formats.begin());
    m_formats.emplace_back(key, format);
    return format;
}

// Entries are counted by their ';', so a table without the empty first entry keeps its numbers.
void Reader::commitColor()
{
    if (m_colorSet)
        m_colors.emplace_back(QColor(m_red, m_green, m_blue));
    else
        m_colors.emplace_back(std::nullopt);
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
}

void Reader::commitFontName()
{
    const QString name = m_fontName.trimmed();
    m_fontName.clear();
    if (name.isEmpty())
        return;
    FontEntry& font = m_fonts[m_fontEntry];
    if (!font.named) {
        font.name = name;
        font.named = true;
        m_formats.clear();
    }
}

}  // namespace

QString tooBigMessage()
{
    return QStringLiteral("Il file è troppo grande (più di %1 MiB).").arg(kMaxFileSizeMiB);
}

ReadResult read(QByteArrayView bytes)
{
    Reader reader(bytes);
    return reader.run();
}

}  // namespace quintavia::rtf
