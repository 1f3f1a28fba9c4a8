// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise documents as lines with raised flags, and chains written back as documents.
#include "arithmetic/limits.h"
#include "document/char_format.h"
#include "document/rtf_reader.h"
#include "document/rtf_writer.h"
#include "exercise/exercise_lines.h"
#include "exercise/step_generation.h"

#include <QTest>
#include <QTextBlock>

using namespace quintavia;

namespace {

// "(((1+1)+1)+1)+1" with `groups` brackets: its chain in school order has groups + 2 lines.
QString nested(int groups)
{
    QString expression = QStringLiteral("1+1");
    for (int i = 0; i < groups; ++i)
        expression = QLatin1Char('(') + expression + QStringLiteral(")+1");
    return expression;
}

std::vector<arithmetic::Line> linesOf(const QStringList& texts)
{
    std::vector<arithmetic::Line> lines;
    for (const QString& text : texts)
        lines.push_back(arithmetic::plainLine(text.toStdString()));
    return lines;
}

}  // namespace

class TestExerciseLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void raisedCharacters_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("lines");
        const QByteArray head = "{\\rtf1\\ansi{\\fonttbl{\\f0 Comic Sans MS;}}\\f0\\fs24 ";
        QTest::newRow("exponent raised by the keypad")
            << head + "3\\up8\\b\\fs16 2\\up0\\b0\\fs24  + 1\\par = 10}" << QStringList{"3^2 + 1", "= 10"};
        QTest::newRow("superscript") << head + "3{\\super 2} + 1}" << QStringList{"3^2 + 1"};
        QTest::newRow("lowered is not raised") << head + "3{\\dn4 2}}" << QStringList{"32"};
        QTest::newRow("line break inside a paragraph")
            << head + "1 + 1\\line = 2}" << QStringList{"1 + 1", "= 2"};
    }
    void raisedCharacters()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, lines);
        const rtf::ReadResult result = rtf::read(rtf);
        QVERIFY(result.ok());
        QStringList found;
        for (const arithmetic::Line& line : exercise::linesOfDocument(*result.document))
            found << QString::fromStdString(arithmetic::plainText(line));
        QCOMPARE(found, lines);
    }

    // A generated chain saved and read again gives the same lines, in the keypad's formats.
    void documentOfLines()
    {
        const std::vector<arithmetic::Line> lines{arithmetic::plainLine("(3^2 + 4) · 2"),
                                                  arithmetic::plainLine("= 13 · 2"),
                                                  arithmetic::plainLine("= 26")};
        const auto document = exercise::documentOfLines(lines);
        const QByteArray bytes = rtf::write(*document);
        QVERIFY2(bytes.contains("\\up8"), bytes.constData());
        const rtf::ReadResult again = rtf::read(bytes);
        QVERIFY(again.ok());
        QVERIFY(exercise::linesOfDocument(*again.document) == lines);

        const QTextBlock first = again.document->begin();
        const QTextCharFormat base = baseCharFormat();
        for (auto it = first.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool exponent = it.fragment().text() == QLatin1String("2");
            QCOMPARE(format.fontPointSize(), exponent ? 8.0 : 12.0);
            QCOMPARE(format.fontWeight(), exponent ? int(QFont::Bold) : int(QFont::Normal));
            QCOMPARE(raiseOf(format), exponent ? 85 : 0);
            QCOMPARE(format.fontFamilies(), base.fontFamilies());
        }
    }

    // Genera i passaggi: the lines above the expression and its chain must fit one exercise.
    void stepsFitAnExercise_data()
    {
        QTest::addColumn<QStringList>("document");
        QTest::addColumn<QString>("problem");
        const QString title = QStringLiteral("Calcola:");
        QTest::newRow("to the last line") << QStringList{nested(13)} << "";
        QTest::newRow("one line over")
            << QStringList{nested(14)} << "Riga 1: troppi passaggi: 15, ma il documento ne tiene al massimo 14";
        QTest::newRow("a title above, to the last line") << QStringList{title, nested(12)} << "";
        QTest::newRow("a title above counts")
            << QStringList{title, nested(13)} << "Riga 2: troppi passaggi: 14, ma il documento ne tiene al massimo 13";
    }
    void stepsFitAnExercise()
    {
        QFETCH(QStringList, document);
        QFETCH(QString, problem);
        const auto text = exercise::documentOfLines(linesOf(document));
        const int caret = text->lastBlock().position();
        const exercise::StepsPlan plan = exercise::planSteps(*text, caret);
        QCOMPARE(plan.problem, problem);
        if (plan.ok())
            QCOMPARE(int(document.size() + plan.steps.size()), arithmetic::kMaxExerciseLines);
    }

    // What the command line writes goes through this one gate.
    void documentLimit_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("problem");
        QTest::newRow("as many as an exercise holds") << arithmetic::kMaxExerciseLines << "";
        QTest::newRow("one more") << arithmetic::kMaxExerciseLines + 1
                                  << "troppe righe: 16, ma un esercizio ne tiene al massimo 15";
    }
    void documentLimit()
    {
        QFETCH(int, lines);
        QFETCH(QString, problem);
        QCOMPARE(exercise::documentLimitProblem(linesOf(QStringList(lines, QStringLiteral("= 1")))), problem);
    }
};

QTEST_MAIN(TestExerciseLines)
#include "tst_exercise_lines.moc"
