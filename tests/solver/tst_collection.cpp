// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises that ship with the program: each one opens in the solver and is solved by typing its
// own steps, to the end, without an error.
#include "solver_fixture.h"

#include "document/document_file.h"
#include "exercise/exercise_lines.h"

#include <QDirIterator>

using namespace quintavia;
using namespace quintavia::test;

class TestCollection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyExerciseSolves_data();
    void everyExerciseSolves();
};

void TestCollection::everyExerciseSolves_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator it(QStringLiteral(QUINTAVIA_SOURCE_DIR "/esercizi"), {QStringLiteral("*.rtf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(path.section(QLatin1Char('/'), -2))) << path;
        ++count;
    }
    QVERIFY2(count >= 120, "the collection holds fewer than 120 exercises");
}

void TestCollection::everyExerciseSolves()
{
    QFETCH(QString, path);
    const rtf::ReadResult read = readDocumentFile(path);
    QVERIFY2(read.ok(), qPrintable(read.error));
    const std::vector<arithmetic::Line> lines = exercise::linesOfDocument(*read.document);
    QVERIFY(lines.size() >= 2 && lines.size() <= 15);

    Solver s;
    s.open(path);
    QVERIFY(s.frame->isEnabled());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        s.answer(QString::fromStdString(arithmetic::plainText(lines[i])));
        if (i + 1 < lines.size())
            QCOMPARE(s.message->text(), QStringLiteral("Bravissimo"));
    }
    QCOMPARE(s.message->text(), QStringLiteral("Hai finito con 0 errori e 0 aiuti "));
}

QUINTAVIA_TEST_MAIN(TestCollection)
#include "tst_collection.moc"
