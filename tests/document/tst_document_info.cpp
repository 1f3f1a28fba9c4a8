// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_file.h"
#include "document/document_info.h"
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"
#include "test_main.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

using namespace quintavia;

namespace {

const QByteArray kGenerated = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}}\r\n"
                              "{\\info{\\subject Prima media}{\\keywords livello 3; tema potenze; seme 12; numero 2}}\r\n"
                              "\\viewkind4\\uc1\\pard\\f0\\fs24 2\\fs16\\b\\up8 3\\fs24\\b0\\up0  + 1\\par\r\n"
                              "= 8 + 1\\par\r\n= 9\\par\r\n}\r\n";

}  // namespace

class TestDocumentInfo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsInfoAndTheSameText_data();
    void readsInfoAndTheSameText();
    void readsOriginOrNone_data();
    void readsOriginOrNone();
    void editsDropTheSeedNotTheLevel_data();
    void editsDropTheSeedNotTheLevel();
    void writesInfoThatReadsBack();
};

void TestDocumentInfo::readsInfoAndTheSameText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("text");

    QTest::newRow("generated") << kGenerated << u"Prima media"_qs
                               << u"livello 3; tema potenze; seme 12; numero 2"_qs << u"23 + 1\r\n= 8 + 1\r\n= 9"_qs;
    QTest::newRow("none") << QByteArray("{\\rtf1 a\\par b}") << QString() << QString() << u"a\r\nb"_qs;
    QTest::newRow("a word processor's fields")
        << QByteArray("{\\rtf1{\\info{\\title T}{\\author A}{\\creatim\\yr2026\\mo1}{\\subject S}{\\doccomm C}"
                      "{\\keywords K}{\\*\\company X}}x}")
        << u"S"_qs << u"K"_qs << u"x"_qs;
    QTest::newRow("escapes") << QByteArray("{\\rtf1{\\info{\\subject Quinta \\'e8 \\{\\}\\\\}{\\keywords \\u945?b}}x}")
                             << u"Quinta è {}\\"_qs << u"αb"_qs << u"x"_qs;
    QTest::newRow("in the middle of the text")
        << QByteArray("{\\rtf1 a{\\info{\\keywords k}}b}") << QString() << u"k"_qs << u"ab"_qs;
    QTest::newRow("breaks and controls dropped")
        << QByteArray("{\\rtf1{\\info{\\keywords a\\par b\\line c\\tab d\\cell e}}x}") << QString() << u"abcde"_qs
        << u"x"_qs;
    QTest::newRow("field outside info") << QByteArray("{\\rtf1{\\keywords k}{\\subject s}x}") << QString()
                                        << QString() << u"x"_qs;
    QTest::newRow("info inside info") << QByteArray("{\\rtf1{\\info{\\info{\\keywords k}}}x}") << QString()
                                      << QString() << u"x"_qs;
    QTest::newRow("second info") << QByteArray("{\\rtf1{\\info{\\keywords a}}{\\info{\\keywords b}}x}")
                                 << QString() << u"a"_qs << u"x"_qs;
    QTest::newRow("field twice") << QByteArray("{\\rtf1{\\info{\\subject a}{\\subject b}}x}") << u"b"_qs
                                 << QString() << u"x"_qs;
    QTest::newRow("starred") << QByteArray("{\\rtf1{\\*\\info{\\keywords k}}x}") << QString() << QString()
                             << u"x"_qs;
    QTest::newRow("huge field") << "{\\rtf1{\\info{\\keywords " + QByteArray(4 << 20, 'k') + "}}x}" << QString()
                                << QString(kMaxInfoLength, u'k') << u"x"_qs;
    QTest::newRow("deeply nested") << "{\\rtf1{\\info{\\keywords " + QByteArray(900, '{') + "k"
                                          + QByteArray(900, '}') + "}}x}"
                                   << QString() << u"k"_qs << u"x"_qs;
    QTest::newRow("unclosed") << QByteArray("{\\rtf1 x{\\info{\\keywords livello 3") << QString()
                              << u"livello 3"_qs << u"x"_qs;
}

// What a file says of itself never changes the lines the windows show.
void TestDocumentInfo::readsInfoAndTheSameText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, subject);
    QFETCH(QString, keywords);
    QFETCH(QString, text);
    const rtf::ReadResult read = rtf::read(rtf);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(plainText(*read.document), text);
    const DocumentInfo info = documentInfo(*read.document);
    QCOMPARE(info.subject, subject);
    QCOMPARE(info.keywords, keywords);
}

void TestDocumentInfo::readsOriginOrNone_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<bool>("ours");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("seed");  // empty: none
    QTest::addColumn<int>("number");

    QTest::newRow("all") << u"livello 3; tema potenze; seme 12; numero 2"_qs << true << 3 << u"potenze"_qs
                         << u"12"_qs << 2;
    QTest::newRow("level alone") << u"livello 1"_qs << true << 1 << QString() << QString() << 0;
    QTest::newRow("order, case, blanks") << u" SEME 7 ;Livello  2;"_qs << true << 2 << QString() << u"7"_qs << 0;
    QTest::newRow("largest seed") << u"livello 5; seme 18446744073709551615"_qs << true << 5 << QString()
                                  << u"18446744073709551615"_qs << 0;
    QTest::newRow("level 99: the reader's call") << u"livello 99"_qs << true << 99 << QString() << QString() << 0;
    QTest::newRow("level 0") << u"livello 0"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("negative level") << u"livello -3"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("huge level") << u"livello 99999999999"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("seed past 64 bits") << u"livello 2; seme 18446744073709551616"_qs << false << 0 << QString()
                                       << QString() << 0;
    QTest::newRow("seed of 40 digits") << u"livello 2; seme 1234567890123456789012345678901234567890"_qs << false
                                       << 0 << QString() << QString() << 0;
    QTest::newRow("number 0") << u"livello 2; numero 0"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("item twice") << u"livello 2; livello 3"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("someone else's") << u"aritmetica, scuola"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("an item of theirs") << u"livello 2; autore Rossi"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("no level") << u"tema potenze; seme 3"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("theme not a word") << u"livello 2; tema {x}"_qs << false << 0 << QString() << QString() << 0;
    QTest::newRow("empty") << QString() << false << 0 << QString() << QString() << 0;
}

void TestDocumentInfo::readsOriginOrNone()
{
    QFETCH(QString, keywords);
    QFETCH(bool, ours);
    const std::optional<ExerciseOrigin> origin = originOf(keywords);
    QCOMPARE(origin.has_value(), ours);
    if (!ours)
        return;
    QFETCH(int, level);
    QFETCH(QString, theme);
    QFETCH(QString, seed);
    QFETCH(int, number);
    QCOMPARE(origin->level, level);
    QCOMPARE(origin->theme, theme);
    QCOMPARE(origin->seed ? QString::number(*origin->seed) : QString(), seed);
    QCOMPARE(origin->number, number);
    QCOMPARE(originOf(originKeywords(*origin)), origin);
}

void TestDocumentInfo::editsDropTheSeedNotTheLevel_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("keywords");

    const QString all = u"livello 3; tema potenze; seme 12; numero 2"_qs;
    QTest::newRow("none") << 0 << all;
    QTest::newRow("a colour") << 1 << all;
    QTest::newRow("a changed line") << 2 << u"livello 3; tema potenze"_qs;
    QTest::newRow("a line more") << 3 << u"livello 3; tema potenze"_qs;
    QTest::newRow("changed and changed back") << 4 << all;
}

// A teacher opens a generated exercise and saves it: the file still says its level, and says it
// was made from a seed only while the lines are the ones the seed made.
void TestDocumentInfo::editsDropTheSeedNotTheLevel()
{
    QFETCH(int, edit);
    QFETCH(QString, keywords);
    rtf::ReadResult read = rtf::read(kGenerated);
    QVERIFY(read.ok());
    QTextDocument& document = *read.document;
    QTextCursor cursor(document.lastBlock());
    switch (edit) {
    case 1: {
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat red;
        red.setForeground(Qt::red);
        cursor.mergeCharFormat(red);
        break;
    }
    case 2: cursor.insertText(u"1"_qs); break;
    case 3:
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(u"\n= 9"_qs);
        break;
    case 4:
        cursor.insertText(u"1"_qs);
        cursor.deletePreviousChar();
        break;
    default: break;
    }
    const rtf::ReadResult saved = rtf::read(rtf::write(document));
    QVERIFY(saved.ok());
    QCOMPARE(documentInfo(*saved.document), (DocumentInfo{u"Prima media"_qs, keywords}));
}

void TestDocumentInfo::writesInfoThatReadsBack()
{
    QTextDocument document(u"3 + 4\n= 7"_qs);
    const QByteArray without = rtf::write(document);
    QVERIFY(!without.contains("\\info"));
    const DocumentInfo info{u"Quinta primaria è {1} \\ α"_qs, u"livello 2; seme 5"_qs};
    setDocumentInfo(document, info);
    const QByteArray with = rtf::write(document);
    QVERIFY2(with.contains("{\\info{\\subject Quinta primaria \\'e8 \\{1\\} \\\\ \\u945?}{\\keywords livello 2; seme 5}}"),
             with.constData());
    QCOMPARE(QByteArray(with).replace(QByteArray("{\\info{\\subject Quinta primaria \\'e8 \\{1\\} \\\\ \\u945?}"
                                                 "{\\keywords livello 2; seme 5}}\r\n"),
                                      QByteArray()),
             without);
    const rtf::ReadResult back = rtf::read(with);
    QVERIFY(back.ok());
    QCOMPARE(documentInfo(*back.document), info);
    QCOMPARE(rtf::write(*back.document), with);
}

QUINTAVIA_TEST_MAIN(TestDocumentInfo)
#include "tst_document_info.moc"
