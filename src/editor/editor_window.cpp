// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_window.h"

#include "curriculum/exercise_chain.h"
#include "curriculum/levels.h"
#include "curriculum/seed.h"
#include "editor/live_check.h"
#include "exercise/exercise_file.h"
#include "exercise/exercise_lines.h"
#include "exercise/messages.h"
#include "exercise/step_generation.h"
#include "shell/class_folder.h"
#include "shell/dialogs.h"
#include "shell/sound_player.h"
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "ui/editor_layout.h"
#include "ui/level_menu.h"
#include "ui/window_builder.h"
#include "widgets/keypad.h"
#include "widgets/rich_text_box.h"
#include "worksheet/worksheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTextDocumentFragment>


namespace quintavia {

namespace {

QString nativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

QWidget* createEditorWindow(WindowRegistry& registry)
{
    return new EditorWindow(registry);
}

EditorWindow::EditorWindow(WindowRegistry& registry) : m_registry(registry), m_dialog(registry.dialogs())
{
    prepareWindow(this);

    const ui::EditorControls controls = ui::buildEditorWindow(this);
    m_box = controls.box;
    m_frame = controls.frame;
    m_saveButton = controls.save;
    m_colourButton = controls.colour;

    m_keypad = new Keypad(m_frame, *m_box);
    connect(m_keypad, &Keypad::pressed, this, [this] { m_registry.sound().play(Sound::Click); });

    connect(controls.newDocument, &QAbstractButton::clicked, this, &EditorWindow::onNewClicked);
    connect(controls.open, &QAbstractButton::clicked, this, &EditorWindow::onOpenClicked);
    connect(controls.save, &QAbstractButton::clicked, this, &EditorWindow::onSaveClicked);
    connect(controls.colour, &QAbstractButton::clicked, this, &EditorWindow::onColourClicked);
    connect(controls.exit, &QAbstractButton::clicked, this, &EditorWindow::onExitClicked);
    connect(controls.confirm, &QAbstractButton::clicked, this, &EditorWindow::onConfirmClicked);
    connect(m_box.data(), &RichTextBox::edited, this, [this] { m_session.changed(); });

    new LiveCheck(*m_box, *controls.check);  // owned by the box
    m_generate = new QAction(QStringLiteral("Genera i passaggi"), this);
    m_generate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_generate->setShortcutContext(Qt::WidgetShortcut);
    m_box->addAction(m_generate);
    connect(m_generate, &QAction::triggered, this, &EditorWindow::generateSteps);
    // One action for Ctrl+P and the box's context menu, so both are enabled together.
    m_printAction = new QAction(messages::printAction(), this);
    m_printAction->setShortcut(QKeySequence::Print);
    m_printAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_printAction);
    connect(m_printAction, &QAction::triggered, this, &EditorWindow::onPrintTriggered);
    m_seeds = curriculum::freshSeed;
    m_levels = ui::levelMenu(this, [this](int level) { newExercise(level); });
    m_newExercise = new QAction(QStringLiteral("Nuovo esercizio"), this);
    m_newExercise->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    // Like Nuova, it also starts a document when none is open.
    m_newExercise->setShortcutContext(Qt::WindowShortcut);
    m_newExercise->setMenu(m_levels);
    addAction(m_newExercise);
    // From the keyboard the levels open at the caret.
    connect(m_newExercise, &QAction::triggered, this, [this] {
        m_levels->popup(m_box->viewport()->mapToGlobal(m_box->cursorRect().bottomLeft()));
    });
    m_classFolder = new QAction(QStringLiteral("Cartella della classe..."), this);
    connect(m_classFolder, &QAction::triggered, this, &EditorWindow::chooseClassFolder);
    m_box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_box.data(), &QWidget::customContextMenuRequested, this, &EditorWindow::showContextMenu);

    resetToIdle();
    ui::centreOn(this, registry.find(WindowKind::Start));
}

EditorWindow::~EditorWindow() = default;

bool EditorWindow::play(Sound sound)
{
    const QPointer<EditorWindow> self(this);
    m_registry.sound().play(sound);
    return self && !m_leaving;
}

void EditorWindow::resetToIdle()
{
    m_session = EditorSession();
    applyState();
}

void EditorWindow::applyState()
{
    const bool open = m_session.documentOpen();
    m_frame->setEnabled(open);
    m_box->setEnabled(open);
    m_colourButton->setEnabled(open);
    m_saveButton->setEnabled(open);
    m_printAction->setEnabled(open);
}

bool EditorWindow::settleUnsavedWork()
{
    if (!m_session.unsaved())
        return true;
    const Answer answer
        = m_registry.dialogs().askYesNo(this, messages::warningTitle(), messages::saveWorkQuestion());
    if (answer != Answer::Yes)
        return answer == Answer::No;  // No gives the work up on purpose; Esc waits
    return save();
}

void EditorWindow::onNewClicked()
{
    if (!play(Sound::Tick) || !settleUnsavedWork())
        return;
    m_session.started();
    m_documentName.clear();
    applyState();
    m_box->clearAll();
    m_box->setFocus();
}

void EditorWindow::onOpenClicked()
{
    if (!play(Sound::Tick) || !settleUnsavedWork())
        return;
    const QString previousName = m_dialog.fileName();
    if (!m_dialog.showOpen(this, messages::exerciseFilter()))
        return;
    QString reason;
    if (!m_box->loadFile(m_dialog.fileName(), &reason)) {
        const QString failed = m_dialog.fileName();
        // The next save must not propose the file that could not be read.
        m_dialog.setFileName(previousName);
        m_registry.dialogs().warn(this, messages::warningTitle(),
                                  messages::cannotOpenFile().arg(nativeName(failed), reason));
        return;
    }
    m_session.opened();
    m_documentName = QFileInfo(m_dialog.fileName()).completeBaseName();
    applyState();
    m_box->setFocus();
}

void EditorWindow::onSaveClicked()
{
    save();
}

bool EditorWindow::save()
{
    if (!play(Sound::Tick))
        return false;
    if (!m_dialog.showSave(this, messages::exerciseFilter()))
        return false;
    const QString chosen = m_dialog.fileName();
    const QString target = exerciseFileName(chosen);
    // The dialog asked about the name as typed; a completed name needs its own question.
    if (target != chosen && QFileInfo::exists(target)
        && m_registry.dialogs().askYesNo(this, messages::warningTitle(),
                                         messages::replaceFileQuestion().arg(nativeName(target)))
               != Answer::Yes)
        return false;
    m_dialog.setFileName(target);
    QString reason;
    if (!m_box->saveFile(target, &reason)) {
        m_registry.dialogs().warn(this, messages::warningTitle(),
                                  messages::cannotSaveFile().arg(nativeName(target), reason));
        return false;
    }
    m_session.saved();
    m_documentName = QFileInfo(target).completeBaseName();
    return true;
}

void EditorWindow::onColourClicked()
{
    if (!play(Sound::Tick))
        return;
    // A cancelled dialog leaves the colour it opened with, and that colour is applied.
    m_dialog.showColor(this);
    m_box->setSelColor(m_dialog.color());
    if (m_box->textCursor().hasSelection())
        m_session.changed();
    m_box->setFocus();
}

void EditorWindow::onExitClicked()
{
    if (!play(Sound::Tick) || !settleUnsavedWork())
        return;  // the save did not happen: stay, with the work in the box
    m_leaving = true;
    if (QWidget* start = m_registry.load(WindowKind::Start))
        start->show();
    m_registry.unload(WindowKind::Editor);
}

void EditorWindow::generateSteps()
{
    if (!m_session.documentOpen())
        return;
    const exercise::StepsPlan plan = exercise::planSteps(*m_box->document(), m_box->textCursor().position());
    if (!plan.ok()) {
        m_registry.dialogs().warn(this, messages::warningTitle(), plan.problem);
        return;
    }
    if (plan.replacesLines()
        && m_registry.dialogs().askYesNo(this, messages::warningTitle(), messages::replaceFollowingLines())
               != Answer::Yes)
        return;
    exercise::applySteps(*m_box->document(), plan);
    m_box->setFocus();
}

void EditorWindow::newExercise(int level)
{
    if (!play(Sound::Tick) || !settleUnsavedWork())
        return;
    const std::uint64_t seed = m_seeds();
    const auto lines = curriculum::exerciseWithChain(level, seed);
    m_session.started();
    m_documentName.clear();
    applyState();
    // One edit in place of the whole content: one Ctrl+Z gives the earlier text back.
    QTextCursor cursor(m_box->document());
    const InfoSnapshot earlier = infoSnapshot(*m_box->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertFragment(QTextDocumentFragment(exercise::documentOfLines(lines).get()));
    exercise::setGeneratedInfo(*m_box->document(), QString::fromUtf8(curriculum::level(level).name), level, seed,
                               earlier);
    cursor.endEditBlock();
    m_box->setTextCursor(QTextCursor(m_box->document()));
    m_box->setFocus();
}

void EditorWindow::onConfirmClicked()
{
    const ConfirmDecision decision = decideConfirm(exercise::linesOfDocument(*m_box->document()).size());
    m_box->setEnabled(true);
    m_box->setFocus();
    if (decision == ConfirmDecision::LineBreak) {
        // Queued like a typed Enter: it replaces a selection and splits the line at the caret.
        QCoreApplication::postEvent(
            m_box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
        play(Sound::Chime);
    } else {
        m_registry.dialogs().warn(this, messages::warningTitle(), messages::noMoreSteps());
    }
}

void EditorWindow::showContextMenu(const QPoint& position)
{
    QMenu* menu = m_box->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addAction(m_generate);
    menu->addAction(m_newExercise);
    menu->addAction(m_printAction);
    menu->addSeparator();
    menu->addAction(m_classFolder);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_box->viewport()->mapToGlobal(position));
}

void EditorWindow::chooseClassFolder()
{
    // Where the solver keeps the class's records from its next start on; cancelled: as it was.
    if (const std::optional<QString> folder
        = m_registry.dialogs().chooseFolder(this, QStringLiteral("Cartella della classe"), classFolderSetting()))
        setClassFolderSetting(*folder);
}

void EditorWindow::onPrintTriggered()
{
    if (!m_session.documentOpen())
        return;
    const QString title = m_documentName.isEmpty() ? messages::untitledExercise() : m_documentName;
    QPrinter printer(QPrinter::HighResolution);
    worksheet::setUpPage(printer);
    printer.setDocName(title);
    const std::optional<PrintChoice> choice = m_registry.dialogs().choosePrinter(this, printer);
    if (choice) {
        const worksheet::Sheet sheet{
            title, {worksheet::fromDocument(title, *m_box->document())}, choice->withKey};
        if (worksheet::render(printer, sheet).isEmpty())
            m_registry.dialogs().warn(this, messages::warningTitle(), messages::cannotPrint());
    }
    m_box->setFocus();
}

}  // namespace quintavia
