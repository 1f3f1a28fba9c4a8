// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/char_format.h"
#include "document/document_file.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

using namespace quintavia;

class TestRtfFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readRefusesWithReason_data();
    void readRefusesWithReason();
    void saveReplacesWholeFileAndReadsBack();
    void failedSaveReportsAndKeepsOldFile_data();
    void failedSaveReportsAndKeepsOldFile();
    void plainTextKeepsCharactersAsTyped();
};

void TestRtfFile::readRefusesWithReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // null: create nothing
    QTest::addColumn<qint64>("size");         // grow the file to this size
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing.rtf" << QByteArray() << qint64(0) << "Il file non esiste.";
    QTest::newRow("folder") << "folder.rtf" << QByteArray() << qint64(-1) << "cartella";
    QTest::newRow("empty") << "empty.rtf" << QByteArray("") << qint64(0) << "Il file è vuoto.";
    QTest::newRow("not rtf") << "text.rtf" << QByteArray("3+4\r\n") << qint64(0)
                             << "Il file non è in formato RTF.";
    QTest::newRow("too big") << "big.rtf" << QByteArray("{\\rtf1 ") << qint64(16 * 1024 * 1024 + 1)
                             << "troppo grande";
}

void TestRtfFile::readRefusesWithReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (size < 0) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        if (size > 0)
            QVERIFY(file.resize(size));
    }
    const rtf::ReadResult result = readDocumentFile(path);
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
}

void TestRtfFile::saveReplacesWholeFileAndReadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"esercizio.rtf"_qs);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat exponent = baseCharFormat();
    exponent.setFontPointSize(8);
    exponent.setFontWeight(QFont::Bold);
    setRaise(exponent, 85);
    cursor.insertText(u"5"_qs, baseCharFormat());
    cursor.insertText(u"2"_qs, exponent);
    cursor.insertBlock();
    cursor.insertText(u"= 25"_qs, baseCharFormat());
    cursor.insertBlock();

    QString error;
    QVERIFY2(writeDocumentFile(path, document, &error), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"esercizio.rtf"_qs});
    const rtf::ReadResult back = readDocumentFile(path);
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(plainText(*back.document), u"52\r\n= 25\r\n"_qs);
    QTextCursor at(back.document.get());
    at.setPosition(2);
    QCOMPARE(raiseOf(at.charFormat()), 85);
}

void TestRtfFile::failedSaveReportsAndKeepsOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << "nessuna/cartella/esercizio.rtf";
    QTest::newRow("target is a folder") << "cartella.rtf";
}

void TestRtfFile::failedSaveReportsAndKeepsOldFile()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"cartella.rtf"_qs));
    QFile keep(dir.filePath(u"cartella.rtf/vecchio.rtf"_qs));
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("{\\rtf1 vecchio}");
    keep.close();

    QTextDocument document(u"nuovo"_qs);
    QString error;
    QVERIFY(!writeDocumentFile(dir.filePath(target), document, &error));
    QVERIFY(error.startsWith(u"Impossibile"_qs));
    QVERIFY(keep.open(QIODevice::ReadOnly));
    QCOMPARE(keep.readAll(), QByteArray("{\\rtf1 vecchio}"));
}

void TestRtfFile::plainTextKeepsCharactersAsTyped()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(u" 3\u00A0\u00B7 4\u2028x "_qs);
    cursor.insertBlock();
    cursor.insertBlock();
    QCOMPARE(plainText(document), u" 3\u00A0\u00B7 4\r\nx \r\n\r\n"_qs);
}

QUINTAVIA_TEST_MAIN(TestRtfFile)
#include "tst_rtf_file.moc"
