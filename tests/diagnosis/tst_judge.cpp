// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The step judge, as a teacher judges: the teacher's line written another way, right steps of the
// pupil's own at every school level, jumps, and wrong steps of every category with the words that
// must be in their message. Lines in plain notation ("^" before raised digits).
#include "arithmetic/arithmetic.h"
#include "curriculum/generator.h"
#include "diagnosis/judge.h"
#include "diagnosis/pupil_path.h"
#include "random_expression.h"

#include <QTest>

#include <random>

using namespace quintavia;
using arithmetic::Line;
using arithmetic::plainLine;
using arithmetic::plainText;

namespace {

// "insegnante" and "proprio" for the two accepted verdicts, else the category refused.
QString verdictName(const diagnosis::Judgement& j)
{
    switch (j.verdict) {
    case diagnosis::Verdict::TeacherLine: return QStringLiteral("insegnante");
    case diagnosis::Verdict::OwnStep: return QStringLiteral("proprio");
    case diagnosis::Verdict::Refused: break;
    }
    return QString::fromUtf8(diagnosis::categoryName(j.diagnosis.category));
}

std::vector<Line> linesOf(const QString& text)
{
    std::vector<Line> lines;
    for (const QString& part : text.split(QLatin1Char('|')))
        lines.push_back(plainLine(part.trimmed().toStdString()));
    return lines;
}

bool sameValue(const Line& a, const Line& b)
{
    const arithmetic::Reading x = arithmetic::readLine(a);
    const arithmetic::Reading y = arithmetic::readLine(b);
    return x.kind == arithmetic::Reading::Kind::Valued && y.kind == arithmetic::Reading::Kind::Valued
           && x.value == y.value;
}

}  // namespace

class TestJudge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void steps_data();
    void steps();
    void teacherLinesAndOwnStepsOverRandomExercises();
    void pupilsOwnPathReachesTheEnd();
};

void TestJudge::steps_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("ahead");  // the lines still to reach, "|" between them
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QStringList>("names");  // what the message must say; none for an accepted step: no message

    auto row = [](const char* name, const char* current, const char* ahead, const char* answer, const char* verdict,
                  QStringList names = {}) {
        QTest::newRow(name) << QString::fromUtf8(current) << QString::fromUtf8(ahead) << QString::fromUtf8(answer)
                            << verdict << names;
    };
    const char* productsFirst = "Prima le moltiplicazioni e le divisioni";
    const char* powersFirst = "Prima le potenze";
    const char* innermost = "parentesi più interne";
    const char* leftToRight = "da sinistra a destra";
    const char* oneAtATime = "fai un passaggio alla volta";

    // The teacher's next line written another way.
    row("the teacher's line", "3 + 6 x 2", "= 3 + 12", "= 3 + 12", "insegnante");
    row("without = and blanks", "3 + 6 x 2", "= 3 + 12", "3+12", "insegnante");
    row("terms swapped", "3 + 6 x 2", "= 3 + 12", "= 12 + 3", "insegnante");
    row("products swapped", "2 x 3 + 4 x 5", "= 6 + 20", "= 20 + 6", "insegnante");
    row("a subtraction first", "5 x 4 - 3 x 2", "= 20 - 6", "= -6 + 20", "insegnante");
    row("5 - 4 for -4 + 5", "(-2) x 2 + 5", "= -4 + 5", "= 5 - 4", "insegnante");
    row("an explicit plus", "(-3) x (-4) - 5", "= 12 - 5", "= +12 - 5", "insegnante");
    row("a relative number in brackets", "(-12) : (+4) + 1", "= -3 + 1", "= (-3) + 1", "insegnante");
    row("a bracketed relative, plus a minus", "(-2) x (-3) + (-4)", "= 6 - 4", "= 6 + (-4)", "insegnante");
    row("factors swapped", "2 x 3^2", "= 2 x 9", "= 9 x 2", "insegnante");
    row("a middle dot", "2 x 3^2 + 1", "= 2 x 9 + 1", "= 2 · 9 + 1", "insegnante");
    row("a superscript two", "(2 + 3)^2", "= 5^2", "= 5²", "insegnante");
    row("thousands with a point", "500 x 2 + 5", "= 1000 + 5", "= 1.000 + 5", "insegnante");
    row("thousands with a blank", "500 x 2 + 5", "= 1000 + 5", "= 1 000 + 5", "insegnante");
    row("a number in brackets", "(3 + 4) x 2 + 1", "= 7 x 2 + 1", "= (7) x 2 + 1", "insegnante");
    row("a product in brackets", "(5 - 3) x 4 + 6 : 2", "= 2 x 4 + 3", "= (2 x 4) + 3", "insegnante");
    row("a decimal for a half", "3/4 x 2/3", "= 1/2", "= 0,5", "insegnante");
    row("a decimal for a fraction", "(1/2 + 1/4) x 4", "= 3/4 x 4", "= 0,75 x 4", "insegnante");
    row("a fraction for a decimal", "10 : 4", "= 2,5", "= 5/2", "insegnante");
    row("an end in decimals", "1/2 + 1/4", "= 3/4", "= 0,75", "insegnante");
    row("the step after a reduction", "6/8 x 4", "= 3/4 x 4 | = 3", "= 3", "insegnante");

    // Right steps of the pupil's own. Quarta primaria.
    row("first of a chain of divisions", "18 : 3 x 2", "= 12", "= 6 x 2", "proprio");
    row("first operation, one a line", "42 x 6 : 14", "= 18", "= 252 : 14", "proprio");
    row("the first of two products", "2 x 3 + 4 x 5", "= 26", "= 6 + 4 x 5", "proprio");
    row("the second of two products", "2 x 3 + 4 x 5", "= 26", "= 2 x 3 + 20", "proprio");
    row("the product of a longer step", "3 + 6 x 2", "= 15", "= 3 + 12", "proprio");
    row("the bracket of a longer step", "(12 - 7) x 6 + 30 : 5", "= 30 + 6", "= 5 x 6 + 30 : 5", "proprio");
    row("bracket and quotient of a longer step", "(12 - 7) x 6 + 30 : 5", "= 30 + 6", "= 5 x 6 + 6", "proprio");
    row("the first of two brackets", "(1 + 2) x (3 + 4)", "= 3 x 7", "= 3 x (3 + 4)", "proprio");
    row("the second of two brackets", "(1 + 2) x (3 + 4)", "= 3 x 7", "= (1 + 2) x 7", "proprio");
    row("the bracket before the quotient", "48 : (4 + 2) - 5", "= 8 - 5", "= 48 : 6 - 5", "proprio");
    row("a sum chain from the left", "100 - 20 - 30 + 5", "= 55", "= 80 - 30 + 5", "proprio");
    // Quinta primaria.
    row("the bracket, not the power", "[(3,5 + 1,5) x 4 - 2^3] : 4", "= [5 x 4 - 8] : 4", "= [5 x 4 - 2^3] : 4",
        "proprio");
    row("the power, not the bracket", "[(3,5 + 1,5) x 4 - 2^3] : 4", "= [5 x 4 - 8] : 4",
        "= [(3,5 + 1,5) x 4 - 8] : 4", "proprio");
    row("product and power first", "[(60 - 4 x 5) : 8 + 2^2] x 3", "= [40 : 8 + 4] x 3",
        "= [(60 - 20) : 8 + 4] x 3", "proprio");
    row("one of two powers", "2^3 + 2^2", "= 8 + 4", "= 8 + 2^2", "proprio");
    row("decimals, one product", "0,5 x 4 + 1,5 x 2", "= 2 + 3", "= 2 + 1,5 x 2", "proprio");
    // Prima media.
    row("a power as a product", "(2 + 3)^2", "= 5^2 | = 25", "= 5 x 5", "proprio");
    row("a bracket squared as a product", "(2 + 3)^2", "= 5^2", "= (2 + 3) x (2 + 3)", "proprio");
    row("a square as a product", "5^2 - 3 x 2", "= 25 - 6", "= 5 x 5 - 3 x 2", "proprio");
    row("same base, exponents added", "2^3 x 2^2", "= 8 x 4", "= 2^5", "proprio");
    row("same base, exponents subtracted", "3^4 : 3^2 + 1", "= 81 : 9 + 1", "= 3^2 + 1", "proprio");
    row("a power of a power", "(2^3)^2 : 2^4", "= 8^2 : 16", "= 2^6 : 2^4", "proprio");
    // Seconda media.
    row("the common denominator line", "1/2 + 1/3", "= 5/6", "= 3/6 + 2/6", "proprio");
    row("the common denominator, one bar", "1/2 + 1/3", "= 5/6", "= (3 + 2)/6", "proprio");
    row("a whole number as a fraction", "1 + 1/2", "= 3/2", "= 2/2 + 1/2", "proprio");
    row("the reciprocal", "3/4 : 2/5", "= 15/8", "= 3/4 x 5/2", "proprio");
    row("the reciprocal inside a chain of divisions", "2 : 8/27 : 5", "= 27/4 : 5", "= 2 x 27/8 : 5", "proprio");
    row("the common denominator in a bracket", "(1/2 + 1/3) x 6/5", "= 5/6 x 6/5", "= (3 + 2)/6 x 6/5", "proprio");
    row("a difference over its denominator", "[(3/4 - 1/2) x 8 + 1/3] : 7/3", "= [1/4 x 8 + 1/3] : 7/3",
        "= [(3 - 2)/4 x 8 + 1/3] : 7/3", "proprio");
    row("not reduced", "2/3 x 9/4", "= 3/2", "= 18/12", "proprio", {"Ora riduci 18/12."});
    row("not reduced, then on", "(1/2 + 1/4) x 4", "= 3/4 x 4", "= 6/8 x 4", "proprio", {"Ora riduci 6/8."});
    // Terza media.
    row("minus minus", "10 - (-3)", "= 13", "= 10 + 3", "proprio");
    row("minus minus first", "-(-3) + 2", "= 5", "= 3 + 2", "proprio");
    row("a minus before a bracket", "10 - (4 - 7)", "= 10 - (-3)", "= 10 - 4 + 7", "proprio");
    row("the sign rule in a chain", "6 - (-14) + 18", "= 38", "= 6 + 14 + 18", "proprio");
    row("the distributive law", "2 x (3 + 4)", "= 2 x 7", "= 2 x 3 + 2 x 4", "proprio");
    row("a square before a product", "[(-3)^2 - 4 x (-2)] : (-17) + 5", "= [9 + 8] : (-17) + 5",
        "= [9 - 4 x (-2)] : (-17) + 5", "proprio");
    row("relatives over one denominator", "(-2/3 + 1/6) x (-4) - (-1)^3", "= (-1/2) x (-4) - (-1)",
        "= (-4/6 + 1/6) x (-4) - (-1)^3", "proprio");

    // More than one step at once.
    row("product and sum", "3 + 6 x 2", "= 3 + 12", "= 15", "insieme", {oneAtATime});
    row("bracket and product", "(1 + 2) x 3", "= 3 x 3", "= 9", "insieme", {oneAtATime});
    row("both products, one a line", "2 x 3 + 4 x 5", "= 6 + 4 x 5", "= 6 + 20", "insieme", {oneAtATime});
    row("bracket and quotient", "(25 + 15) : 8 x 3", "= 40 : 8 x 3", "= 5 x 3", "insieme", {oneAtATime});
    row("bracket and power", "(2 + 3)^2", "= 5^2", "= 25", "insieme", {oneAtATime});
    row("three levels", "{[(1 + 2) x 3] - 2^2} : 5", "= {[3 x 3] - 2^2} : 5", "= {9 - 2^2} : 5", "insieme",
        {oneAtATime});
    row("past the common denominator", "1/2 + 1/3", "= 3/6 + 2/6 | = 5/6", "= 5/6", "insegnante");
    row("the whole chain", "42 x 6 : 14", "= 252 : 14 | = 18", "= 18", "insieme", {oneAtATime});
    row("distributed and worked out", "2 x (3 + 4)", "= 2 x 7", "= 6 + 8", "parentesi", {"parentesi tonde"});

    // Order.
    row("added before multiplying", "3 + 6 x 2", "= 3 + 12", "= 9 x 2", "ordine", {productsFirst});
    row("added first, all at once", "3 + 6 x 2", "= 3 + 12", "= 18", "ordine", {productsFirst});
    row("subtracted first", "60 - 4 x 5", "= 60 - 20", "= 56 x 5", "ordine", {productsFirst});
    row("a sum worked from the right", "20 - 12 + 2", "= 8 + 2", "= 20 - 14", "ordine", {leftToRight});
    row("from the right, teacher at once", "20 - 12 + 2", "= 10", "= 20 - 14", "ordine", {leftToRight});
    row("divisions from the right", "18 : 3 x 2", "= 12", "= 18 : 6", "ordine", {leftToRight});
    row("two divisions from the right", "48 : 6 : 2", "= 4", "= 48 : 3", "ordine", {leftToRight});
    row("below zero from the right", "3 - 8 + 2", "= -3", "= 3 - 10", "ordine", {leftToRight});
    row("a product chain from the right", "2 x 3 x 4", "= 24", "= 2 x 12", "ordine", {leftToRight});
    row("a sum chain from the right", "3 + 4 + 5", "= 12", "= 3 + 9", "ordine", {leftToRight});
    row("multiplied under the exponent", "2 x 3^2", "= 2 x 9", "= 6^2", "ordine", {powersFirst});
    row("a product before the power", "2 x 3 + 4^2", "= 2 x 3 + 16", "= 6 + 4^2", "ordine", {powersFirst});
    row("outside before inside", "(1 + 2) x 3 + 4 x 5", "= 3 x 3 + 4 x 5", "= (1 + 2) x 3 + 20", "ordine",
        {innermost});
    row("brackets ignored", "(1 + 2) x 3", "= 3 x 3", "= 7", "ordine", {innermost});

    // Powers.
    row("base times exponent", "4^3 + 1", "= 64 + 1", "= 12 + 1", "potenza", {"4^3 = 4 x 4 x 4 = 64, non 12."});
    row("to the zero", "7^0 + 3", "= 1 + 3", "= 0 + 3", "potenza", {"7^0 = 1, non 0."});
    row("base plus exponent", "2 x 3^2", "= 2 x 9", "= 2 x 5", "potenza", {"3^2 = 3 x 3 = 9, non 5."});
    row("a fraction squared", "(2/3)^2 + 1/9", "= 4/9 + 1/9", "= 4/6 + 1/9", "potenza", {"= 4/9, non 2/3."});
    row("a negative base squared", "(-3)^2 - 4 x (-2)", "= 9 - 4 x (-2)", "= -9 - 4 x (-2)", "potenza",
        {"(-3)^2 = (-3) x (-3) = 9, non -9."});

    // Fractions.
    row("tops and bottoms added", "1/2 + 1/3", "= 5/6", "= 2/5", "frazione", {"denominatore comune", "5/6, non 2/5"});
    row("quarters and halves added", "1/2 + 1/4", "= 3/4", "= 2/6", "frazione", {"3/4, non 2/6."});
    row("a fraction minus a whole, other sign", "[22/5 - 4] x 3", "= 2/5 x 3", "= -2/5 x 3", "segno",
        {"[22/5 - 4] = 2/5, non -2/5."});
    row("a difference of fractions", "5/6 - 1/3", "= 1/2", "= 4/3", "frazione", {"1/2, non 4/3"});
    row("in a bracket", "(1/2 + 1/3) x 6/5", "= 5/6 x 6/5", "= 2/5 x 6/5", "frazione", {"5/6, non 2/5"});
    row("the reciprocal forgotten", "3/4 : 2/5", "= 15/8", "= 3/4 x 2/5", "frazione", {"reciproca", "3/4 x 5/2"});
    row("the reciprocal forgotten, worked out", "3/4 : 2/5", "= 15/8", "= 6/20", "frazione", {"reciproca"});
    row("the wrong term turned", "3/4 : 2/5", "= 15/8", "= 4/3 x 2/5", "frazione", {"reciproca"});

    // Signs.
    row("minus times minus", "(-4) x (-2) + 1", "= 8 + 1", "= -8 + 1", "segno",
        {"Meno per meno fa più: (-4) x (-2) = 8."});
    row("plus times minus", "3 x (-2) + 10", "= -6 + 10", "= 6 + 10", "segno", {"Più per meno fa meno: 3 x (-2) = -6."});
    row("minus divided by minus", "(-12) : (-3) - 1", "= 4 - 1", "= -4 - 1", "segno", {"Meno per meno fa più"});
    row("minus minus kept minus", "10 - (-3)", "= 13", "= 10 - 3", "segno", {"Meno per meno fa più"});
    row("only the first sign changed", "10 - (4 - 7)", "= 10 - (-3)", "= 10 - 4 - 7", "segno",
        {"Il meno davanti alla parentesi cambia i segni"});
    row("a difference below zero", "5 - 8", "= -3", "= 3", "segno", {"5 - 8 = -3, non 3."});
    row("in square brackets", "[9 - 4 x (-2)] : (-17) + 5", "= [9 - (-8)] : (-17) + 5", "= [9 - 8] : (-17) + 5",
        "segno", {"4 x (-2) = -8."});

    // Calculation.
    row("times table", "5 + 9 x 7", "= 5 + 63", "= 5 + 56", "calcolo", {"9 x 7 fa 63, non 56."});
    row("a chain of products", "2 x 3 x 4 + 1", "= 24 + 1", "= 20 + 1", "calcolo", {"2 x 3 x 4 fa 24, non 20."});
    row("a decimal product", "0,5 x 4 + 1", "= 2 + 1", "= 0,2 + 1", "calcolo", {"0,5 x 4 fa 2, non 0,2."});
    row("thousands", "1.000 : 8", "= 125", "= 12,5", "calcolo", {"1000 : 8 fa 125, non 12,5."});
    row("a bracket", "(1 + 2) x 3", "= 3 x 3", "= 4 x 3", "calcolo", {"(1 + 2) fa 3, non 4."});
    row("a sum of relatives", "(-7) + 3", "= -4", "= -10", "calcolo", {"(-7) + 3 fa -4, non -10."});
    row("a product in a fraction exercise", "0 x (-3/4) + 1/2", "= 0 + 1/2", "= -3/4 + 1/2", "calcolo",
        {"fa 0, non -3/4"});

    // Copied.
    row("digits swapped", "14 + 3 x 2", "= 14 + 6", "= 41 + 6", "ricopiato", {"Hai ricopiato 14 come 41."});
    row("the line before again", "3 + 6 x 2", "= 3 + 12", "= 3 + 6 x 2", "ricopiato", {"Hai ricopiato la riga"});
    row("only reordered", "3 + 6 x 2", "= 3 + 12", "= 6 x 2 + 3", "ricopiato", {"cambiato l'ordine"});
    row("a minus lost", "(-7) + 3 x 2", "= (-7) + 6", "= 7 + 6", "ricopiato", {"Hai ricopiato (-7) come 7."});
    row("a sign copied wrong", "8 - 3 x 2", "= 8 - 6", "= 8 + 3 x 2", "ricopiato", {"Hai ricopiato 8 - 3 come 8 + 3."});
    row("a product rewritten", "3 + 6 x 2", "= 3 + 12", "= 3 + 4 x 3", "ricopiato", {"Hai ricopiato 6 come 4."});
    row("a decimal copied wrong", "(2,5 + 1,5) x 2", "= 4 x 2", "= (3 + 1,5) x 2", "ricopiato",
        {"Hai ricopiato 2,5 come 3."});
    row("a fraction turned over", "3/4 + 1/2 x 2", "= 3/4 + 1", "= 4/3 + 1", "ricopiato",
        {"Hai ricopiato 3/4 come 4/3."});

    // Unreadable answers and brackets.
    row("nothing typed", "3 + 6 x 2", "= 3 + 12", "", "illeggibile", {"Scrivi il passaggio, poi premi invio."});
    row("only blanks", "3 + 6 x 2", "= 3 + 12", "  = ", "illeggibile", {"Scrivi il passaggio, poi premi invio."});
    row("words", "3 + 6 x 2", "= 3 + 12", "tre più dodici", "illeggibile", {"numeri"});
    row("a sign left hanging", "14 + 3 x 2", "= 14 + 6", "= 14 + 6 +", "illeggibile", {"Manca un numero"});
    row("divided by zero", "3/4 - 1/4", "= 1/2", "= 2/0", "illeggibile", {"ivisione per zero"});
    row("a closing bracket missing", "[(3 + 5) x 2 - 6] : 5", "= [8 x 2 - 6] : 5", "= [8 x 2 - 6 : 5",
        "parentesi", {"Manca una parentesi chiusa"});
    row("round brackets dropped", "(1 + 2) x 3", "= 3 x 3", "= 1 + 6", "parentesi", {"parentesi tonde troppo presto"});
    row("curly brackets dropped", "{20 - 2} : 6", "= 18 : 6", "= 20 - 2 : 6", "parentesi", {"parentesi graffe"});

    // More slips of every kind.
    row("divided last", "18 - 6 : 3", "= 18 - 2", "= 4", "ordine", {productsFirst});
    row("all at once, wrong", "3 + 6 x 2", "= 3 + 12", "= 17", "calcolo", {"3 + 6 x 2 fa 15, non 17."});
    row("right to left at once", "8 - 3 + 2", "= 5 + 2", "= 3", "ordine", {leftToRight});
    row("products right to left", "24 : 4 x 2", "= 6 x 2", "= 24 : 8", "ordine", {leftToRight});
    row("a comma without decimals", "3 + 6 x 2", "= 3 + 12", "= 3 + 12,", "illeggibile", {"."});
    row("a fifth power", "2^5 - 30", "= 32 - 30", "= 10 - 30", "potenza", {"2^5 = 2 x 2 x 2 x 2 x 2 = 32, non 10."});
    row("to the first", "5^1 + 2", "= 5 + 2", "= 1 + 2", "potenza", {"5^1 = 5, non 1."});
    row("subtracted under the exponent", "{9 - 2^2} : 5", "= {9 - 4} : 5", "= {7^2} : 5", "ordine", {powersFirst});
    row("a power with two digits", "2^10 - 1000", "= 1024 - 1000", "= 20 - 1000", "potenza", {"2^10 = 1024, non 20."});
    row("square brackets dropped", "[(3 + 5) x 2 - 6] : 5", "= [8 x 2 - 6] : 5", "= 8 x 2 - 6 : 5", "parentesi",
        {"Hai tolto le parentesi quadre troppo presto."});
    row("a bracket around one product dropped", "{[(2 + 3) x 4] - 2} : 6", "= {[5 x 4] - 2} : 6",
        "= {5 x 4 - 2} : 6", "insegnante");
    row("square dropped with the round inside", "{[(2 + 3) x 4 - 1] - 2} : 6", "= {[5 x 4 - 1] - 2} : 6",
        "= {5 x 4 - 1 - 2} : 6", "parentesi", {"parentesi quadre"});
    row("a bracket closed twice", "(1 + 2) x 3", "= 3 x 3", "= 3) x 3", "parentesi", {"."});
    row("a power before the brackets", "{[(1 + 2) x 3] - 2^2} : 5", "= {[3 x 3] - 2^2} : 5",
        "= {[(1 + 2) x 3] - 4} : 5", "ordine", {innermost});
    row("a number kept in brackets", "{9 - 4} : 5", "= 5 : 5", "= {5} : 5", "insegnante");
    row("a curly power slipped", "{[(1 + 2) x 3] - 2^2} : 5", "= {[3 x 3] - 4} : 5", "= {[3 x 3] - 8} : 5",
        "potenza", {"2^2 = 2 x 2 = 4, non 8."});
    row("two brackets' powers of a longer step", "{[(2^3 + 4) : 3 + 5^2] x 2 - 40} : 6",
        "= {[12 : 3 + 25] x 2 - 40} : 6", "= {[(8 + 4) : 3 + 25] x 2 - 40} : 6", "proprio");
    row("a power in a decimal exercise", "[(3,5 + 1,5) x 4 - 2^3] : 4", "= [5 x 4 - 8] : 4", "= [5 x 4 - 6] : 4",
        "potenza", {"2^3 = 2 x 2 x 2 = 8, non 6."});
    row("decimals swapped", "2,5 x 4 + 1,25", "= 10 + 1,25", "= 10 + 1,52", "ricopiato",
        {"Hai ricopiato 1,25 come 1,52."});
    row("a decimal quotient", "1,2 : 0,3 - 2", "= 4 - 2", "= 0,4 - 2", "calcolo", {"1,2 : 0,3 fa 4, non 0,4."});
    row("added before multiplying relatives", "(-8) + 4 x (-2)", "= (-8) + (-8)", "= -4 x (-2)", "ordine",
        {productsFirst});

    // A teacher's line without arithmetic: only the line itself.
    row("a title, typed", "Calcola:", "3 + 6 x 2", "3 + 6 x 2", "insegnante");
    row("a title, reordered", "Calcola:", "3 + 6 x 2", "6 x 2 + 3", "altro", {"ricontrollalo"});
}

void TestJudge::steps()
{
    QFETCH(QString, current);
    QFETCH(QString, ahead);
    QFETCH(QString, answer);
    QFETCH(QString, verdict);
    QFETCH(QStringList, names);
    const std::vector<Line> lines = linesOf(ahead);
    const diagnosis::Judgement j = diagnosis::judge(plainLine(current.toStdString()), lines,
                                                    plainLine(answer.toStdString()));
    const QString message = QString::fromStdString(j.diagnosis.message);
    QCOMPARE(verdictName(j) + ": " + message, verdict + ": " + (names.isEmpty() ? QString() : message));
    for (const QString& name : names)
        QVERIFY2(message.contains(name), qPrintable(message));
    if (!j.accepted())
        QVERIFY2(!message.isEmpty() && !message.startsWith(QLatin1String("Giusto")), qPrintable(message));
}

// Over random expressions and each level's exercises: every line of the chain is accepted as the
// teacher's, one operation from it is accepted too, and a slipped line is accepted only when it
// keeps the value.
void TestJudge::teacherLinesAndOwnStepsOverRandomExercises()
{
    using namespace arithmetic;
    std::mt19937 random(28);
    auto draw = [&random](int bound) { return int(random() % unsigned(bound)); };
    std::vector<std::string> expressions;
    for (int n = 0; n < 600; ++n)
        expressions.push_back(testing::randomExpression(draw));
    for (int level = 1; level <= 5; ++level)
        for (const std::string& e : curriculum::generate(level, 40, 28))
            expressions.push_back(e);
    int ownSteps = 0;
    for (const std::string& expression : expressions) {
        const Line first = plainLine(expression);
        const Steps school = generateSteps(first, StepMode::School, 100);
        if (!school.ok())
            continue;
        Line current = first;
        for (std::size_t k = 0; k < school.lines.size(); ++k) {
            const std::span<const Line> ahead(school.lines.data() + k, school.lines.size() - k);
            const std::string shown = plainText(current) + " | " + plainText(ahead[0]);
            QVERIFY2(diagnosis::judge(current, ahead, ahead[0]).verdict == diagnosis::Verdict::TeacherLine,
                     shown.c_str());
            const Steps one = generateSteps(current, StepMode::OneOperation, 100);
            QVERIFY(one.ok() && !one.lines.empty());
            const diagnosis::Judgement j = diagnosis::judge(current, ahead, one.lines.front());
            QVERIFY2(j.accepted(), (shown + " → " + plainText(one.lines.front()) + ": " + j.diagnosis.message).c_str());
            ownSteps += j.verdict == diagnosis::Verdict::OwnStep;
            Line slipped = ahead[0];
            slipped[std::size_t(draw(int(slipped.size())))] = {char32_t(U'0' + draw(10)), false};
            const diagnosis::Judgement s = diagnosis::judge(current, ahead, slipped);
            QVERIFY2(!s.accepted() || sameValue(slipped, current), (shown + " → " + plainText(slipped)).c_str());
            current = ahead[0];
        }
    }
    QVERIFY(ownSteps > 100);
}

// A pupil who goes one operation a line through a document written in school steps reaches the
// end with every line accepted.
void TestJudge::pupilsOwnPathReachesTheEnd()
{
    using namespace arithmetic;
    for (int level = 1; level <= 5; ++level) {
        for (const std::string& expression : curriculum::generate(level, 30, 1000 + level)) {
            const Line first = plainLine(expression);
            std::vector<Line> document{first};
            const Steps steps = generateSteps(first, StepMode::School, 100);
            document.insert(document.end(), steps.lines.begin(), steps.lines.end());
            diagnosis::PupilPath path(document);
            for (int guard = 0; !path.finished() && guard < 40; ++guard) {
                const Steps mine = generateSteps(path.shown().back().line, StepMode::OneOperation, 100);
                QVERIFY(mine.ok() && !mine.lines.empty());
                const diagnosis::Judgement j = path.answer(mine.lines.front());
                QVERIFY2(j.accepted(), (plainText(path.shown().back().line) + " → " + plainText(mine.lines.front())
                                        + ": " + j.diagnosis.message + " (" + expression + ")")
                                           .c_str());
            }
            QVERIFY2(path.finished(), expression.c_str());
        }
    }
}

QTEST_APPLESS_MAIN(TestJudge)
#include "tst_judge.moc"
