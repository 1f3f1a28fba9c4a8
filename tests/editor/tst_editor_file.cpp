// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_rig.h"

#include "document/char_format.h"
#include "document/document_info.h"
#include "document/document_file.h"

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
    QTest::addColumn<QString>("work");   // before the save, after opening a collection file
    QTest::addColumn<QString>("saved");  // the saved file's subject|keywords
    QTest::newRow("saved as it was") << u""_qs << u"Prima media|livello 3; seme 2029; numero 1"_qs;
    QTest::newRow("a colour") << u"colour"_qs << u"Prima media|livello 3; seme 2029; numero 1"_qs;
    QTest::newRow("a line changed: the seed goes, the level stays") << u"type"_qs << u"Prima media|livello 3"_qs;
    QTest::newRow("Nuova") << u"nuova"_qs << u"|"_qs;
    QTest::newRow("Nuovo esercizio") << u"generate"_qs << u"Quinta primaria|livello 2; seme 77"_qs;
    // Ctrl+Z after "Nuovo esercizio" gives the earlier lines back, and with them what was true of them.
    QTest::newRow("Nuovo esercizio undone") << u"generate,undo"_qs << u"Prima media|livello 3; seme 2029; numero 1"_qs;
    QTest::newRow("Nuovo esercizio undone and redone")
        << u"generate,undo,redo"_qs << u"Quinta primaria|livello 2; seme 77"_qs;
    QTest::newRow("a line changed, Nuovo esercizio undone") << u"type,generate,undo"_qs << u"Prima media|livello 3"_qs;
}

// A teacher's edits never make a file say what is no longer true of it.
void TestEditorFile::savedFileSaysWhatMadeIt()
{
    QFETCH(QString, work);
    QFETCH(QString, saved);
    QTemporaryDir dir;
    EditorRig r;
    r.w->setSeedSource([] { return 77; });
    r.h.dialogs.answerOpen(QStringLiteral(QUINTAVIA_SOURCE_DIR "/esercizi/3 - Prima media/es01.rtf"));
    r.click("cmdModifica");
    r.select(0, 3);
    for (const QString& step : work.split(u',', Qt::SkipEmptyParts)) {
        if (step == u"colour") {
            r.h.dialogs.answerColor(QColor(200, 0, 0));
            r.click("cmdColore");
        } else if (step == u"type") {
            r.click("Cmd_1");
        } else if (step == u"undo" || step == u"redo") {
            QTest::keyClick(r.box(), Qt::Key_Z, step == u"undo" ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            r.h.dialogs.answerQuestion(false);  // "Salvi il lavoro fatto?"
            step == u"nuova" ? r.nuova() : r.w->newExercise(2);
        }
    }
    r.h.dialogs.answerSave(dir.filePath("esercizio.rtf"));
    r.click("cmdSalva");
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
    const rtf::ReadResult read = readDocumentFile(dir.filePath("esercizio.rtf"));
    QVERIFY(read.ok());
    QCOMPARE(documentInfo(*read.document).subject + u'|' + documentInfo(*read.document).keywords, saved);
}

QUINTAVIA_TEST_MAIN(TestEditorFile)
#include "tst_editor_file.moc"
