// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's record as the solver keeps it: the name asked once in a class folder, every answer
// and help written, a record that cannot be written never stopping the pupil, "Esercizio per me".
#include "solver_fixture.h"

#include "arithmetic/line.h"
#include "database/sqlite_store.h"
#include "record/pupil_record.h"
#include "record/reading.h"
#include "shell/class_folder.h"
#include "solver/record_module.h"

#include <QAction>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace quintavia;
using test::Solver;

namespace {

const QString kCannotWrite = QStringLiteral("Il registro non si può scrivere: ");

// A hand-written exercise, or with `info` one that says something of itself.
QString writeTimes(const QTemporaryDir& dir, const QByteArray& info = {})
{
    const QString path = dir.filePath(QStringLiteral("per.rtf"));
    QFile file(path);
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Comic Sans MS;}}" + info
                           + "\\pard\\fs24 3 + 6 x 2\\par\n= 3 + 12\\par\n= 15\\par\n}";
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    return path;
}

// A generated exercise of `level` played to its end: `slips` different wrong answers first, then
// every line typed as the teacher wrote it.
void play(Solver& s, int level, int slips)
{
    s.w->newExercise(level);
    const auto lines = s.w->session().lines();
    for (int slip = 0; slip < slips; ++slip)
        s.answer(QStringLiteral("= %1").arg(9999 - slip));
    for (std::size_t k = 1; k < lines.size(); ++k)
        s.answer(QString::fromStdString(arithmetic::plainText(lines[k])));
}

}  // namespace

class TestSolverRecord : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pupilOfAClass();
    void cannotBeWritten_data();
    void cannotBeWritten();
    void recordedThroughTheModule();
    void exerciseForMe_data();
    void exerciseForMe();
    void levelOfAFile_data();
    void levelOfAFile();
};

void TestSolverRecord::pupilOfAClass()
{
    QTemporaryDir classFolder;
    QTemporaryDir exercises;
    const QString path = writeTimes(exercises);
    {
        record::PupilRecord bea(classFolder.path(), QStringLiteral("Bea"));
        bea.startExercise({});
        QCOMPARE(bea.answer(QStringLiteral("1"), QLatin1String(record::kTeacherLine)), QString());
    }
    Solver s;
    setClassFolderForThisRun(classFolder.path());
    // A name that cannot be a file's is refused with its reason, and asked again.
    s.h.dialogs.answerOpen(path);
    s.h.dialogs.answerName(QStringLiteral("../x"));
    s.h.dialogs.answerWarning();
    s.h.dialogs.answerName(QStringLiteral("Anna Rossi"));
    s.click(QStringLiteral("cmdApri"));
    QCOMPARE(s.h.dialogs.namesOffered, QStringList{QStringLiteral("Bea")});
    s.answer(QStringLiteral("= 9 x 2"));
    s.help();
    s.answer(QStringLiteral("= 15"));
    QVERIFY(s.inputLocked());
    // A second exercise in the same run, in a window opened anew: the name is not asked again, and
    // the exercise left half done stays unfinished.
    Solver again;
    setClassFolderForThisRun(classFolder.path());
    again.open(path);
    again.answer(QStringLiteral("= 3 + 12"));
    QVERIFY(s.h.dialogs.unexpected.isEmpty());
    QVERIFY(again.h.dialogs.unexpected.isEmpty());
    QVERIFY(s.h.dialogs.allAnswered());

    const record::RecordRead read = record::readRecord(classFolder.filePath(QStringLiteral("anna rossi.registro")));
    QVERIFY2(read.history, qPrintable(read.problem));
    QCOMPARE(read.history->pupil, QStringLiteral("Anna Rossi"));
    QCOMPARE(read.history->exercises.size(), std::size_t(2));
    const record::ExerciseRecord& first = read.history->exercises.front();
    QCOMPARE(first.info.file, QStringLiteral("per.rtf"));
    QCOMPARE(first.info.expression, QStringLiteral("3 + 6 x 2"));
    QVERIFY(first.finished());
    QCOMPARE(first.errors(), 1);
    QCOMPARE(first.helps(), 1);
    QCOMPARE(first.events.size(), std::size_t(3));
    QCOMPARE(first.events[0].verdict, QLatin1String(record::kRefused));
    QVERIFY(!first.events[0].category.isEmpty());
    QCOMPARE(first.events[2].verdict, QLatin1String(record::kTeacherLine));
    QVERIFY(!read.history->exercises.back().finished());
}

void TestSolverRecord::cannotBeWritten_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("fileInItsPlace");
    QTest::addColumn<QString>("module");  // the record's module the program would load; empty: linked
    QTest::addRow("missing class folder") << QStringLiteral("non-c-e") << false << QString();
    QTest::addRow("a file where the folder should be") << QStringLiteral("un-file") << true << QString();
    QTest::addRow("the record's module missing") << QStringLiteral(".") << false << QStringLiteral("quintavia-record.so");
}

void TestSolverRecord::cannotBeWritten()
{
    QFETCH(QString, folder);
    QFETCH(bool, fileInItsPlace);
    QFETCH(QString, module);
    QTemporaryDir dir;
    const QString classFolder = dir.filePath(folder);
    if (fileInItsPlace) {
        QFile file(classFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Solver s;
    if (!module.isEmpty())
        useRecordModule({dir.filePath(module)});
    const auto linkedStore = qScopeGuard([] { record::useSqliteStore(); });
    setClassFolderForThisRun(classFolder);
    s.h.dialogs.answerOpen(writeTimes(dir));
    s.h.dialogs.answerName(QStringLiteral("Carlo"));
    s.click(QStringLiteral("cmdApri"));
    // Said once, where the verdict would be; the pupil works on to the end all the same.
    s.answer(QStringLiteral("= 3 + 12"));
    QVERIFY2(s.message->text().startsWith(kCannotWrite), qPrintable(s.message->text()));
    s.answer(QStringLiteral("= 0"));
    QCOMPARE(s.message->text(), QString::fromUtf8("Il passaggio non è esatto. Correggi."));
    s.answer(QStringLiteral("= 15"));
    QVERIFY(s.inputLocked());
    QVERIFY(!s.message->text().startsWith(kCannotWrite));
    QVERIFY(s.h.dialogs.unexpected.isEmpty());
}

// The module the program loads at the first answer writes the record as the linked store does.
void TestSolverRecord::recordedThroughTheModule()
{
    QTemporaryDir classFolder;
    QTemporaryDir exercises;
    Solver s;
    useRecordModule({QStringLiteral(QUINTAVIA_BUILD_DIR "/quintavia-record.so")});
    const auto linkedStore = qScopeGuard([] { record::useSqliteStore(); });
    setClassFolderForThisRun(classFolder.path());
    s.h.dialogs.answerOpen(writeTimes(exercises));
    s.h.dialogs.answerName(QStringLiteral("Dario"));
    s.click(QStringLiteral("cmdApri"));
    s.answer(QStringLiteral("= 3 + 12"));
    QVERIFY2(!s.message->text().startsWith(kCannotWrite), qPrintable(s.message->text()));
    const record::RecordRead read = record::readRecord(classFolder.filePath(QStringLiteral("dario.registro")));
    QVERIFY2(read.history, qPrintable(read.problem));
    QCOMPARE(read.history->exercises.size(), std::size_t(1));
    QCOMPARE(read.history->exercises.front().events.size(), std::size_t(1));
}

void TestSolverRecord::exerciseForMe_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("exercises");
    QTest::addColumn<int>("slips");
    QTest::addColumn<int>("chosen");
    QTest::addRow("three perfect: up one") << 2 << 3 << 0 << 3;
    QTest::addRow("two perfect: the same") << 2 << 2 << 0 << 2;
    QTest::addRow("two with three errors: down one") << 3 << 2 << 3 << 2;
    QTest::addRow("no exercise yet: level 1") << 4 << 0 << 0 << 1;
}

void TestSolverRecord::exerciseForMe()
{
    QFETCH(int, level);
    QFETCH(int, exercises);
    QFETCH(int, slips);
    QFETCH(int, chosen);
    // Without a class folder: the account's own record, no name asked.
    Solver s;
    quint64 seed = 5;
    s.w->setSeedSource([&seed] { return seed++; });
    for (int i = 0; i < exercises; ++i)
        play(s, level, slips);
    s.w->exerciseForMeAction()->trigger();
    QVERIFY(s.w->session().running());
    QVERIFY2(s.message->text().endsWith(QStringLiteral(" - livello %1").arg(chosen)), qPrintable(s.message->text()));
    // The choice is recorded with the exercise, once it is worked.
    s.help();
    const auto kept = record::PupilRecord::ofThisAccount();
    const record::RecordRead read = record::readRecord(kept->path());
    QVERIFY2(read.history, qPrintable(read.problem));
    QCOMPARE(read.history->exercises.size(), std::size_t(exercises + 1));
    QCOMPARE(read.history->exercises.back().info.level, chosen);
    QVERIFY(read.history->exercises.back().info.seed.has_value());
    QVERIFY(s.h.dialogs.shown.isEmpty());
}

void TestSolverRecord::levelOfAFile_data()
{
    QTest::addColumn<QString>("file");  // in the collection, else the keywords of per.rtf
    QTest::addColumn<QString>("recorded");  // level|theme|whether with a seed
    QTest::addRow("collection, first of its year") << u"3 - Prima media/es01.rtf"_qs << u"3||1"_qs;
    QTest::addRow("collection, a later one") << u"5 - Terza media/es17.rtf"_qs << u"5||0"_qs;
    QTest::addRow("written by hand") << QString() << u"0||0"_qs;
    QTest::addRow("a theme") << u"livello 2; tema potenze; seme 4"_qs << u"2|potenze|1"_qs;
    QTest::addRow("a level there is not") << u"livello 99; seme 4"_qs << u"0||0"_qs;
    QTest::addRow("a theme the level does not hold") << u"livello 1; tema segni; seme 4"_qs << u"1||0"_qs;
}

// An exercise opened from a generated file counts for the level it was made for, as a generated
// one does, so that "Esercizio per me" follows the collection too.
void TestSolverRecord::levelOfAFile()
{
    QFETCH(QString, file);
    QFETCH(QString, recorded);
    QTemporaryDir dir;
    Solver s;
    if (file.endsWith(u".rtf"))
        s.open(QStringLiteral(QUINTAVIA_SOURCE_DIR "/esercizi/") + file);
    else
        s.open(writeTimes(dir, file.isEmpty() ? QByteArray() : "{\\info{\\keywords " + file.toLatin1() + "}}"));
    s.help();
    const record::RecordRead read = record::readRecord(record::PupilRecord::ofThisAccount()->path());
    QVERIFY2(read.history, qPrintable(read.problem));
    const record::ExerciseInfo& info = read.history->exercises.back().info;
    QCOMPARE(u"%1|%2|%3"_qs.arg(info.level).arg(info.theme).arg(info.seed.has_value()), recorded);
}

QUINTAVIA_TEST_MAIN(TestSolverRecord)
#include "tst_record.moc"
