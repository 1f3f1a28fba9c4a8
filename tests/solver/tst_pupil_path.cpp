// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window follows the pupil: right steps of the pupil's own are shown in their colour and
// judged from, the teacher's lines are revealed in theirs, and nothing is shown before its turn.
#include "solver/reveal_view.h"
#include "solver_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace quintavia;
using test::Solver;

namespace {

const QString kRight = QStringLiteral("Bravissimo");
const QString kWrong = QString::fromUtf8("Il passaggio non è esatto. Correggi.");

QString writeExercise(const QTemporaryDir& dir, const QStringList& lines)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Comic Sans MS;}}\\pard\\fs24 ";
    for (const QString& line : lines)
        rtf += line.toUtf8() + "\\par\n";
    rtf += "}";
    const QString path = dir.filePath(QStringLiteral("percorso.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    return path;
}

// The document box's lines, a line of the pupil's own marked with a leading "*".
QStringList boxLines(const RichTextBox* box)
{
    QStringList lines;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
        const bool own = b.begin() != b.end()
                         && b.begin().fragment().charFormat().foreground().color() == RevealView::ownLineColour();
        lines << (own ? QStringLiteral("*") : QString()) + b.text();
    }
    return lines;
}

const QStringList kSigns{QStringLiteral("10 - (4 - 7) + 2 x 3"), QStringLiteral("= 10 - (-3) + 6"),
                         QStringLiteral("= 10 + 3 + 6"), QStringLiteral("= 19")};
const QStringList kChain{QStringLiteral("52 : 13 x 4 : 2"), QStringLiteral("= 16 : 2"), QStringLiteral("= 8")};
const QStringList kTimes{QStringLiteral("3 + 6 x 2"), QStringLiteral("= 3 + 12"), QStringLiteral("= 15")};
const QStringList kShort{QStringLiteral("(2 + 3) x 4"), QStringLiteral("= 5 x 4")};
const QStringList kHalves{QStringLiteral("1/2 + 1/4"), QStringLiteral("= 3/4")};

}  // namespace

class TestPupilPath : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followsThePupil_data();
    void followsThePupil();
    void longOwnPathScrolls();
};

void TestPupilPath::followsThePupil_data()
{
    QTest::addColumn<QStringList>("exercise");
    QTest::addColumn<QStringList>("moves");     // typed and Enter; "?": Aiuto
    QTest::addColumn<QStringList>("messages");  // the message line after each move
    QTest::addColumn<QStringList>("hints");     // the hint after each move ("" hidden), its start
    QTest::addColumn<QStringList>("shown");     // the box at the end, "*" before the pupil's own lines
    QTest::newRow("own path to the end")
        << kSigns << QStringList{"= 10 - 4 + 7 + 2 x 3", "= 10 - 4 + 7 + 6", "= 6 + 7 + 6", "= 13 + 6", "= 19"}
        << QStringList{kRight, kRight, kRight, kRight, "Hai finito con 0 errori e 0 aiuti "}
        << QStringList{"", "", "", "", ""}
        << QStringList{kSigns[0], "*= 10 - 4 + 7 + 2 x 3", "*= 10 - 4 + 7 + 6", "*= 6 + 7 + 6", "*= 13 + 6", "= 19"};
    // One operation of a chain is a right step, praised without a word of error beside it.
    QTest::newRow("one operation, then back on the teacher's path")
        << kChain << QStringList{"= 4 x 4 : 2", "= 16 : 2", "= 8"}
        << QStringList{kRight, kRight, "Hai finito con 0 errori e 0 aiuti "} << QStringList{"", "", ""}
        << QStringList{kChain[0], "*= 4 x 4 : 2", kChain[1], kChain[2]};
    QTest::newRow("the teacher's line written another way shows as the teacher wrote it")
        << kTimes << QStringList{"= 18", "= 18", "= 12 + 3", "= 15"}
        << QStringList{kWrong, kWrong, kRight, "Hai finito con 1 errore e 0 aiuti "}
        << QStringList{"Prima le moltiplicazioni", "Prima le moltiplicazioni", "", ""} << kTimes;
    QTest::newRow("help from off the teacher's path")
        << kShort << QStringList{"= 2 x 4 + 3 x 4", "?", "= 20"}
        << QStringList{kRight, "", "Hai finito con 0 errori e 1 aiuto "} << QStringList{"", "", ""}
        << QStringList{kShort[0], "*= 2 x 4 + 3 x 4", "= 8 + 12", "*= 20"};
    // Off the teacher's path (the school's next step is "(2 + 1)/4"), the teacher's last line
    // typed as written, or in another form of its value, is still the teacher's.
    QTest::newRow("common denominator: a step of its own, then the teacher's line")
        << kHalves << QStringList{"= 2/4 + 1/4", "= 3/4"}
        << QStringList{kRight, "Hai finito con 0 errori e 0 aiuti "} << QStringList{"", ""}
        << QStringList{kHalves[0], "*= 2/4 + 1/4", kHalves[1]};
    QTest::newRow("common denominator: a step of its own, then the value as a decimal")
        << kHalves << QStringList{"= 2/4 + 1/4", "= 0,75"}
        << QStringList{kRight, "Hai finito con 0 errori e 0 aiuti "} << QStringList{"", ""}
        << QStringList{kHalves[0], "*= 2/4 + 1/4", kHalves[1]};
    QTest::newRow("unreduced: suggested, then reduced")
        << kHalves << QStringList{"= 6/8", "= 3/4"}
        << QStringList{kRight, "Hai finito con 0 errori e 0 aiuti "} << QStringList{"Ora riduci 6/8.", ""}
        << QStringList{kHalves[0], "*= 6/8", kHalves[1]};
}

void TestPupilPath::followsThePupil()
{
    QFETCH(QStringList, exercise);
    QFETCH(QStringList, moves);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, hints);
    QFETCH(QStringList, shown);
    QTemporaryDir dir;
    Solver s;
    s.open(writeExercise(dir, exercise));
    auto* hint = s.w->findChild<QLabel*>(QStringLiteral("lblSuggerimento"));
    int lines = 1;
    int errors = 0;
    for (int i = 0; i < moves.size(); ++i) {
        const QString where = QStringLiteral("move %1: %2").arg(i + 1).arg(moves[i]);
        const int before = s.rtb1->heightTwips();
        moves[i] == QLatin1String("?") ? s.help() : s.answer(moves[i]);
        QVERIFY2(s.message->text() == messages[i], qPrintable(where + QStringLiteral(": ") + s.message->text()));
        QVERIFY2(hint->isVisible() == !hints[i].isEmpty(), qPrintable(where + QStringLiteral(": ") + hint->text()));
        QVERIFY2(hints[i].isEmpty() || hint->text().startsWith(hints[i]), qPrintable(where + QStringLiteral(": ") + hint->text()));
        const bool accepted = messages[i] != kWrong;
        lines += accepted ? 1 : 0;
        errors += accepted || (i > 0 && moves[i] == moves[i - 1]) ? 0 : 1;
        // The box holds exactly the lines shown so far, in order: nothing ahead of its turn, and
        // it grows by a line for each line shown.
        QCOMPARE(boxLines(s.rtb1), shown.mid(0, lines));
        QVERIFY2((s.rtb1->heightTwips() > before) == accepted, qPrintable(where));
    }
    QCOMPARE(s.w->session().errors(), errors);
    QVERIFY(s.inputLocked());
}

// One product at a time where the teacher worked them all in one line: 18 lines of the pupil's
// own. Past what the box holds, the expression stays above the last lines shown, as in a long
// exercise of the teacher's.
void TestPupilPath::longOwnPathScrolls()
{
    constexpr int kProducts = 18;
    QString expression = QStringLiteral("1");
    QString sums = QStringLiteral("= 1");
    for (int i = 0; i < kProducts; ++i) {
        expression += QStringLiteral(" + 1 x 1");
        sums += QStringLiteral(" + 1");
    }
    const QStringList exercise{expression, sums, QStringLiteral("= 19")};
    QTemporaryDir dir;
    Solver s;
    s.open(writeExercise(dir, exercise));
    QStringList path{expression};
    for (int done = 1; done <= kProducts; ++done) {
        QString line = QStringLiteral("= 1");
        for (int i = 0; i < kProducts; ++i)
            line += i < done ? QStringLiteral(" + 1") : QStringLiteral(" + 1 x 1");
        s.answer(line);
        QCOMPARE(s.message->text(), kRight);
        // The pupil's line, or for the last product the teacher's line it is.
        path << (done < kProducts ? QStringLiteral("*") : QString()) + line;
        const QStringList box = boxLines(s.rtb1);
        QCOMPARE(box.first(), expression);
        QCOMPARE(box.mid(1), path.mid(path.size() - box.size() + 1));
        const QTextBlock last = s.rtb1->document()->lastBlock();
        QVERIFY(s.rtb1->document()->documentLayout()->blockBoundingRect(last).bottom()
                <= s.rtb1->viewport()->height() + 1);
    }
    s.answer(QStringLiteral("= 19"));
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 0 errori e 0 aiuti "));
    QCOMPARE(boxLines(s.rtb1).last(), QStringLiteral("= 19"));
}

QUINTAVIA_TEST_MAIN(TestPupilPath)
#include "tst_pupil_path.moc"
