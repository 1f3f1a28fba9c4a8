// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's Salva under a failing disk. Runs with fault_shim preloaded (see tests.cmake): each
// row arms one failing call, presses Salva over an existing file and checks that nothing was lost.
#include "../editor/editor_rig.h"
#include "exercise/editor_session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <dlfcn.h>

using namespace quintavia;
using test::EditorRig;

namespace {

long faultsInjected()
{
    using Count = long (*)();
    const auto count = reinterpret_cast<Count>(dlsym(RTLD_DEFAULT, "quintavia_faults_injected"));
    return count ? count() : -1;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Arms the shim for the life of the object.
struct Fault {
    Fault(const QString& call, const QString& error, const QString& dir, int after, bool halfWay)
    {
        qputenv("QUINTAVIA_FAULT_AFTER", QByteArray::number(after));
        qputenv("QUINTAVIA_FAULT_ERRNO", error.toUtf8());
        qputenv("QUINTAVIA_FAULT_DIR", dir.toUtf8());
        if (halfWay)
            qputenv("QUINTAVIA_FAULT_SHORT", "1");
        qputenv("QUINTAVIA_FAULT_CALL", call.toUtf8());
    }
    ~Fault()
    {
        qunsetenv("QUINTAVIA_FAULT_CALL");
        qunsetenv("QUINTAVIA_FAULT_SHORT");
    }
};

}  // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void failedCallKeepsTheOldFileAndTheWork_data();
    void failedCallKeepsTheOldFileAndTheWork();
};

void TestSaveFaults::initTestCase()
{
    QVERIFY2(faultsInjected() >= 0, "fault_shim is not preloaded");
}

void TestSaveFaults::failedCallKeepsTheOldFileAndTheWork_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("after");     // calls of that kind that succeed first
    QTest::addColumn<bool>("halfWay");  // the first failing write writes half its bytes
    QTest::addColumn<QString>("reason");
    const QList<std::pair<QString, QString>> errors = {
        {"ENOSPC", "spazio esaurito sul disco"},
        {"EIO", "errore di lettura/scrittura del dispositivo"},
        {"EACCES", "permesso negato"},
    };
    const QList<std::pair<QString, QString>> calls = {
        {"open", "Impossibile creare il file: "},
        {"write", "Impossibile scrivere il file: "},
        {"fsync", "Impossibile scrivere il file sul disco: "},
        {"rename", "Impossibile completare il salvataggio del file: "},
    };
    for (const auto& [call, step] : calls) {
        for (const auto& [error, cause] : errors)
            QTest::addRow("%s %s", qPrintable(call), qPrintable(error))
                << call << error << 0 << false << step + cause + '.';
    }
    // The disk fills up half-way through a large document.
    QTest::newRow("write ENOSPC half-way")
        << "write"
        << "ENOSPC" << 0 << true << "Impossibile scrivere il file: spazio esaurito sul disco.";
}

void TestSaveFaults::failedCallKeepsTheOldFileAndTheWork()
{
    QFETCH(QString, call);
    QFETCH(QString, error);
    QFETCH(int, after);
    QFETCH(bool, halfWay);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("esercizio.rtf");
    const QByteArray old = "{\\rtf1\\ansi vecchio\\par}";
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    EditorRig r;
    r.nuova();
    // Long enough to need more than one write.
    if (halfWay)
        r.box()->setText(QStringLiteral("(12+3)x4").repeated(20000));
    r.caretAtEnd();
    r.type("(12+3)x4");
    const long before = faultsInjected();
    {
        Fault fault(call, error, dir.path(), after, halfWay);
        r.h.dialogs.answerSave(path);
        r.h.dialogs.answerWarning();
        r.click("cmdSalva");
    }
    QVERIFY2(faultsInjected() > before, "no call failed: the row tests nothing");
    QVERIFY(r.h.dialogs.allAnswered());
    const auto warning = r.h.dialogs.shown.last();
    QCOMPARE(warning.kind, QStringLiteral("warning"));
    QCOMPARE(warning.text, QStringLiteral("Non è stato possibile salvare il file \"%1\".\n%2")
                               .arg(QDir::toNativeSeparators(path), reason));
    QCOMPARE(contents(path), old);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList{"esercizio.rtf"});
    QVERIFY(r.w->session().unsaved());

    // The work is still there and can be changed and saved once the disk is back.
    r.caretAtEnd();
    r.type("=60");
    QVERIFY(r.box()->text().endsWith("=60"));
    r.h.dialogs.answerSave(path);
    r.click("cmdSalva");
    QVERIFY(r.h.dialogs.allAnswered());
    QVERIFY(!r.w->session().unsaved());
    QVERIFY(contents(path).contains("=60"));
}

QUINTAVIA_TEST_MAIN(TestSaveFaults)
#include "tst_save_faults.moc"
