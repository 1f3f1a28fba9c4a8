// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_file.h"
#include "document/document_info.h"
#include "document/rtf_reader.h"
#include "test_main.h"

#include <QTest>

using namespace quintavia;

class TestDocumentInfo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsInfoAndTheSameText_data();
    void readsInfoAndTheSameText();
    void readsOriginOrNone_data();
    void readsOriginOrNone();
};

void TestDocumentInfo::readsInfoAndTheSameText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("read");  // subject|keywords|text
    auto row = [](const char* name, const QByteArray& rtf, const QString& read) { QTest::newRow(name) << rtf << read; };
    row("generated", "{\\rtf1{\\fonttbl{\\f0 Comic Sans MS;}}\r\n{\\info{\\subject Prima media}{\\keywords livello 3; seme 1}}"
                     "\r\n\\pard 2\\up8 3\\up0  + 1\\par\r\n= 9\\par\r\n}",
        u"Prima media|livello 3; seme 1|23 + 1\r\n= 9"_qs);
    row("none", "{\\rtf1 a\\par b}", u"||a\r\nb"_qs);
    row("a word processor's fields", "{\\rtf1{\\info{\\title T}{\\author A}{\\creatim\\yr2026}{\\subject S}{\\keywords K}}x}",
        u"S|K|x"_qs);
    row("escapes", "{\\rtf1{\\info{\\subject \\'e8 \\{\\}\\\\}{\\keywords \\u945?b}}x}", u"è {}\\|αb|x"_qs);
    row("amid the text", "{\\rtf1 a{\\info{\\keywords k}}b}", u"|k|ab"_qs);
    row("breaks and controls dropped", "{\\rtf1{\\info{\\keywords a\\par b\\line c\\tab d\\cell e}}x}", u"|abcde|x"_qs);
    row("fields outside info", "{\\rtf1{\\keywords k}{\\subject s}x}", u"||x"_qs);
    row("info inside info", "{\\rtf1{\\info{\\info{\\keywords k}}}x}", u"||x"_qs);
    row("a second info", "{\\rtf1{\\info{\\keywords a}}{\\info{\\keywords b}}x}", u"|a|x"_qs);
    row("huge", "{\\rtf1{\\info{\\keywords " + QByteArray(4 << 20, 'k') + "}}x}", u"|"_qs + QString(kMaxInfoLength, u'k') + u"|x"_qs);
    row("deeply nested", "{\\rtf1{\\info{\\keywords " + QByteArray(900, '{') + "k" + QByteArray(900, '}') + "}}x}", u"|k|x"_qs);
    row("unclosed", "{\\rtf1 x{\\info{\\keywords livello 3", u"|livello 3|x"_qs);
}

// What a file says of itself never changes the lines the windows show.
void TestDocumentInfo::readsInfoAndTheSameText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, read);
    const rtf::ReadResult result = rtf::read(rtf);
    QVERIFY2(result.ok(), qPrintable(result.error));
    const DocumentInfo info = documentInfo(*result.document);
    QCOMPARE(info.subject + u'|' + info.keywords + u'|' + plainText(*result.document), read);
}

void TestDocumentInfo::readsOriginOrNone_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("origin");  // written again; empty: not ours
    auto row = [](const char* name, const QString& keywords, const QString& origin) {
        QTest::newRow(name) << keywords << origin;
    };
    row("all", u"livello 3; tema potenze; seme 12; numero 2"_qs, u"livello 3; tema potenze; seme 12; numero 2"_qs);
    row("order, case, blanks", u" SEME 7 ;Livello  2;"_qs, u"livello 2; seme 7"_qs);
    row("largest seed", u"livello 5; seme 18446744073709551615"_qs, u"livello 5; seme 18446744073709551615"_qs);
    row("level 99: the reader's call", u"livello 99"_qs, u"livello 99"_qs);
    row("level 0", u"livello 0"_qs, QString());
    row("negative level", u"livello -3"_qs, QString());
    row("level past an int", u"livello 99999999999"_qs, QString());
    row("seed past 64 bits", u"livello 2; seme 18446744073709551616"_qs, QString());
    row("seed of 40 digits", u"livello 2; seme 1234567890123456789012345678901234567890"_qs, QString());
    row("number 0", u"livello 2; numero 0"_qs, QString());
    row("an item twice", u"livello 2; livello 3"_qs, QString());
    row("someone else's", u"aritmetica, scuola"_qs, QString());
    row("an item of theirs", u"livello 2; autore Rossi"_qs, QString());
    row("no level", u"tema potenze; seme 3"_qs, QString());
    row("a theme that is no word", u"livello 2; tema {x}"_qs, QString());
}

void TestDocumentInfo::readsOriginOrNone()
{
    QFETCH(QString, keywords);
    QFETCH(QString, origin);
    const std::optional<ExerciseOrigin> read = originOf(keywords);
    QCOMPARE(read ? originKeywords(*read) : QString(), origin);
}

QUINTAVIA_TEST_MAIN(TestDocumentInfo)
#include "tst_document_info.moc"
