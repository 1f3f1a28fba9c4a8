// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the file dialogs of both working windows start, and what is kept between visits.
#include "shell/window_registry.h"
#include "test_harness.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quintavia;

namespace {

const QString kExercise = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 2+3\\par 5\\par}");

QString pupilDefault()
{
    const QString collection = QStringLiteral(QUINTAVIA_SOURCE_DIR "/esercizi");
    return QDir(collection).exists() ? collection : QString();  // no collection: the documents
}

QString teacherDefault()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QString exerciseIn(const QString& folder)
{
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/es.rtf"));
    if (file.open(QIODevice::WriteOnly))
        file.write(kExercise.toLatin1());
    return file.fileName();
}

// Opens `kind` afresh, as the start window does, and presses its button `name`.
void press(test::Harness& h, WindowKind kind, const char* name)
{
    h.registry.unload(kind);
    QWidget* window = h.registry.load(kind);
    window->show();
    QTest::mouseClick(window->findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
    QCoreApplication::processEvents();
}

}  // namespace

class TestDialogFolders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachWindowKeepsItsOwnLastFolder();
    void missingOrUnreadableSettingsGiveTheDefaults_data();
    void missingOrUnreadableSettingsGiveTheDefaults();
};

void TestDialogFolders::eachWindowKeepsItsOwnLastFolder()
{
    test::Harness h;
    QTemporaryDir dir;
    const QString pupil = dir.filePath("alunno"), opened = dir.filePath("apre"),
                  saved = dir.filePath("salva");
    const QString pupilFile = exerciseIn(pupil), openedFile = exerciseIn(opened);
    QDir().mkpath(saved);

    h.dialogs.answerOpen(pupilFile);
    press(h, WindowKind::Solver, "cmdApri");
    h.dialogs.answerOpen(openedFile);
    press(h, WindowKind::Editor, "cmdModifica");
    // The save proposes the opened file; its folder is where the teacher last was.
    h.dialogs.answerSave(saved + QStringLiteral("/nuovo.rtf"));
    QTest::mouseClick(h.registry.find(WindowKind::Editor)->findChild<QAbstractButton*>("cmdSalva"),
                      Qt::LeftButton);
    // Later visits: the pupil's folder stays the pupil's; open and save share the teacher's last.
    h.dialogs.answerOpen(std::nullopt);
    press(h, WindowKind::Solver, "cmdApri");
    h.dialogs.answerOpen(std::nullopt);
    press(h, WindowKind::Editor, "cmdModifica");

    QVERIFY(h.dialogs.allAnswered());
    const QString expectedPupil = pupilDefault().isEmpty() ? teacherDefault() : pupilDefault();
    QCOMPARE(h.dialogs.startFolders(), (QStringList{expectedPupil, teacherDefault(), opened, pupil, saved}));
    QCOMPARE(h.dialogs.shown[2].text, openedFile);
}

void TestDialogFolders::missingOrUnreadableSettingsGiveTheDefaults_data()
{
    QTest::addColumn<QString>("settings");
    QTest::newRow("no settings file") << "";
    QTest::newRow("a folder where the file should be") << "folder";
    QTest::newRow("a remembered folder that is gone") << "gone";
    QTest::newRow("not a settings file") << "garbage";
}

void TestDialogFolders::missingOrUnreadableSettingsGiveTheDefaults()
{
    QFETCH(QString, settings);
    test::Harness h;
    const QString file = h.settingsFolder.filePath("Quintavia/Quintavia.conf");
    QDir().mkpath(h.settingsFolder.filePath("Quintavia"));
    if (settings == u"folder") {
        QDir().mkpath(file);
    } else if (settings == u"gone" || settings == u"garbage") {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(settings == u"gone" ? "[dialogs]\nteacherFolder=/nessuna/cartella\n" : "\x01\xff[[=\n\0\0");
    }
    QTemporaryDir dir;
    h.dialogs.answerOpen(exerciseIn(dir.filePath("qui")));
    press(h, WindowKind::Editor, "cmdModifica");
    h.dialogs.answerOpen(std::nullopt);
    press(h, WindowKind::Editor, "cmdModifica");

    QVERIFY(h.dialogs.allAnswered());
    QCOMPARE(h.dialogs.startFolders().value(0), teacherDefault());
    // Where the settings can be written, the folder is kept; elsewhere nothing fails.
    QCOMPARE(h.dialogs.startFolders().value(1), settings == u"folder" ? teacherDefault() : dir.filePath("qui"));
}

QUINTAVIA_TEST_MAIN(TestDialogFolders)
#include "tst_dialog_folders.moc"
