// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_rig.h"

#include "document/char_format.h"
#include "document/document_info.h"
#include "document/rtf_reader.h"

#include <QSet>
#include <QTemporaryDir>

using namespace quintavia;
using test::EditorRig;

namespace {

// One character as the box holds it: what the file must give back.
struct Glyph {
    QChar character;
    QColor colour;
    double points;
    bool bold;
    int raise;
    bool operator==(const Glyph&) const = default;
};

QString describe(const Glyph& g)
{
    return QStringLiteral("'%1' %2 %3pt%4 raise %5")
        .arg(g.character)
        .arg(g.colour.name())
        .arg(g.points)
        .arg(g.bold ? QStringLiteral(" bold") : QString())
        .arg(g.raise);
}

QList<Glyph> glyphs(const QTextDocument& document)
{
    QList<Glyph> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            const QColor colour
                = f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(Qt::black);
            for (const QChar c : fragment.text())
                result.append({c, colour, f.fontPointSize(), f.fontWeight() == QFont::Bold, raiseOf(f)});
        }
        result.append({QChar(u'\n'), {}, 0, false, 0});
    }
    return result;
}

}  // namespace

class TestEditorFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedFileReadsBackTheSame_data();
    void savedFileReadsBackTheSame();
    void savedFileSaysWhatMadeIt_data();
    void savedFileSaysWhatMadeIt();
};

void TestEditorFile::savedFileReadsBackTheSame_data()
{
    // Each step: a key's objectName, "invio", "colour #rrggbb" (on the selection or what comes
    // next), "select a b", or "end" (caret to the end).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("formats");  // distinct character formats written
    QTest::newRow("exponents and brackets") << QStringList{"Cmd_graffa_aperta",
                                                           "Cmd_quadra_aperta",
                                                           "Cmd_tonda_aperta",
                                                           "Cmd_2",
                                                           "Cmd_cubo",
                                                           "Cmd_più",
                                                           "Cmd_1",
                                                           "Cmd_tonda_chiusa",
                                                           "Cmd_per",
                                                           "Cmd_3",
                                                           "cmd_prima",
                                                           "cmd_alla0",
                                                           "Cmd_quadra_chiusa",
                                                           "Cmd_diviso",
                                                           "Cmd_5",
                                                           "Cmd_graffa_chiusa",
                                                           "invio",
                                                           "Cmd_4",
                                                           "cmd_puntino",
                                                           "Cmd_7",
                                                           "Cmd_virgola",
                                                           "Cmd_5",
                                                           "cmd_slash",
                                                           "Cmd_2"}
                                            << QString::fromUtf8("{[(23+1)x310]:5}\r\n4·7,5/2") << 2;
    QTest::newRow("coloured selection and next text")
        << QStringList{"Cmd_1",          "Cmd_2",    "Cmd_più",        "Cmd_3",      "select 1 3",
                       "colour #c80000", "end",      "colour #0000c8", "Cmd_uguale", "cmd_allanona",
                       "invio",          "Cmd_meno", "Cmd_6"}
        << QString::fromUtf8("12+3=9\r\n-6") << 4;
    QTest::newRow("empty last line") << QStringList{"Cmd_8", "invio", "Cmd_0", "invio"} << "8\r\n0\r\n" << 1;
}

void TestEditorFile::savedFileReadsBackTheSame()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(int, formats);
    QTemporaryDir dir;
    const QString path = dir.filePath("esercizio.rtf");
    QList<Glyph> written;
    {
        EditorRig r;
        r.nuova();
        for (const QString& step : steps) {
            const QStringList words = step.split(' ');
            if (step == QLatin1String("invio")) {
                r.click("Cmd_invio");
            } else if (words[0] == QLatin1String("colour")) {
                r.h.dialogs.answerColor(QColor(words[1]));
                r.click("cmdColore");
            } else if (words[0] == QLatin1String("select")) {
                r.select(words[1].toInt(), words[2].toInt());
            } else if (step == QLatin1String("end")) {
                r.caretAtEnd();
            } else {
                r.click(step.toUtf8().constData());
            }
        }
        QCOMPARE(r.box()->text(), text);
        r.h.dialogs.answerSave(path);
        r.click("cmdSalva");
        QVERIFY(r.h.dialogs.unexpected.isEmpty());
        written = glyphs(*r.box()->document());
    }
    QSet<QString> distinct;
    for (Glyph g : written) {
        if (g.character != u'\n') {
            g.character = u' ';
            distinct.insert(describe(g));
        }
    }
    QCOMPARE(distinct.size(), formats);

    // Opened again in a fresh editor, as the teacher would.
    EditorRig r;
    r.h.dialogs.answerOpen(path);
    r.click("cmdModifica");
    QCOMPARE(r.box()->text(), text);
    const QList<Glyph> read = glyphs(*r.box()->document());
    QCOMPARE(read.size(), written.size());
    for (qsizetype i = 0; i < read.size(); ++i)
        QVERIFY2(
            read[i] == written[i],
            qPrintable(
                QStringLiteral("%1: %2 read as %3").arg(i).arg(describe(written[i]), describe(read[i]))));
}

void TestEditorFile::savedFileSaysWhatMadeIt_data()
{
    QTest::addColumn<QString>("work");  // what the teacher does before saving
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("keywords");
    const QString opened = u"Prima media"_qs;
    QTest::newRow("a generated file opened and saved") << u"open"_qs << opened << u"livello 3; seme 2029; numero 1"_qs;
    QTest::newRow("a colour given") << u"open, colour"_qs << opened << u"livello 3; seme 2029; numero 1"_qs;
    QTest::newRow("a line changed: the level stays, the seed goes") << u"open, type"_qs << opened << u"livello 3"_qs;
    QTest::newRow("Nuova after it") << u"open, nuova, type"_qs << QString() << QString();
    QTest::newRow("Nuovo esercizio after it") << u"open, generate"_qs << u"Quinta primaria"_qs << u"livello 2; seme 77"_qs;
}

// A teacher's edits never make a file say what is no longer true of it.
void TestEditorFile::savedFileSaysWhatMadeIt()
{
    QFETCH(QString, work);
    QFETCH(QString, subject);
    QFETCH(QString, keywords);
    QTemporaryDir dir;
    const QString path = dir.filePath("esercizio.rtf");
    EditorRig r;
    r.w->setSeedSource([] { return 77; });
    for (const QString& step : work.split(u", "_qs)) {
        if (step == u"open") {
            r.h.dialogs.answerOpen(QStringLiteral(QUINTAVIA_SOURCE_DIR "/esercizi/3 - Prima media/es01.rtf"));
            r.click("cmdModifica");
        } else if (step == u"colour") {
            r.select(0, 3);
            r.h.dialogs.answerColor(QColor(200, 0, 0));
            r.click("cmdColore");
        } else if (step == u"type") {
            r.caretAtEnd();
            r.click("Cmd_1");
        } else if (step == u"nuova") {
            r.h.dialogs.answerQuestion(false);  // "Salvi il lavoro fatto?"
            r.nuova();
        } else {
            r.h.dialogs.answerQuestion(false);
            r.w->newExercise(2);
        }
    }
    r.h.dialogs.answerSave(path);
    r.click("cmdSalva");
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const rtf::ReadResult read = rtf::read(file.readAll());
    QVERIFY(read.ok());
    QCOMPARE(documentInfo(*read.document), (DocumentInfo{subject, keywords}));
}

QUINTAVIA_TEST_MAIN(TestEditorFile)
#include "tst_editor_file.moc"
