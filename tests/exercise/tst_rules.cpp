// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise rules without any window: step checking, the final report, the reveal geometry,
// the blinking, the editor's unsaved-work states and the step recorder's limit.
#include "exercise/editor_session.h"
#include "exercise/exercise_lines.h"
#include "exercise/solver_session.h"
#include "arithmetic/step_match.h"
#include "test_main.h"

#include <QTextDocument>

using namespace quintavia;

namespace {

// A typed line in plain notation.
arithmetic::Line plain(const QString& text)
{
    return arithmetic::plainLine(text.toStdString());
}

}  // namespace

class TestRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linesCountedIn16Bits();
    void equivalentSigns_data();
    void equivalentSigns();
    void raisedDigitsCount_data();
    void raisedDigitsCount();
    void finalReport_data();
    void finalReport();
    void revealGeometry_data();
    void revealGeometry();
    void blinkerAlternates();
    void editorStates_data();
    void editorStates();
    void confirmLimit_data();
    void confirmLimit();
    void fileNameCompletion_data();
    void fileNameCompletion();
};

void TestRules::equivalentSigns_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("match");
    QTest::newRow("x for middle dot") << "5 x 4"
                                      << "5 · 4" << true;
    QTest::newRow("capital X, star, times, dot operator") << "2X3*4×5⋅6"
                                                          << "2·3·4·5·6" << true;
    QTest::newRow("minus signs of word processors") << "7 - 2 − 1 – 1"
                                                    << "7 - 2 - 1 - 1" << true;
    QTest::newRow("obelus for colon") << "8 : 2"
                                      << "8 ÷ 2" << true;
    QTest::newRow("plus is no minus") << "7 + 2"
                                      << "7 - 2" << false;
    QTest::newRow("colon is no fraction bar") << "8 : 2"
                                              << "8 / 2" << false;
    QTest::newRow("x is no plus") << "5 x 4"
                                  << "5 + 4" << false;
    QTest::newRow("decimal comma is no point") << "2,5"
                                               << "2.5" << false;
}

void TestRules::equivalentSigns()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, match);
    QCOMPARE(arithmetic::stepsMatch(plain(typed), plain(expected)), match);
}

void TestRules::raisedDigitsCount_data()
{
    QTest::addColumn<QString>("typed");  // plain notation: ^ raises the digits after it
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("match");
    QTest::newRow("raised as the teacher's") << "3^2 + 1"
                                             << "3^2+1" << true;
    QTest::newRow("32 for 3 squared") << "32 + 1"
                                      << "3^2 + 1" << false;
    QTest::newRow("3 squared for 32") << "3^2"
                                      << "32" << false;
    QTest::newRow("only the 1 of 10 raised") << "2^1 0"
                                             << "2^10" << false;
}

void TestRules::raisedDigitsCount()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, match);
    QCOMPARE(arithmetic::stepsMatch(arithmetic::plainLine(typed.toStdString()),
                                  arithmetic::plainLine(expected.toStdString())),
             match);
}

void TestRules::linesCountedIn16Bits()
{
    // The counter must point one past the last line: 32766 lines are the most it can solve.
    SolverSession session;
    QVERIFY(!session.start(std::vector<arithmetic::Line>(kMaximumLines + 1)));
    QVERIFY(!session.running());
    QVERIFY(!session.start({}));
    QVERIFY(session.start(std::vector<arithmetic::Line>(kMaximumLines)));
    QCOMPARE(session.counter(), qint16(1));
    while (session.advance()) {
    }
    QCOMPARE(session.counter(), qint16(32767));
    QVERIFY(!session.advance());
    // Refused, the exercise before stays.
    QVERIFY(!session.start(std::vector<arithmetic::Line>(kMaximumLines + 1)));
    QCOMPARE(session.counter(), qint16(32767));
}

void TestRules::finalReport_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("helps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("fewHelps");
    QTest::newRow("clean") << 0 << 0 << "Hai finito con 0 errori e 0 aiuti " << true;
    QTest::newRow("singulars") << 1 << 1 << "Hai finito con 1 errore e 1 aiuto " << true;
    QTest::newRow("two helps are few") << 2 << 2 << "Hai finito con 2 errori e 2 aiuti " << true;
    QTest::newRow("three helps are many") << 0 << 3 << "Hai finito con 0 errori e 3 aiuti " << false;
}

void TestRules::finalReport()
{
    QFETCH(int, errors);
    QFETCH(int, helps);
    QFETCH(QString, message);
    QFETCH(bool, fewHelps);
    SolverSession session;
    for (int i = 0; i < errors; ++i)
        session.countWrongAnswer(plain(QString::number(i)));
    for (int i = 0; i < helps; ++i)
        session.countHelp();
    QCOMPARE(session.finalMessage(), message);
    QCOMPARE(session.fewHelps(), fewHelps);
}

void TestRules::revealGeometry_data()
{
    QTest::addColumn<QString>("moves");  // r: a right step, h: a help
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("top");
    QTest::newRow("a right step") << "r" << 0.56 << 0.74;
    QTest::newRow("a help") << "h" << 0.56 << 0.74;
    QTest::newRow("14 helps stay under the limit") << QString(14, u'h') << 3.68 << 3.86;
    QTest::newRow("the 15th help still grows") << QString(15, u'h') << 3.92 << 4.10;
    QTest::newRow("the 16th help sets the cap") << QString(16, u'h') << 3.72 << 4.10;
    QTest::newRow("the cap holds") << QString(17, u'h') << 3.72 << 4.10;
    QTest::newRow("right steps have no cap") << QString(16, u'r') << 4.16 << 4.34;
}

void TestRules::revealGeometry()
{
    QFETCH(QString, moves);
    QFETCH(double, height);
    QFETCH(double, top);
    reveal::Geometry g{reveal::kStartHeight, reveal::kAnswerTop};
    for (QChar move : moves)
        g = move == u'r' ? reveal::afterRightStep(g.documentHeight, g.answerTop)
                         : reveal::afterHelp(g.documentHeight, g.answerTop);
    QVERIFY2(qAbs(g.documentHeight - height) < 1e-4, qPrintable(QString::number(g.documentHeight)));
    QVERIFY2(qAbs(g.answerTop - top) < 1e-4, qPrintable(QString::number(g.answerTop)));
}

void TestRules::blinkerAlternates()
{
    Blinker blinker;
    using C = Blinker::Colour;
    const QList<C> seen{blinker.tick(), blinker.tick(), blinker.tick(), blinker.tick()};
    QCOMPARE(seen, (QList<C>{C::Dark, C::Bright, C::Dark, C::Bright}));
}

void TestRules::editorStates_data()
{
    QTest::addColumn<QString>("events");  // n new, o opened, s saved, c changed
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<bool>("open");
    QTest::newRow("loaded") << "" << false << false;
    QTest::newRow("typing with no document") << "c" << false << false;
    QTest::newRow("new") << "n" << true << true;
    QTest::newRow("opened") << "o" << true << true;
    QTest::newRow("saved") << "ns" << false << true;
    QTest::newRow("changed after saving") << "nsc" << true << true;
}

void TestRules::editorStates()
{
    QFETCH(QString, events);
    QFETCH(bool, unsaved);
    QFETCH(bool, open);
    EditorSession session;
    for (QChar e : events) {
        switch (e.unicode()) {
        case u'n': session.started(); break;
        case u'o': session.opened(); break;
        case u's': session.saved(); break;
        default: session.changed(); break;
        }
    }
    QCOMPARE(session.unsaved(), unsaved);
    QCOMPARE(session.documentOpen(), open);
}

void TestRules::confirmLimit_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("lineBreak");
    QTest::newRow("no line") << 0 << false;
    QTest::newRow("one line") << 1 << true;
    QTest::newRow("more than 16 bits hold, not wrapped to 1") << 65537 << false;
    QTest::newRow("one under the limit") << kLineLimit - 1 << true;
    QTest::newRow("at the limit") << kLineLimit << false;
}

void TestRules::confirmLimit()
{
    QFETCH(int, lines);
    QFETCH(bool, lineBreak);
    QCOMPARE(decideConfirm(std::size_t(lines)) == ConfirmDecision::LineBreak, lineBreak);
}

void TestRules::fileNameCompletion_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name") << "/tmp/quadrati"
                               << "/tmp/quadrati.rtf";
    QTest::newRow("already .rtf") << "/tmp/q.rtf"
                                  << "/tmp/q.rtf";
    QTest::newRow("upper case extension") << "/tmp/q.RTF"
                                          << "/tmp/q.RTF";
    QTest::newRow("other extension") << "/tmp/q.txt"
                                     << "/tmp/q.txt.rtf";
    QTest::newRow("trailing dots dropped") << "/tmp/q.."
                                           << "/tmp/q.rtf";
    QTest::newRow("a folder") << "/tmp/"
                              << "/tmp/";
}

void TestRules::fileNameCompletion()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(exerciseFileName(chosen), written);
}

QUINTAVIA_TEST_MAIN(TestRules)
#include "tst_rules.moc"
