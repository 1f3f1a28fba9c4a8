// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile files (written by make_hostile_files.py into HOSTILE_DIR) through the load path the
// solver and the editor share: each answered within 2 s and 200 MB, refused with a clear reason or
// read whole.
#include "document/document_file.h"
#include "exercise/exercise_lines.h"
#include "widgets/rich_text_box.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "test_main.h"

using namespace quintavia;

namespace {

// Sanitizer builds run several times slower and heavier; the limits grow with them.
constexpr int kSlowdown = QUINTAVIA_SLOWDOWN;

// Starts measuring the peak resident memory from now.
void resetPeakMemory()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

qint64 peakMemoryMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
    }
    return -1;
}

}  // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answeredQuicklyAndLightly_data();
    void answeredQuicklyAndLightly();
};

void TestHostileFiles::answeredQuicklyAndLightly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");  // empty: the file is read
    QTest::addColumn<int>("lines");      // when read
    QTest::newRow("100 MiB") << "grande.rtf"
                             << "Il file è troppo grande (più di 16 MiB)." << 0;
    QTest::newRow("a million lines") << "righe.rtf"
                                     << "Il file ha troppe righe per un esercizio (più di 10000)." << 0;
    QTest::newRow("100,000 nested groups") << "gruppi.rtf"
                                           << "Il file RTF è danneggiato: troppi gruppi annidati." << 0;
    QTest::newRow("50 MiB \\bin claim") << "bin.rtf"
                                        << "" << 1;
    QTest::newRow("10 MB line")
        << "riga_lunga.rtf"
        << "Il file ha una riga troppo lunga per un esercizio (più di 10000 caratteri)." << 0;
    QTest::newRow("too much text")
        << "testo.rtf"
        << "Il file contiene troppo testo per un esercizio (più di 200000 caratteri)." << 0;
    QTest::newRow("15 MiB of document information") << "info.rtf" << "" << 1;
    QTest::newRow("as much text as allowed") << "al_limite.rtf"
                                             << "" << 20;
}

void TestHostileFiles::answeredQuicklyAndLightly()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    QFETCH(int, lines);
    const QString path = QStringLiteral(HOSTILE_DIR "/") + name;
    QVERIFY2(QFile::exists(path), "run make_hostile_files.py first (the CTest fixture does)");

    RichTextBox box;
    box.resize(600, 300);
    box.show();
    resetPeakMemory();
    QElapsedTimer clock;
    clock.start();
    QString reason;
    const bool loaded = box.loadFile(path, &reason);
    const int counted = loaded ? int(exercise::linesOfDocument(*box.document()).size()) : 0;
    QCoreApplication::processEvents();  // the box lays out and paints what it holds
    const qint64 ms = clock.elapsed();
    const qint64 mib = peakMemoryMiB();
    qInfo("%s: %lld ms, peak %lld MiB", qPrintable(name), ms, mib);

    QCOMPARE(reason, error);
    QCOMPARE(loaded, error.isEmpty());
    QCOMPARE(counted, lines);
    QVERIFY2(ms <= 2000 * kSlowdown, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    QVERIFY2(mib <= 200 * kSlowdown, qPrintable(QStringLiteral("%1 MiB").arg(mib)));
}

QUINTAVIA_TEST_MAIN(TestHostileFiles)
#include "tst_hostile_files.moc"
