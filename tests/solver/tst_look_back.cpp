// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Deep in a long exercise: a mark where lines are left out, and looking back through them.
#include "solver_fixture.h"

#include <QAccessible>
#include <QDir>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QWheelEvent>

using namespace quintavia;
using test::Solver;

namespace {

// An exercise of the lines "1" ... "n"; returns its path.
QString writeNumbered(const QTemporaryDir& dir, int lines)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Comic Sans MS;}}\\pard\\fs24 ";
    for (int i = 1; i <= lines; ++i)
        rtf += QByteArray::number(i) + "\\par\n";
    rtf += "}";
    const QString path = dir.filePath(QStringLiteral("righe%1.rtf").arg(lines));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    return path;
}

// The lines the document box shows, by their numbers.
QList<int> shown(const Solver& s)
{
    QList<int> numbers;
    for (QTextBlock b = s.rtb1->document()->firstBlock(); b.isValid(); b = b.next())
        numbers << b.text().toInt();
    return numbers;
}

void look(Solver& s, const QString& way, bool back)
{
    if (way == QLatin1String("wheel")) {
        const QPoint at(10, 10);
        const QPoint delta(0, back ? 120 : -120);
        QWheelEvent wheel(at, s.rtb1->viewport()->mapToGlobal(at), QPoint(), delta, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(s.rtb1->viewport(), &wheel);
    } else {
        QTest::keyClick(s.rtb1, way == QLatin1String("arrows") ? (back ? Qt::Key_Up : Qt::Key_Down)
                                                               : (back ? Qt::Key_PageUp : Qt::Key_PageDown));
    }
}

}  // namespace

class TestSolverLookBack : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void backThroughTheShownLinesOnly_data();
    void backThroughTheShownLinesOnly();
};

void TestSolverLookBack::backThroughTheShownLinesOnly_data()
{
    QTest::addColumn<QString>("way");
    for (const char* way : {"wheel", "arrows", "page keys"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

void TestSolverLookBack::backThroughTheShownLinesOnly()
{
    QFETCH(QString, way);
    QTemporaryDir dir;
    Solver s;
    s.open(writeNumbered(dir, 25));
    for (int i = 0; i < 19; ++i)
        s.help();
    // 20 lines shown, not all of them fit: the expression, the mark, then the last ones.
    QList<int> lines = shown(s);
    QCOMPARE(lines.first(), 1);
    QCOMPARE(lines.last(), 20);
    QVERIFY2(lines.at(1) > 2, qPrintable(QString::number(lines.at(1))));
    QVERIFY(!s.rtb1->toolTip().isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(s.rtb1)->text(QAccessible::Description),
             s.rtb1->toolTip());
    const QList<int> latest = lines;
    QDir().mkpath(QStringLiteral(QUINTAVIA_BUILD_DIR "/screenshots"));
    s.w->grab().save(QStringLiteral(QUINTAVIA_BUILD_DIR "/screenshots/look-back-%1.png")
                         .arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-')));

    // Back, a line at a time, as far as line 2 under the expression, and no further.
    s.rtb1->setFocus();
    for (int i = 0; i < 30; ++i)
        look(s, way, true);
    lines = shown(s);
    QCOMPARE(lines.mid(0, 2), (QList<int>{1, 2}));
    QVERIFY(lines.last() < 20);
    QVERIFY(s.rtb1->toolTip().isEmpty());
    // Forward as far as the last line shown; line 21 stays hidden.
    for (int i = 0; i < 30; ++i)
        look(s, way, false);
    QCOMPARE(shown(s), latest);
    // A new line brings the view to the latest.
    look(s, way, true);
    s.help();
    QCOMPARE(shown(s).last(), 21);
}

QUINTAVIA_TEST_MAIN(TestSolverLookBack)
#include "tst_look_back.moc"
