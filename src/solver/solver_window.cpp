// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solver_window.h"

#include "document/clipboard_text.h"
#include "exercise/exercise_lines.h"
#include "exercise/messages.h"
#include "widgets/keypad.h"
#include "widgets/rich_text_box.h"
#include "shell/dialogs.h"
#include "shell/sound_player.h"
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "ui/solver_layout.h"
#include "ui/window_builder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextFrame>
#include <QTimer>
#include <QToolButton>

namespace quintavia {

namespace {

// Each line of the document box as tall as one reveal, so that growing the box by one line shows
// exactly the next line and nothing of the one after it, whatever the font's own spacing.
void setRevealLineHeight(RichTextBox* box)
{
    QTextCursor cursor(box->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(reveal::kLine * 96.0, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(format);
    // Lines stand a little lower, so the top of the next one stays under the box's lower edge.
    QTextFrameFormat frame = box->document()->rootFrame()->frameFormat();
    frame.setTopMargin(6);
    box->document()->rootFrame()->setFrameFormat(frame);
}

QString fileLabel(const QString& path)
{
    return QString::fromUtf8("«%1»").arg(QFileInfo(path).fileName());
}

}  // namespace

QWidget* createSolverWindow(WindowRegistry& registry)
{
    return new SolverWindow(registry);
}

SolverWindow::SolverWindow(WindowRegistry& registry)
    : m_registry(registry), m_dialog(registry.dialogs())
{
    prepareWindow(this);

    const auto makeBox = [](const ui::ControlSpec& c, QWidget* parent) -> QWidget* {
        auto* box = new RichTextBox(parent);
        box->setTwipsGeometry(c.left, c.top, c.width, c.height);
        // Only the revealed lines may show: no scrolling to the ones below.
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return box;
    };
    const ui::Controls controls = ui::buildWindow(this, ui::solverLayout(), makeBox);
    m_document = controls.get<RichTextBox>(QStringLiteral("RTB1"));
    m_answer = controls.get<RichTextBox>(QStringLiteral("RTB2"));
    m_message = controls.get<QLabel>(QStringLiteral("lblMessaggio"));
    m_open = controls.get<QToolButton>(QStringLiteral("cmdApri"));
    m_frame = controls.get<QFrame>(QStringLiteral("Frame1"));
    m_openStyle = m_open->styleSheet();
    setOpenButtonColour(ui::kOpenBright.toColor());

    m_answer->setSingleLine(true);
    // The teacher's lines are shown, not edited: the pupil's typing belongs in the answer box.
    m_document->setReadOnly(true);
    m_document->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_keypad = new Keypad(m_frame, *m_answer);
    connect(m_keypad, &Keypad::pressed, this, [this] { m_registry.sound().play(Sound::Click); });

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);

    connect(m_open, &QToolButton::clicked, this, &SolverWindow::onOpenClicked);
    connect(controls.get<QToolButton>(QStringLiteral("Cmd_esci")), &QToolButton::clicked, this,
            &SolverWindow::onExitClicked);
    connect(controls.get<QToolButton>(QStringLiteral("Cmd_invio")), &QToolButton::clicked, this,
            &SolverWindow::onConfirmClicked);
    connect(controls.get<QToolButton>(QStringLiteral("cmdAiuto")), &QToolButton::clicked, this,
            &SolverWindow::onHelpClicked);
    connect(m_answer, &RichTextBox::keyPress, this, &SolverWindow::onAnswerKeyPress);
    connect(m_timer, &QTimer::timeout, this, &SolverWindow::onTimerTick);

    QDir::setCurrent(QCoreApplication::applicationDirPath());
    m_frame->setEnabled(false);
    m_answer->setEnabled(false);
    m_document->setHeightInches(reveal::kStartHeight);
    m_answer->setHeightInches(reveal::kAnswerHeight);
    m_answer->setTopInches(reveal::kAnswerTop);
    m_timer->start();

    ui::centreOn(this, registry.find(WindowKind::Start));
}

SolverWindow::~SolverWindow() = default;

QColor SolverWindow::openButtonColour() const
{
    return m_open->property("backColor").value<QColor>();
}

void SolverWindow::setOpenButtonColour(const QColor& colour)
{
    // The later rule wins over the face colour of the button's own style.
    m_open->setStyleSheet(m_openStyle
                          + QStringLiteral("QToolButton { background-color: %1; }").arg(colour.name()));
    m_open->setProperty("backColor", colour);
}

bool SolverWindow::play(Sound sound)
{
    const QPointer<SolverWindow> self(this);
    m_registry.sound().play(sound);
    return !self.isNull();
}

void SolverWindow::onTimerTick()
{
    setOpenButtonColour(ui::kOpenBright.toColor());
    if (m_blinker.tick() == Blinker::Colour::Dark)
        setOpenButtonColour(ui::kOpenDark.toColor());
}

void SolverWindow::onOpenClicked()
{
    m_session.resetErrors();
    if (!play(Sound::Tick))
        return;
    setOpenButtonColour(ui::kOpenBright.toColor());
    m_session.resetHelps();
    m_answer->setText(QString());
    m_message->clear();
    m_document->setHeightInches(reveal::kStartHeight);
    m_answer->setTopInches(reveal::kAnswerTop);

    // A cancelled dialog keeps the file chosen before, which is then opened again.
    if (!m_dialog.showOpen(this, messages::exerciseFilter()) && m_dialog.fileName().isEmpty()) {
        showNoExercise();
        return;
    }
    const QString fileName = m_dialog.fileName();
    QString error;
    if (!m_document->loadFile(fileName, &error)) {
        refuse(messages::cannotOpenExercise().arg(fileLabel(fileName), error));
        return;
    }
    setRevealLineHeight(m_document);
    const QString expression = passThroughClipboard(m_document->text(), ClipboardAfter::KeepText);
    if (expression.isEmpty()) {
        // Nothing to solve; the steps of an earlier exercise no longer match what is shown.
        showNoExercise();
        return;
    }
    if (!startSteps(expression))
        refuse(messages::tooManyLinesToSolve().arg(fileLabel(fileName)));
}

bool SolverWindow::startSteps(const QString& text)
{
    if (!m_session.start(text, exercise::linesOfDocument(*m_document->document())))
        return false;
    m_timer->stop();
    m_answer->setEnabled(true);
    m_answer->setFocus();
    m_frame->setEnabled(true);
    return true;
}

void SolverWindow::showNoExercise()
{
    m_session.stop();
    m_frame->setEnabled(false);
    m_answer->setEnabled(false);
    if (!m_timer->isActive())
        m_timer->start();
}

void SolverWindow::refuse(const QString& text)
{
    m_document->clearAll();
    showNoExercise();
    m_registry.dialogs().warn(this, messages::warningTitle(), text);
}

void SolverWindow::onExitClicked()
{
    if (!play(Sound::Tick))
        return;
    if (QWidget* start = m_registry.load(WindowKind::Start))
        start->show();
    m_registry.unload(WindowKind::Solver);
}

void SolverWindow::onAnswerKeyPress(int& keyAscii)
{
    // The key goes on to the box, which keeps a single line and so drops the line break.
    if (keyAscii == 13)
        onConfirmClicked();
}

void SolverWindow::onConfirmClicked()
{
    const auto typed = exercise::linesOfDocument(*m_answer->document());
    if (m_session.isRight(typed.empty() ? arithmetic::Line() : typed.front())) {
        if (!play(Sound::Chime))
            return;
        m_message->setText(SolverSession::rightMessage());
        const auto g = reveal::afterRightStep(m_document->heightInches(), m_answer->topInches());
        m_document->setHeightInches(g.documentHeight);
        m_answer->setTopInches(g.answerTop);
        m_session.advance();
        afterStep();
    } else {
        if (!play(Sound::Buzz))
            return;
        m_message->setText(SolverSession::wrongMessage());
        m_session.countError();
        m_answer->setFocus();
    }
}

void SolverWindow::onHelpClicked()
{
    if (!play(Sound::Click))
        return;
    m_message->clear();
    const auto g = reveal::afterHelp(m_document->heightInches(), m_answer->topInches());
    m_document->setHeightInches(g.documentHeight);
    m_answer->setTopInches(g.answerTop);
    m_session.advance();
    m_session.countHelp();
    afterStep();
}

void SolverWindow::afterStep()
{
    m_answer->setText(QString());
    m_answer->setFocus();
    if (!m_session.finished())
        return;
    m_message->setText(m_session.finalMessage());
    if (!play(m_session.fewHelps() ? Sound::Fanfare : Sound::Chime))
        return;
    m_frame->setEnabled(false);
    m_answer->setEnabled(false);
    m_timer->start();
}

}  // namespace quintavia
