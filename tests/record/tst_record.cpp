// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's record on a real SQLite file in a folder under the build tree: what an exercise
// writes, two programs writing one pupil at once, a kill in the middle, folders that cannot be
// written, names that would lead elsewhere, files in a class folder that are not records, and a
// store that cannot be had (the program's module missing).
#include "database/connection.h"
#include "database/sqlite_store.h"
#include "record/pupil_record.h"
#include "record/reading.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quintavia::record;

namespace {

QString refused() { return QLatin1String(kRefused); }

ExerciseInfo someExercise()
{
    return {QStringLiteral("quadrati.rtf"), linesHash({QStringLiteral("3 + 6 x 2"), QStringLiteral("= 3 + 12")}),
            QStringLiteral("3 + 6 x 2"), 2, QStringLiteral("ordine"), 42};
}

// The first row of a statement on the file, as the sqlite3 tool would print it.
QVariant sql(const QString& path, const QString& statement)
{
    Connection db(path, true);
    if (!db.open().isEmpty())
        return {};
    QSqlQuery query(db.database());
    return query.exec(statement) && query.next() ? query.value(0) : QVariant();
}

// Root writes into any folder, so the read-only folder is tried by record-writer as an account
// without that right: said once, nothing written.
void writeAsNobody(const QString& folder)
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QSKIP("this account writes into read-only folders (root), and setpriv is not there");
    const QString parent = QFileInfo(folder).path();
    QFile::setPermissions(parent, QFile::permissions(parent) | QFile::ReadOther | QFile::ExeOther);
    QProcess writer;
    writer.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                           QStringLiteral(RECORD_WRITER), folder, QStringLiteral("Anna"), QStringLiteral("2")});
    QVERIFY(writer.waitForFinished(30'000));
    const QString said = QString::fromUtf8(writer.readAllStandardError());
    QVERIFY2(said.startsWith(QStringLiteral("Il registro non si può scrivere: ")) && said.count(u'\n') == 1, qPrintable(said));
    QCOMPARE(writer.exitCode(), 1);
    QVERIFY(QDir(folder).isEmpty());
}

}  // namespace

class TestRecord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void anExercisesRows();
    void twoWritersAtOnce();
    void killedMidExercise();
    void unwritableFolders_data();
    void unwritableFolders();
    void names_data();
    void names();
    void filesThatAreNoRecords();
    void aStoreThatCannotBeMade();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecord::initTestCase()
{
    useSqliteStore();
}

void TestRecord::init()
{
    m_dir = std::make_unique<QTemporaryDir>(QStringLiteral(QUINTAVIA_BUILD_DIR "/tests/record-XXXXXX"));
    QVERIFY(m_dir->isValid());
}

void TestRecord::anExercisesRows()
{
    PupilRecord record(m_dir->path(), QStringLiteral(" Anna  Rossi "));
    qint64 now = 1'700'000'000'000;
    record.setClock([&] { return now; });
    record.startExercise(someExercise());
    QVERIFY2(!QFile::exists(record.path()), "nothing is written before the first answer");
    now += 5'000;
    QCOMPARE(record.answer(QStringLiteral("= 18"), refused(), QStringLiteral("ordine")), QString());
    QCOMPARE(record.answer(QStringLiteral("= 18"), refused(), QStringLiteral("ordine")), QString());
    QCOMPARE(record.answer(QStringLiteral("= 9 x 2"), refused(), QStringLiteral("ordine")), QString());
    QCOMPARE(record.answer(QStringLiteral("3 + 12"), QLatin1String(kTeacherLine)), QString());
    QCOMPARE(record.help(), QString());
    now += 60'000;
    QCOMPARE(record.finish(), QString());
    record.startExercise({{}, {}, QStringLiteral("2^3 - 1"), 3, {}, 7});
    QCOMPARE(record.answer(QStringLiteral("= 6 - 1"), refused(), QStringLiteral("potenza")), QString());

    QCOMPARE(sql(record.path(), QStringLiteral("PRAGMA user_version")).toInt(), kSchemaVersion);
    QCOMPARE(sql(record.path(), QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
    QCOMPARE(sql(record.path(), QStringLiteral("SELECT count(*) FROM event")).toInt(), 6);
    const RecordRead read = readRecord(record.path());
    QVERIFY2(read.history, qPrintable(read.problem));
    QCOMPARE(read.history->pupil, QStringLiteral("Anna Rossi"));
    QCOMPARE(read.history->exercises.size(), std::size_t(2));
    const ExerciseRecord& first = read.history->exercises[0];
    QVERIFY(first.finished());
    QCOMPARE(first.errors(), 2);  // "= 18" twice is one error, as the solver counts it
    QCOMPARE(first.helps(), 1);
    QCOMPARE(first.errorsByCategory(), (std::map<QString, int>{{QStringLiteral("ordine"), 2}}));
    QCOMPARE(first.seconds(), 65);
    QCOMPARE(first.info.seed, std::optional<quint64>(42));
    QCOMPARE(first.info.linesHash, someExercise().linesHash);
    QCOMPARE(first.name(), QStringLiteral("quadrati.rtf"));
    const ExerciseRecord& second = read.history->exercises[1];
    QVERIFY(!second.finished());
    QCOMPARE(second.name(), QStringLiteral("2^3 - 1"));
    QCOMPARE(second.info.level, 3);
}

void TestRecord::twoWritersAtOnce()
{
    constexpr int kAnswers = 150;
    QProcess first;
    QProcess second;
    const QStringList arguments{m_dir->path(), QStringLiteral("Luca"), QString::number(kAnswers)};
    first.start(QStringLiteral(RECORD_WRITER), arguments);
    second.start(QStringLiteral(RECORD_WRITER), arguments);
    QVERIFY(first.waitForFinished(60'000) && second.waitForFinished(60'000));
    QCOMPARE(first.readAllStandardError(), QByteArray());
    QCOMPARE(second.readAllStandardError(), QByteArray());
    QCOMPARE(first.exitCode() + second.exitCode(), 0);
    const RecordRead read = readRecord(QDir(m_dir->path()).filePath(QStringLiteral("luca.registro")));
    QVERIFY2(read.history, qPrintable(read.problem));
    QCOMPARE(read.history->exercises.size(), std::size_t(2));
    for (const ExerciseRecord& exercise : read.history->exercises) {
        QVERIFY(exercise.finished());
        QCOMPARE(exercise.events.size(), std::size_t(kAnswers));
    }
}

void TestRecord::killedMidExercise()
{
    QProcess writer;
    writer.start(QStringLiteral(RECORD_WRITER), {m_dir->path(), QStringLiteral("Sara"), QStringLiteral("7"),
                                                  QStringLiteral("--hold")});
    QVERIFY(writer.waitForReadyRead(30'000));
    QCOMPARE(writer.readAllStandardOutput(), QByteArray("scritto\n"));
    writer.kill();  // SIGKILL: no destructor, no close
    QVERIFY(writer.waitForFinished(10'000));
    const QString path = QDir(m_dir->path()).filePath(QStringLiteral("sara.registro"));
    QCOMPARE(sql(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    const RecordRead read = readRecord(path);
    QVERIFY2(read.history, qPrintable(read.problem));
    QCOMPARE(read.history->exercises.size(), std::size_t(1));
    QVERIFY(!read.history->exercises.back().finished());
    QCOMPARE(read.history->exercises.back().errors(), 7);
}

void TestRecord::unwritableFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("readOnly");  // a folder made read-only by the test
    QTest::newRow("missing") << QStringLiteral("manca/ancora") << false;
    QTest::newRow("a file for a folder") << QStringLiteral("file") << false;
    QTest::newRow("read-only") << QStringLiteral("chiusa") << true;
    QTest::newRow("read-only even for root") << QStringLiteral("/proc") << false;
}

void TestRecord::unwritableFolders()
{
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    const QDir dir(m_dir->path());
    const QString path = QDir::isAbsolutePath(folder) ? folder : dir.filePath(folder);
    QFile file(dir.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    if (readOnly) {
        QVERIFY(dir.mkdir(folder));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QFile probe(QDir(path).filePath(QStringLiteral("prova")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            writeAsNobody(path);
            return;
        }
    }
    PupilRecord record(path, QStringLiteral("Anna"));
    record.startExercise(someExercise());
    const QString once = record.answer(QStringLiteral("= 15"), refused(), QStringLiteral("insieme"));
    QVERIFY2(once.startsWith(QStringLiteral("Il registro non si può scrivere: ")), qPrintable(once));
    QCOMPARE(record.answer(QStringLiteral("= 3 + 12"), QLatin1String(kTeacherLine)), QString());
    QCOMPARE(record.help(), QString());
    QCOMPARE(record.finish(), QString());
    record.startExercise(someExercise());
    QCOMPARE(record.answer(QStringLiteral("= 3 + 12"), QLatin1String(kTeacherLine)), QString());
    QVERIFY(!QFile::exists(record.path()));
    if (readOnly)
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestRecord::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileName");  // empty: refused
    QTest::newRow("plain") << QStringLiteral("Anna Rossi") << QStringLiteral("anna rossi.registro");
    QTest::newRow("blanks") << QStringLiteral("  anna \t rossi ") << QStringLiteral("anna rossi.registro");
    QTest::newRow("accents, typographic apostrophe") << QStringLiteral("Zoë O’Brien") << QStringLiteral("zoë o'brien.registro");
    QTest::newRow("decomposed accent") << QStringLiteral("Nicolo\u0300") << QStringLiteral("nicolò.registro");
    QTest::newRow("an account's name") << QStringLiteral("mario.rossi_2") << QStringLiteral("mario.rossi_2.registro");
    QTest::newRow("40 characters") << QString(40, QLatin1Char('a')) << QString(40, QLatin1Char('a')) + ".registro";
    QTest::newRow("parent folder") << QStringLiteral("../x") << QString();
    QTest::newRow("dots") << QStringLiteral("..") << QString();
    QTest::newRow("root") << QStringLiteral("/") << QString();
    QTest::newRow("a folder inside") << QStringLiteral("a/b") << QString();
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QString();
    QTest::newRow("drive") << QStringLiteral("C:x") << QString();
    QTest::newRow("device") << QStringLiteral("CON") << QString();
    QTest::newRow("device with extension") << QStringLiteral("nul.txt") << QString();
    QTest::newRow("hidden") << QStringLiteral(".anna") << QString();
    QTest::newRow("trailing dot") << QStringLiteral("anna.") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blank") << QStringLiteral(" \t ") << QString();
    QTest::newRow("200 characters") << QString(200, QLatin1Char('a')) << QString();
    QTest::newRow("a nul character") << QStringLiteral("anna") + QChar(0) + QStringLiteral("x") << QString();
    QTest::newRow("an emoji") << QStringLiteral("anna \U0001F600") << QString();
}

void TestRecord::names()
{
    QFETCH(QString, typed);
    QFETCH(QString, fileName);
    const PupilName name = checkPupilName(typed);
    QCOMPARE(name.fileName, fileName);
    QCOMPARE(name.problem.isEmpty(), !fileName.isEmpty());

    const QString folder = QDir(m_dir->path()).filePath(QStringLiteral("classe"));
    QVERIFY(QDir().mkpath(folder));
    PupilRecord record(folder, typed);
    record.startExercise(someExercise());
    const QString problem = record.answer(QStringLiteral("= 15"), refused(), QStringLiteral("insieme"));
    QCOMPARE(problem.isEmpty(), !fileName.isEmpty());
    // Whatever the name, nothing was written outside the class folder.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"classe"});
    if (!fileName.isEmpty())
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{fileName});
}

void TestRecord::filesThatAreNoRecords()
{
    const QDir dir(m_dir->path());
    PupilRecord anna(dir.path(), QStringLiteral("Anna"));
    anna.startExercise(someExercise());
    QCOMPARE(anna.answer(QStringLiteral("= 3 + 12"), QLatin1String(kTeacherLine)), QString());
    auto writeFile = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    writeFile("testo.registro", "non sono un registro\n");
    writeFile("vuoto.registro", "");
    writeFile("esercizio.rtf", "{\\rtf1 3 + 4}");
    {
        Connection other(dir.filePath(QStringLiteral("altro.registro")), false);
        QVERIFY(other.open().isEmpty());
        QSqlQuery query(other.database());
        QVERIFY(query.exec(QStringLiteral("PRAGMA application_id = 7")));
    }
    {
        PupilRecord newer(dir.path(), QStringLiteral("Futuro"));
        newer.startExercise(someExercise());
        QCOMPARE(newer.answer(QStringLiteral("= 3 + 12"), QLatin1String(kTeacherLine)), QString());
        Connection db(newer.path(), false);
        QVERIFY(db.open().isEmpty());
        QSqlQuery query(db.database());
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 99")));
    }
    QStringList problems;
    QCOMPARE(pupilNames(dir.path(), &problems), QStringList{"Anna"});
    QCOMPARE(problems.size(), 4);
    for (const char* name : {"altro", "futuro", "testo", "vuoto"})
        QVERIFY2(problems.filter(QLatin1String(name) + QLatin1String(".registro: ")).size() == 1, qPrintable(problems.join('\n')));
    // Writing into one of them is refused as well, and never spoils it.
    PupilRecord text(dir.path(), QStringLiteral("testo"));
    text.startExercise(someExercise());
    QVERIFY(!text.answer(QStringLiteral("= 3 + 12"), QLatin1String(kTeacherLine)).isEmpty());
    QFile file(dir.filePath(QStringLiteral("testo.registro")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("non sono un registro\n"));
}

void TestRecord::aStoreThatCannotBeMade()
{
    PupilRecord anna(m_dir->path(), QStringLiteral("Anna"));
    anna.startExercise(someExercise());
    QCOMPARE(anna.answer(QStringLiteral("= 3 + 12"), QLatin1String(kTeacherLine)), QString());
    int tries = 0;
    setStoreMaker([&tries](QString& problem) -> std::unique_ptr<Store> {
        ++tries;
        problem = QStringLiteral("il modulo non si può caricare");
        return nullptr;
    });
    const auto linkedStore = qScopeGuard([] { useSqliteStore(); });
    // Said once by the record that finds it out; nothing is written, nothing is read, no crash.
    PupilRecord luca(m_dir->path(), QStringLiteral("Luca"));
    luca.startExercise(someExercise());
    QCOMPARE(luca.answer(QStringLiteral("= 15"), refused(), QStringLiteral("insieme")),
             QStringLiteral("Il registro non si può scrivere: il modulo non si può caricare"));
    QCOMPARE(luca.help(), QString());
    QCOMPARE(luca.finish(), QString());
    QVERIFY(!QFile::exists(luca.path()));
    QCOMPARE(readRecord(anna.path()).problem, QStringLiteral("il modulo non si può caricare"));
    QStringList problems;
    QCOMPARE(pupilNames(m_dir->path(), &problems), QStringList());
    QCOMPARE(problems.size(), 1);
    QCOMPARE(tries, 1);  // not tried again at every answer
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
