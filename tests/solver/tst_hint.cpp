// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The hint line: what went wrong in a step, beside the message line's own words.
#include "solver_fixture.h"

#include "ui/solver_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QDir>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

using namespace quintavia;
using test::Solver;

namespace {

const QString kWrong = QString::fromUtf8("Il passaggio non è esatto. Correggi.");

// An exercise of these lines, "^" before raised digits; returns its path.
QString writeExercise(const QTemporaryDir& dir, const QStringList& lines)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Comic Sans MS;}}\\pard\\fs24 ";
    for (const QString& line : lines) {
        QByteArray text = line.toUtf8();
        text.replace('{', "\\{").replace('}', "\\}");
        for (qsizetype at = text.indexOf('^'); at >= 0; at = text.indexOf('^'))
            text.replace(at, 2, "{\\super " + text.mid(at + 1, 1) + "}");
        rtf += text + "\\par\n";
    }
    rtf += "}";
    const QString path = dir.filePath(QStringLiteral("esercizio%1.rtf").arg(lines.size()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    return path;
}

const QStringList kTimes{QStringLiteral("3 + 6 x 2"), QStringLiteral("= 3 + 12"), QStringLiteral("= 15")};

// A chain of `count` lines, one multiplication worked out a line: "1 + 1 x 1 + 1 x 1 ...".
QStringList longChain(int count)
{
    QStringList lines;
    for (int done = 0; done < count; ++done) {
        QString line = done ? QStringLiteral("= 1") : QStringLiteral("1");
        for (int i = 0; i < count - 1; ++i)
            line += i < done ? QStringLiteral(" + 1") : QStringLiteral(" + 1 x 1");
        lines << line;
    }
    return lines;
}

bool clearOf(const QWidget* hint, const QWidget* other)
{
    return !hint->geometry().intersects(other->geometry());
}

}  // namespace

class TestSolverHint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wrongStepShowsBoth_data();
    void wrongStepShowsBoth();
    void hintClears_data();
    void hintClears();
    void longExerciseKeepsTheHintClear_data();
    void longExerciseKeepsTheHintClear();
    void screenReaderReadsTheHint();
};

void TestSolverHint::wrongStepShowsBoth_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");  // the hint's rich text holds this
    QTest::addColumn<QString>("spoken");  // and a screen reader reads this
    QTest::newRow("ordine") << kTimes << "= 18" << "Prima le moltiplicazioni"
                            << "Prima le moltiplicazioni e le divisioni, poi le addizioni e le sottrazioni.";
    QTest::newRow("calcolo") << kTimes << "= 3 + 14" << "6 x 2 fa 12, non 14." << "6 x 2 fa 12, non 14.";
    QTest::newRow("potenza") << QStringList{"2^3 + 1", "= 8 + 1", "= 9"} << "= 6 + 1"
                             << "2<sup>3</sup> = 2 x 2 x 2 = 8, non 6." << QString::fromUtf8("2³ = 2 x 2 x 2 = 8, non 6.");
    QTest::newRow("ricopiato") << kTimes << "= 3 + 6 x 2" << "Hai ricopiato la riga di prima"
                               << "Hai ricopiato la riga di prima: ora fai un passaggio.";
}

void TestSolverHint::wrongStepShowsBoth()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QTemporaryDir dir;
    Solver s;
    s.open(writeExercise(dir, lines));
    auto* hint = s.w->findChild<QLabel*>(QStringLiteral("lblSuggerimento"));
    QVERIFY(hint && hint->isHidden());
    s.h.sound.played.clear();
    s.answer(answer);
    // The message line, the sound and the count as without a hint.
    QCOMPARE(s.message->text(), kWrong);
    QCOMPARE(s.h.sound.played, QList<int>{103});
    QCOMPARE(s.w->session().errors(), 1);
    QCOMPARE(s.rtb2->text(), answer);
    QVERIFY(hint->isVisible());
    QVERIFY2(hint->text().contains(shown), qPrintable(hint->text()));
    QCOMPARE(hint->accessibleName(), spoken);
    QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(hint->font().pointSizeF(), 12.0);
    QVERIFY(clearOf(hint, s.rtb1) && clearOf(hint, s.rtb2) && clearOf(hint, s.message));
    QVERIFY(hint->height() >= hint->heightForWidth(hint->width()));
}

void TestSolverHint::hintClears_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("typed") << "typed";
    QTest::newRow("keypad") << "keypad";
    QTest::newRow("right step") << "right";
    QTest::newRow("help") << "help";
    QTest::newRow("another exercise") << "open";
    QTest::newRow("Enter again: stays") << "enter";
}

void TestSolverHint::hintClears()
{
    QFETCH(QString, event);
    QTemporaryDir dir;
    Solver s;
    s.open(writeExercise(dir, kTimes));
    auto* hint = s.w->findChild<QLabel*>(QStringLiteral("lblSuggerimento"));
    s.answer(QStringLiteral("= 3 + 14"));
    QVERIFY(hint->isVisible());
    if (event == QLatin1String("typed"))
        QTest::keyClick(s.rtb2, Qt::Key_Backspace);
    else if (event == QLatin1String("keypad")) {
        s.key("Cmd_2");
        QCoreApplication::processEvents();  // the key's character arrives queued
    }
    else if (event == QLatin1String("right"))
        s.answer(QStringLiteral("= 3 + 12"));
    else if (event == QLatin1String("help"))
        s.help();
    else if (event == QLatin1String("open"))
        s.open(writeExercise(dir, {QStringLiteral("2 + 2"), QStringLiteral("= 4")}));
    else
        s.append(QString());
    const bool stays = event == QLatin1String("enter");
    QCOMPARE(hint->isVisible(), stays);
    QCOMPARE(hint->accessibleName().isEmpty(), !stays);
    // Once the hint is gone the document box is where it was without one.
    if (!stays)
        QVERIFY(s.rtb1->geometry().bottom() < s.rtb2->geometry().top());
}

void TestSolverHint::longExerciseKeepsTheHintClear_data()
{
    QTest::addColumn<int>("count");
    for (int count : {5, 15, 25})
        QTest::newRow(qPrintable(QStringLiteral("%1 lines").arg(count))) << count;
}

// At every step a hint: on its own plain ground, clear of the boxes, the message line, the keypad
// and the picture, in two lines at most, the lines shown whole. Screenshots under the build folder.
void TestSolverHint::longExerciseKeepsTheHintClear()
{
    QFETCH(int, count);
    QTemporaryDir dir;
    Solver s;
    const QStringList lines = longChain(count);
    s.open(writeExercise(dir, lines));
    auto* hint = s.w->findChild<QLabel*>(QStringLiteral("lblSuggerimento"));
    auto* picture = s.w->findChild<QLabel*>(QStringLiteral("Image1"));
    const QString shots = QStringLiteral(QUINTAVIA_BUILD_DIR "/screenshots/hint");
    QDir().mkpath(shots);
    for (int shown = 1; shown < lines.size(); ++shown) {
        const QString where = QStringLiteral("%1 lines shown").arg(shown);
        const int heightWithout = s.rtb1->heightTwips();
        // Adding before multiplying: the longest hint there is, on two lines.
        QString slip = lines[shown - 1];
        slip.replace(slip.indexOf(QLatin1String("1 + 1")), 5, QStringLiteral("2"));
        if (!slip.startsWith(u'='))
            slip.prepend(QStringLiteral("= "));
        s.answer(slip);
        QVERIFY2(hint->isVisible(), qPrintable(where + QStringLiteral(": ") + slip));
        QVERIFY2(clearOf(hint, s.rtb1) && clearOf(hint, s.rtb2) && clearOf(hint, s.message) && clearOf(hint, s.frame),
                 qPrintable(where));
        QRegion drawing = picture->mask().isEmpty() ? QRegion(picture->rect()) : picture->mask();
        QVERIFY2(!drawing.translated(picture->pos()).intersects(hint->geometry()), qPrintable(where));
        QVERIFY2(hint->height() <= 2 * hint->fontMetrics().lineSpacing() + 2 * hint->margin() + 4, qPrintable(where));
        // One colour all round the text.
        const QImage ground = hint->grab().toImage();
        for (int x = 0; x < ground.width(); ++x)
            for (int y : {0, ground.height() - 1})
                QVERIFY2(ground.pixelColor(x, y) == ui::kHintGround.toColor(), qPrintable(where));
        const QImage window = s.w->grab().toImage();
        window.save(shots + QStringLiteral("/%1-lines-step-%2.png").arg(count).arg(shown, 2, 10, QLatin1Char('0')));
        // No line of the document box cut at its lower edge.
        const QTextDocument* document = s.rtb1->document();
        const QRectF last = document->documentLayout()->blockBoundingRect(document->lastBlock());
        QVERIFY2(last.bottom() - s.rtb1->viewTop() <= s.rtb1->viewport()->height() + 1, qPrintable(where));
        // Nor at its right edge: long lines smaller, then wrapped.
        for (QTextBlock b = document->firstBlock(); b.isValid(); b = b.next())
            for (int k = 0; k < b.layout()->lineCount(); ++k)
                QVERIFY2(b.layout()->lineAt(k).naturalTextWidth() <= s.rtb1->viewport()->width(), qPrintable(where));
        QVERIFY2(hint->geometry().top() >= 0 && hint->height() >= hint->heightForWidth(hint->width()),
                 qPrintable(where));
        // The last line shown stays in view.
        QVERIFY2(s.rtb1->document()->lastBlock().text() == lines[shown - 1], qPrintable(where));
        // The slip erased (a long one wraps, and its box grows while it holds it): as before.
        s.rtb2->selectAll();
        QTest::keyClick(s.rtb2, Qt::Key_Backspace);
        QVERIFY2(hint->isHidden(), qPrintable(where));
        QCOMPARE(s.rtb1->heightTwips(), heightWithout);
        s.answer(lines[shown]);
    }
    QCOMPARE(s.w->session().errors(), int(lines.size()) - 1);
    QVERIFY(s.inputLocked());
}

void TestSolverHint::screenReaderReadsTheHint()
{
    QTemporaryDir dir;
    Solver s;
    s.open(writeExercise(dir, kTimes));
    auto* hint = s.w->findChild<QLabel*>(QStringLiteral("lblSuggerimento"));
    s.answer(QStringLiteral("= 3 + 14"));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(hint);
    QVERIFY(read);
    QCOMPARE(read->text(QAccessible::Name), QStringLiteral("6 x 2 fa 12, non 14."));
    QCOMPARE(read->text(QAccessible::Description), QStringLiteral("Suggerimento"));
    QVERIFY(!read->state().invisible);
}

QUINTAVIA_TEST_MAIN(TestSolverHint)
#include "tst_hint.moc"
