// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_rig.h"

#include "exercise/editor_session.h"
#include "shell/class_folder.h"
#include "shell/sound_switch.h"
#include "shell/window_setup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace quintavia;
using test::EditorRig;

namespace {

enum class Setup {
    Idle,
    AfterNuova,
    AfterModifica,
    AfterSalva,
    TypedAfterSalva,
    KeypadAfterSalva,
    InvioAfterSalva,
    ColourAfterSalva
};

QString fixture(const QString& name)
{
    return QStringLiteral(QUINTAVIA_TEST_DATA "/editor/") + name;
}

// Copies a fixture into `dir` so the test may overwrite it.
QString copyFixture(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile::copy(fixture(name), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Brings the rig's window into the state named by `setup`; sounds and dialogs are then cleared.
void bringTo(EditorRig& r, Setup setup, const QTemporaryDir& dir)
{
    switch (setup) {
    case Setup::Idle: break;
    case Setup::AfterNuova: r.click("cmdNuovo"); break;
    case Setup::AfterModifica:
        r.h.dialogs.answerOpen(copyFixture(dir, "esercizio.rtf"));
        r.click("cmdModifica");
        break;
    default:
        r.click("cmdNuovo");
        r.type("3+4");
        r.h.dialogs.answerSave(dir.filePath("salvato.rtf"));
        r.click("cmdSalva");
        QCOMPARE(r.w->session().state(), EditorState::Saved);
        break;
    }
    switch (setup) {
    case Setup::TypedAfterSalva: r.type("=7"); break;
    case Setup::KeypadAfterSalva: r.click("Cmd_7"); break;
    case Setup::InvioAfterSalva: r.click("Cmd_invio"); break;
    case Setup::ColourAfterSalva:
        r.select(0, 1);
        r.h.dialogs.answerColor(QColor(Qt::red));
        r.click("cmdColore");
        break;
    default: break;
    }
    r.h.sound.played.clear();
    r.h.dialogs.shown.clear();
}

}  // namespace

Q_DECLARE_METATYPE(Setup)

class TestEditorWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void classFolderIsTheTeachersSetting();
    void windowIsPreparedAndCentred();
    void exitButtonLiesOverTheFrame();
    void statesEnableControls_data();
    void statesEnableControls();
    void idleWindowIgnoresDisabledControls();
    void everyDocumentButtonSoundsFirst_data();
    void everyDocumentButtonSoundsFirst();
    void leavingAsksOnlyAboutUnsavedWork_data();
    void leavingAsksOnlyAboutUnsavedWork();
    void leavingWithYesSavesFirst();
    void leavingKeepsTheWorkWhenTheSaveDoesNotHappen_data();
    void leavingKeepsTheWorkWhenTheSaveDoesNotHappen();
    void newOrOpenOverUnsavedWorkAsks_data();
    void newOrOpenOverUnsavedWorkAsks();
    void nuovaEmptiesTheBoxAndItsFormatting();
    void modificaThenSalvaProposesTheOpenedFile();
    void currentFolderLeftAlone();
    void cancelledModificaLeavesTheWindowAsItWas_data();
    void cancelledModificaLeavesTheWindowAsItWas();
    void unreadableFileKeepsTheDocument();
    void cancelledSaveChangesNothing();
    void failedSaveWarnsAndKeepsTheWorkUnsaved_data();
    void failedSaveWarnsAndKeepsTheWorkUnsaved();
    void nameWithoutExtensionGetsRtf_data();
    void nameWithoutExtensionGetsRtf();
    void completedNameAsksBeforeOverwriting_data();
    void completedNameAsksBeforeOverwriting();
    void colourGoesToSelectionOrNextTyped_data();
    void colourGoesToSelectionOrNextTyped();
    void freshWindowForgetsTheDialogsMemory();
    void quickSecondEsciLeavesOnce();
    void tabOrderRunsFromTheBoxToEsci();
};

void TestEditorWindow::windowIsPreparedAndCentred()
{
    test::Harness h;
    QWidget* start = h.registry.load(WindowKind::Start);
    start->move(100, 80);
    start->show();
    QWidget* w = h.registry.load(WindowKind::Editor);
    QCOMPARE(w->objectName(), QStringLiteral("frmEditor"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Editor"));
    QVERIFY(!w->windowIcon().isNull());
    QVERIFY(closeCommandRemoved(w));
    QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
    // The frame is there once the window is shown.
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->frameGeometry().center(), start->frameGeometry().center());
}

void TestEditorWindow::exitButtonLiesOverTheFrame()
{
    EditorRig r;
    QWidget* esci = r.get("Cmd_esci");
    QWidget* frame = r.get("Frame1");
    QCOMPARE(esci->parentWidget(), r.w.data());
    QVERIFY(frame->geometry().contains(esci->geometry()));
    // What the mouse hits at its centre is the exit button, not the (disabled) frame.
    const QPoint centre = esci->geometry().center();
    QWidget* hit = r.w->childAt(centre);
    QVERIFY(hit == esci || esci->isAncestorOf(hit));
    // The keypad has no help row and no key under the exit button.
    QVERIFY(!r.get("cmdAiuto"));
    for (QAbstractButton* key : frame->findChildren<QAbstractButton*>())
        QVERIFY2(!key->geometry().translated(frame->pos()).intersects(esci->geometry()),
                 qPrintable(key->objectName()));
}

void TestEditorWindow::statesEnableControls_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<EditorState>("state");
    QTest::newRow("just loaded") << Setup::Idle << EditorState::Idle;
    QTest::newRow("after Nuova") << Setup::AfterNuova << EditorState::Writing;
    QTest::newRow("after Modifica") << Setup::AfterModifica << EditorState::Writing;
    QTest::newRow("after Salva") << Setup::AfterSalva << EditorState::Saved;
    QTest::newRow("typing after Salva") << Setup::TypedAfterSalva << EditorState::Writing;
}

void TestEditorWindow::statesEnableControls()
{
    QFETCH(Setup, setup);
    QFETCH(EditorState, state);
    QTemporaryDir dir;
    EditorRig r;
    bringTo(r, setup, dir);
    QCOMPARE(r.w->session().state(), state);
    QCOMPARE(r.w->session().unsaved(), state == EditorState::Writing);
    const bool open = state != EditorState::Idle;
    for (const char* name : {"Frame1", "RichTextBox1", "cmdColore", "cmdSalva", "Cmd_invio", "Cmd_7"})
        QVERIFY2(r.get(name)->isEnabled() == open, name);
    for (const char* name : {"cmdNuovo", "cmdModifica", "Cmd_esci"})
        QVERIFY2(r.get(name)->isEnabled(), name);
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
}

void TestEditorWindow::idleWindowIgnoresDisabledControls()
{
    EditorRig r;
    r.keys({"Cmd_7", "Cmd_quadrato", "Cmd_invio", "cmdSalva", "cmdColore"});
    QTest::keyClicks(r.box(), "12");
    r.settle();
    QVERIFY(r.h.sound.played.isEmpty());
    QVERIFY(r.h.dialogs.shown.isEmpty());
    QCOMPARE(r.box()->text(), QString());
}

void TestEditorWindow::everyDocumentButtonSoundsFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("soundsOn");
    for (const bool on : {true, false}) {
        const char* suffix = on ? "" : ", sounds off";
        for (const char* b : {"cmdNuovo", "cmdModifica", "cmdSalva", "cmdColore", "Cmd_esci"})
            QTest::addRow("%s%s", b, suffix) << QString::fromLatin1(b) << on;
    }
}

void TestEditorWindow::everyDocumentButtonSoundsFirst()
{
    QFETCH(QString, button);
    QFETCH(bool, soundsOn);
    QTemporaryDir dir;
    EditorRig r;
    bringTo(r, Setup::AfterSalva, dir);
    soundSwitch() = soundsOn ? 0 : 1;
    // Every dialog is cancelled, so each button does its least.
    r.click(button.toLatin1().constData());
    QCOMPARE(r.h.sound.played, soundsOn ? QList<int>{107} : QList<int>{});
}

void TestEditorWindow::leavingAsksOnlyAboutUnsavedWork_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("asks");
    QTest::newRow("just loaded") << Setup::Idle << false;
    QTest::newRow("Nuova, nothing typed") << Setup::AfterNuova << true;
    QTest::newRow("Modifica, nothing changed") << Setup::AfterModifica << true;
    QTest::newRow("right after Salva") << Setup::AfterSalva << false;
    QTest::newRow("typing after Salva") << Setup::TypedAfterSalva << true;
    QTest::newRow("keypad after Salva") << Setup::KeypadAfterSalva << true;
    QTest::newRow("Invio after Salva") << Setup::InvioAfterSalva << true;
    QTest::newRow("Colore after Salva") << Setup::ColourAfterSalva << true;
}

void TestEditorWindow::leavingAsksOnlyAboutUnsavedWork()
{
    QFETCH(Setup, setup);
    QFETCH(bool, asks);
    QTemporaryDir dir;
    EditorRig r;
    bringTo(r, setup, dir);
    const QByteArray saved = contents(dir.filePath("salvato.rtf"));
    if (asks)
        r.h.dialogs.answerQuestion(false);
    r.click("Cmd_esci");

    QCOMPARE(r.h.sound.played, QList<int>{107});
    if (asks) {
        QCOMPARE(r.h.dialogs.shown.size(), 1);
        QCOMPARE(r.h.dialogs.shown[0].kind, QStringLiteral("question"));
        QCOMPARE(r.h.dialogs.shown[0].title, QStringLiteral("Avviso"));
        QCOMPARE(r.h.dialogs.shown[0].text, QStringLiteral("Salvi il lavoro fatto?"));
    } else {
        QVERIFY(r.h.dialogs.shown.isEmpty());
    }
    // No discards: the file on disk is as the last save left it.
    QCOMPARE(contents(dir.filePath("salvato.rtf")), saved);
    QVERIFY(r.editorGone());
    QWidget* start = r.h.registry.find(WindowKind::Start);
    QVERIFY(start && start->isVisible());
}

void TestEditorWindow::leavingWithYesSavesFirst()
{
    QTemporaryDir dir;
    EditorRig r;
    r.nuova();
    r.type("2+2");
    r.h.dialogs.answerQuestion(true);
    r.h.dialogs.answerSave(dir.filePath("uscita.rtf"));
    r.click("Cmd_esci");

    QCOMPARE(r.h.sound.played, (QList<int>{107, 107}));
    QCOMPARE(r.h.dialogs.shown.size(), 2);
    QCOMPARE(r.h.dialogs.shown[1].kind, QStringLiteral("save"));
    QCOMPARE(r.h.dialogs.shown[1].title, test::kRtfFilter);
    QVERIFY(r.h.dialogs.allAnswered());
    QVERIFY(r.editorGone());
    QVERIFY(r.h.registry.find(WindowKind::Start)->isVisible());

    RichTextBox reread;
    QVERIFY(reread.loadFile(dir.filePath("uscita.rtf")));
    QCOMPARE(reread.text(), QStringLiteral("2+2"));

    // A later visit starts afresh.
    auto* again = qobject_cast<EditorWindow*>(r.h.registry.load(WindowKind::Editor));
    QVERIFY(again && again != r.w);
    QCOMPARE(again->session().state(), EditorState::Idle);
}

void TestEditorWindow::leavingKeepsTheWorkWhenTheSaveDoesNotHappen_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("save dialog cancelled") << true;
    QTest::newRow("save fails") << false;
}

void TestEditorWindow::leavingKeepsTheWorkWhenTheSaveDoesNotHappen()
{
    QFETCH(bool, cancel);
    QTemporaryDir dir;
    EditorRig r;
    r.nuova();
    r.type("9:3");
    r.h.dialogs.answerQuestion(true);
    const QString target = dir.filePath("manca/esercizio.rtf");  // a folder that does not exist
    r.h.dialogs.answerSave(cancel ? std::nullopt : std::optional<QString>(target));
    if (!cancel)
        r.h.dialogs.answerWarning();
    r.click("Cmd_esci");

    QVERIFY(r.h.dialogs.allAnswered());
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
    QVERIFY(!r.editorGone());
    QVERIFY(r.w->isVisible());
    QCOMPARE(r.box()->text(), QStringLiteral("9:3"));
    QVERIFY(r.w->session().unsaved());
    QVERIFY(!QFile::exists(target));
}

void TestEditorWindow::newOrOpenOverUnsavedWorkAsks_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("saveCancelled");
    QTest::addColumn<QString>("textAfter");
    QTest::newRow("Nuova, No discards") << "cmdNuovo" << false << false << "";
    QTest::newRow("Nuova, Yes saves first") << "cmdNuovo" << true << false << "";
    QTest::newRow("Nuova, Yes then cancelled save keeps") << "cmdNuovo" << true << true << "8-1";
    QTest::newRow("Modifica, No opens") << "cmdModifica" << false << false << "(2+3)x2\r\n5x2\r\n10";
    QTest::newRow("Modifica, Yes saves then opens")
        << "cmdModifica" << true << false << "(2+3)x2\r\n5x2\r\n10";
    QTest::newRow("Modifica, Yes then cancelled save keeps") << "cmdModifica" << true << true << "8-1";
}

void TestEditorWindow::newOrOpenOverUnsavedWorkAsks()
{
    QFETCH(QString, button);
    QFETCH(bool, yes);
    QFETCH(bool, saveCancelled);
    QFETCH(QString, textAfter);
    QTemporaryDir dir;
    EditorRig r;
    r.nuova();
    r.type("8-1");
    const bool opens = button == QLatin1String("cmdModifica");

    r.h.dialogs.answerQuestion(yes);
    if (yes)
        r.h.dialogs.answerSave(saveCancelled ? std::nullopt
                                             : std::optional<QString>(dir.filePath("prima.rtf")));
    const bool goesOn = !(yes && saveCancelled);
    if (opens && goesOn)
        r.h.dialogs.answerOpen(copyFixture(dir, "esercizio.rtf"));
    r.click(button.toLatin1().constData());

    QVERIFY(r.h.dialogs.allAnswered());
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
    QCOMPARE(r.h.dialogs.shown[0].text, QStringLiteral("Salvi il lavoro fatto?"));
    QCOMPARE(r.box()->text(), textAfter);
    QCOMPARE(QFile::exists(dir.filePath("prima.rtf")), yes && !saveCancelled);
    // The new document, or the work kept, is unsaved either way.
    QVERIFY(r.w->session().unsaved());
    QCOMPARE(r.h.sound.played, yes ? (QList<int>{107, 107}) : (QList<int>{107}));
}

void TestEditorWindow::nuovaEmptiesTheBoxAndItsFormatting()
{
    QTemporaryDir dir;
    EditorRig r;
    bringTo(r, Setup::AfterSalva, dir);
    r.click("Cmd_quadrato");
    r.h.dialogs.answerColor(QColor(Qt::blue));
    r.click("cmdColore");
    r.click("cmdNuovo");  // asks: the exponent and the colour came after the save
    QCOMPARE(r.h.dialogs.shown.last().text, QStringLiteral("Salvi il lavoro fatto?"));
    QCOMPARE(r.box()->text(), QString());
    QCOMPARE(r.box()->document()->blockCount(), 1);
    QVERIFY(r.box()->hasFocus() || !QApplication::focusWidget());

    r.type("5");
    QTextCursor c(r.box()->document());
    c.setPosition(1);
    QCOMPARE(c.charFormat().fontPointSize(), 12.0);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(c.charFormat().foreground().color(), QColor(Qt::black));
    QCOMPARE(c.charFormat().verticalAlignment(), QTextCharFormat::AlignNormal);
    QCOMPARE(c.charFormat().baselineOffset(), 0.0);
}

void TestEditorWindow::currentFolderLeftAlone()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    {
        EditorRig r;
        r.nuova();
        r.type("1+1");
        r.click("Cmd_invio");
        QCOMPARE(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    }
    QDir::setCurrent(before);
}

void TestEditorWindow::modificaThenSalvaProposesTheOpenedFile()
{
    QTemporaryDir dir;
    EditorRig r;
    const QString path = copyFixture(dir, "esercizio.rtf");
    r.h.dialogs.answerOpen(path);
    r.click("cmdModifica");
    QCOMPARE(r.h.dialogs.shown[0].title, test::kRtfFilter);
    QCOMPARE(r.box()->text(), QStringLiteral("(2+3)x2\r\n5x2\r\n10"));
    QVERIFY(r.box()->hasFocus());

    r.caretAtEnd();
    r.click("Cmd_invio");
    r.type("fine");
    r.h.dialogs.answerSave(path);  // the real dialog asks before overwriting
    r.click("cmdSalva");
    QCOMPARE(r.h.dialogs.shown[1].kind, QStringLiteral("save"));
    QCOMPARE(r.h.dialogs.shown[1].title, test::kRtfFilter);
    QCOMPARE(r.h.dialogs.shown[1].text, path);
    QCOMPARE(r.w->session().state(), EditorState::Saved);

    RichTextBox reread;
    QVERIFY(reread.loadFile(path));
    QCOMPARE(reread.text(), QStringLiteral("(2+3)x2\r\n5x2\r\n10\r\nfine"));

    // The next save proposes the same file again.
    r.h.dialogs.answerSave(std::nullopt);
    r.click("cmdSalva");
    QCOMPARE(r.h.dialogs.shown.last().text, path);
}

void TestEditorWindow::cancelledModificaLeavesTheWindowAsItWas_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::newRow("just loaded") << Setup::Idle;
    QTest::newRow("writing") << Setup::TypedAfterSalva;
    QTest::newRow("saved") << Setup::AfterSalva;
}

void TestEditorWindow::cancelledModificaLeavesTheWindowAsItWas()
{
    QFETCH(Setup, setup);
    QTemporaryDir dir;
    EditorRig r;
    bringTo(r, setup, dir);
    const EditorState before = r.w->session().state();
    const QString text = r.box()->text();
    const bool frameEnabled = r.get("Frame1")->isEnabled();
    if (r.w->session().unsaved())
        r.h.dialogs.answerQuestion(false);
    r.h.dialogs.answerOpen(std::nullopt);
    r.click("cmdModifica");

    QVERIFY(r.h.dialogs.allAnswered());
    QCOMPARE(r.w->session().state(), before);
    QCOMPARE(r.box()->text(), text);
    QCOMPARE(r.get("Frame1")->isEnabled(), frameEnabled);
    QCOMPARE(r.get("cmdSalva")->isEnabled(), frameEnabled);
    QCOMPARE(r.get("RichTextBox1")->isEnabled(), frameEnabled);
}

void TestEditorWindow::unreadableFileKeepsTheDocument()
{
    QTemporaryDir dir;
    EditorRig r;
    bringTo(r, Setup::AfterSalva, dir);
    const QString broken = copyFixture(dir, "non_rtf.rtf");
    r.h.dialogs.answerOpen(broken);
    r.h.dialogs.answerWarning();
    r.click("cmdModifica");

    QVERIFY(r.h.dialogs.allAnswered());
    const QString warning = r.h.dialogs.lastWarning();
    QVERIFY2(warning.contains(QDir::toNativeSeparators(broken)), qPrintable(warning));
    QCOMPARE(r.box()->text(), QStringLiteral("3+4"));
    QCOMPARE(r.w->session().state(), EditorState::Saved);
    QCOMPARE(contents(broken), contents(fixture("non_rtf.rtf")));

    // The save proposes the document's own file, not the one that could not be read.
    r.h.dialogs.answerSave(std::nullopt);
    r.click("cmdSalva");
    QCOMPARE(r.h.dialogs.shown.last().text, dir.filePath("salvato.rtf"));
}

void TestEditorWindow::cancelledSaveChangesNothing()
{
    QTemporaryDir dir;
    EditorRig r;
    r.nuova();
    r.type("1+1");
    r.h.dialogs.answerSave(std::nullopt);
    r.click("cmdSalva");
    QCOMPARE(r.w->session().state(), EditorState::Writing);
    QCOMPARE(r.box()->text(), QStringLiteral("1+1"));
    QVERIFY(QDir(dir.path()).isEmpty());
    r.h.dialogs.answerSave(std::nullopt);  // the next save still proposes no name
    r.click("cmdSalva");
    QCOMPARE(r.h.dialogs.shown.last().text, QString());
}

void TestEditorWindow::failedSaveWarnsAndKeepsTheWorkUnsaved_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("folder missing") << "manca/esercizio.rtf";
    QTest::newRow("name taken by a folder") << "cartella.rtf";
}

void TestEditorWindow::failedSaveWarnsAndKeepsTheWorkUnsaved()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("cartella.rtf");
    const QString path = dir.filePath(target);
    EditorRig r;
    r.nuova();
    r.type("4x5");
    r.h.dialogs.answerSave(path);
    r.h.dialogs.answerWarning();
    r.click("cmdSalva");

    QVERIFY(r.h.dialogs.allAnswered());
    const QString warning = r.h.dialogs.lastWarning();
    QVERIFY2(warning.contains(QDir::toNativeSeparators(path)), qPrintable(warning));
    QVERIFY2(warning.section('\n', 1).size() > 0, "the reason follows the file name");
    QVERIFY(r.w->session().unsaved());
    QVERIFY(!QFileInfo(path).isFile());
    // No stray temporary file is left beside the target.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(',')));
}

void TestEditorWindow::nameWithoutExtensionGetsRtf_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "prova"
                                  << "prova.rtf";
    QTest::newRow("already rtf") << "prova.rtf"
                                 << "prova.rtf";
    QTest::newRow("upper-case RTF kept") << "PROVA.RTF"
                                         << "PROVA.RTF";
    QTest::newRow("trailing dot") << "prova."
                                  << "prova.rtf";
    QTest::newRow("dot inside the name") << "esercizio 3.5"
                                         << "esercizio 3.5.rtf";
    QTest::newRow("another extension") << "prova.txt"
                                       << "prova.txt.rtf";
}

void TestEditorWindow::nameWithoutExtensionGetsRtf()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(exerciseFileName(typed), saved);

    QTemporaryDir dir;
    EditorRig r;
    r.nuova();
    r.type("6");
    r.h.dialogs.answerSave(dir.filePath(typed));
    r.click("cmdSalva");
    QVERIFY(QFileInfo(dir.filePath(saved)).isFile());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{saved});
    r.h.dialogs.answerSave(std::nullopt);
    r.click("cmdSalva");
    QCOMPARE(r.h.dialogs.shown.last().text, dir.filePath(saved));
}

void TestEditorWindow::completedNameAsksBeforeOverwriting_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace") << true;
    QTest::newRow("keep the old file") << false;
}

void TestEditorWindow::completedNameAsksBeforeOverwriting()
{
    QFETCH(bool, replace);
    QTemporaryDir dir;
    const QString existing = dir.filePath("vecchio.rtf");
    QFile::copy(fixture("esercizio.rtf"), existing);
    EditorRig r;
    r.nuova();
    r.type("7");
    r.h.dialogs.answerSave(dir.filePath("vecchio"));
    r.h.dialogs.answerQuestion(replace);
    r.click("cmdSalva");

    QVERIFY(r.h.dialogs.allAnswered());
    QCOMPARE(r.h.dialogs.shown.last().title, QStringLiteral("Avviso"));
    QVERIFY(r.h.dialogs.shown.last().text.contains(QDir::toNativeSeparators(existing)));
    RichTextBox reread;
    QVERIFY(reread.loadFile(existing));
    QCOMPARE(reread.text(), replace ? QStringLiteral("7") : QStringLiteral("(2+3)x2\r\n5x2\r\n10"));
    QCOMPARE(r.w->session().unsaved(), !replace);
}

void TestEditorWindow::colourGoesToSelectionOrNextTyped_data()
{
    QTest::addColumn<bool>("withSelection");
    QTest::addColumn<bool>("cancelSecond");
    QTest::newRow("selection") << true << false;
    QTest::newRow("nothing selected: the text typed next") << false << false;
    QTest::newRow("cancelled: the colour it opened with") << true << true;
}

void TestEditorWindow::colourGoesToSelectionOrNextTyped()
{
    QFETCH(bool, withSelection);
    QFETCH(bool, cancelSecond);
    EditorRig r;
    r.nuova();
    r.type("12+34");
    const QColor first(200, 0, 0);
    const QColor second(0, 0, 200);

    // The dialog opens on the colour last chosen, black the first time.
    r.select(0, 2);
    r.h.dialogs.answerColor(first);
    r.click("cmdColore");
    QCOMPARE(r.h.dialogs.lastColorShown, QColor(Qt::black));
    QVERIFY(r.box()->hasFocus());

    if (withSelection)
        r.select(3, 5);
    else
        r.caretAtEnd();
    r.h.dialogs.answerColor(cancelSecond ? std::nullopt : std::optional<QColor>(second));
    r.click("cmdColore");
    QCOMPARE(r.h.dialogs.lastColorShown, first);
    QCOMPARE(r.h.dialogs.shown.last().title, QString());  // no filter for colours
    if (!withSelection)
        r.type("5");

    const QColor expected = cancelSecond ? first : second;
    auto colourAt = [&](int position) {
        QTextCursor c(r.box()->document());
        c.setPosition(position + 1);
        return c.charFormat().foreground().color();
    };
    QCOMPARE(colourAt(0), first);
    QCOMPARE(colourAt(1), first);
    QCOMPARE(colourAt(2), QColor(Qt::black));  // "+" was never selected
    if (withSelection) {
        QCOMPARE(colourAt(3), expected);
        QCOMPARE(colourAt(4), expected);
    } else {
        QCOMPARE(colourAt(4), QColor(Qt::black));
        QCOMPARE(colourAt(5), expected);
    }
    QCOMPARE(r.box()->text(), withSelection ? QStringLiteral("12+34") : QStringLiteral("12+345"));
    QCOMPARE(r.h.sound.played, (QList<int>{107, 107}));
}

void TestEditorWindow::freshWindowForgetsTheDialogsMemory()
{
    QTemporaryDir dir;
    EditorRig r;
    r.nuova();
    r.h.dialogs.answerColor(QColor(Qt::green));
    r.click("cmdColore");
    r.h.dialogs.answerQuestion(false);
    r.click("Cmd_esci");
    QVERIFY(r.editorGone());

    EditorRig::settle();
    r.w = qobject_cast<EditorWindow*>(r.h.registry.load(WindowKind::Editor));
    r.w->show();
    r.nuova();
    r.h.dialogs.answerColor(std::nullopt);
    r.click("cmdColore");
    QCOMPARE(r.h.dialogs.lastColorShown, QColor(Qt::black));
    r.h.dialogs.answerSave(std::nullopt);
    r.click("cmdSalva");
    QCOMPARE(r.h.dialogs.shown.last().text, QString());
}

void TestEditorWindow::quickSecondEsciLeavesOnce()
{
    EditorRig r;
    r.nuova();
    // The second click waits in the queue and runs while the first one's sound starts.
    QMetaObject::invokeMethod(r.button("Cmd_esci"), "click", Qt::QueuedConnection);
    r.h.dialogs.answerQuestion(false);
    r.click("Cmd_esci");
    QCOMPARE(r.h.dialogs.shown.size(), 1);
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
    QCOMPARE(r.h.sound.played, (QList<int>{107, 107}));
    QVERIFY(r.editorGone());
}

void TestEditorWindow::tabOrderRunsFromTheBoxToEsci()
{
    EditorRig r;
    r.click("cmdNuovo");
    QStringList order;
    QWidget* w = r.box();
    for (int i = 0; i < 43 && w; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w && w->focusPolicy() == Qt::NoFocus && w != r.box())
            w = w->nextInFocusChain();
        if (w == r.box())
            break;
    }
    QCOMPARE(order.mid(0, 8), (QStringList{"RichTextBox1", "cmdNuovo", "cmdModifica", "cmdSalva", "cmdColore",
                                           "cmd_alla0", "cmd_prima", "cmd_puntino"}));
    QCOMPARE(order.indexOf("Cmd_invio") + 1, order.indexOf("cmd_allaquarta"));
    QCOMPARE(order.indexOf("cmd_allanona") + 1, order.indexOf("Cmd_esci"));
    QCOMPARE(order.size(), 42);  // the box, four buttons, 36 keys and Esci
}

// "Cartella della classe...": kept in the settings, cancelling keeps it, and --classe comes first.
void TestEditorWindow::classFolderIsTheTeachersSetting()
{
    EditorRig r;
    const QString lab = QStringLiteral("/srv/scuola/2B");
    r.h.dialogs.answerFolder(lab);
    r.h.dialogs.answerFolder(std::nullopt);
    r.w->classFolderAction()->trigger();
    r.w->classFolderAction()->trigger();
    QCOMPARE(classFolderSetting(), lab);
    QCOMPARE(r.h.dialogs.shown.at(1).text, lab);  // the dialog starts where the setting is
    QCOMPARE(classFolder(), lab);
    setClassFolderForThisRun(QStringLiteral("/tmp/altra"));
    QCOMPARE(classFolder(), QStringLiteral("/tmp/altra"));
    setClassFolderForThisRun(QString());
    QVERIFY(r.h.dialogs.unexpected.isEmpty());
}

QUINTAVIA_TEST_MAIN(TestEditorWindow)
#include "tst_editor_window.moc"
