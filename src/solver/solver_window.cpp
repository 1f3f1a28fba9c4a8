// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solver_window.h"

#include "exercise/exercise_lines.h"
#include "exercise/messages.h"
#include "shell/dialogs.h"
#include "shell/sound_player.h"
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "ui/solver_layout.h"
#include "ui/window_builder.h"
#include "widgets/bevel_button.h"
#include "widgets/keypad.h"
#include "widgets/rich_text_box.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextFrame>
#include <QTimer>
#include <QtMath>

namespace quintavia {

namespace {

constexpr double kPixelsPerInch = 96.0;
constexpr double kLinePixels = reveal::kLine * kPixelsPerInch;

// Each line of the document box as tall as one reveal, so that growing the box by one line shows
// exactly the next line and nothing of the one after it, whatever the font's own spacing. Lines
// that need more room (a larger font) keep their own height, and are revealed by it.
void setRevealLineHeight(RichTextBox* box)
{
    QTextDocument* document = box->document();
    QList<QTextBlock> fitting;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (document->documentLayout()->blockBoundingRect(block).height() <= kLinePixels)
            fitting.append(block);
    }
    QTextBlockFormat format;
    format.setLineHeight(kLinePixels, QTextBlockFormat::FixedHeight);
    QTextCursor cursor(document);
    cursor.beginEditBlock();  // one layout for all the lines
    for (const QTextBlock& block : fitting) {
        cursor.setPosition(block.position());
        cursor.mergeBlockFormat(format);
    }
    cursor.endEditBlock();
    // Lines stand a little lower, so the top of the next one stays under the box's lower edge.
    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setTopMargin(6);
    document->rootFrame()->setFrameFormat(frame);
}

QRectF lineRect(const RichTextBox* box, int line)
{
    const QTextBlock block = box->document()->findBlockByNumber(line - 1);
    return block.isValid() ? box->document()->documentLayout()->blockBoundingRect(block) : QRectF();
}

// How much line `line` (from 1) adds to the document box when it is revealed, in inches.
double lineInches(const RichTextBox* box, int line)
{
    const double pixels = lineRect(box, line).height();
    return pixels > kLinePixels + 0.01 ? pixels / kPixelsPerInch : reveal::kLine;
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

SolverWindow::SolverWindow(WindowRegistry& registry) : m_registry(registry), m_dialog(registry.dialogs())
{
    prepareWindow(this);

    const auto makeBox = [](const ui::ControlSpec& c, QWidget* parent) {
        auto* box = new RichTextBox(parent);
        box->setTwipsGeometry(c.left, c.top, c.width, c.height);
        // Only the revealed lines may show: no scrolling to the ones below.
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return box;
    };
    const ui::SolverControls controls = ui::buildSolverWindow(this, makeBox);
    m_document = controls.document;
    m_answer = controls.answer;
    m_message = controls.message;
    m_open = controls.open;
    m_frame = controls.frame;
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

    connect(m_open, &QAbstractButton::clicked, this, &SolverWindow::onOpenClicked);
    connect(controls.exit, &QAbstractButton::clicked, this, &SolverWindow::onExitClicked);
    connect(controls.confirm, &QAbstractButton::clicked, this, &SolverWindow::onConfirmClicked);
    connect(controls.help, &QAbstractButton::clicked, this, &SolverWindow::onHelpClicked);
    connect(m_answer, &RichTextBox::keyPress, this, &SolverWindow::onAnswerKeyPress);
    connect(m_timer, &QTimer::timeout, this, &SolverWindow::onTimerTick);

    m_frame->setEnabled(false);
    m_answer->setEnabled(false);
    m_answer->setHeightInches(reveal::kAnswerHeight);
    showRevealed({reveal::kStartHeight, reveal::kAnswerTop}, 1);
    m_timer->start();

    ui::centreOn(this, registry.find(WindowKind::Start));
}

SolverWindow::~SolverWindow() = default;

QColor SolverWindow::openButtonColour() const
{
    return m_open->face();
}

void SolverWindow::setOpenButtonColour(const QColor& colour)
{
    m_open->setFace(colour);
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
    showRevealed({reveal::kStartHeight, reveal::kAnswerTop}, 1);

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
    // A first line taller than the others' reveal needs a taller box from the start.
    const double firstExtra = lineInches(m_document, 1) - reveal::kLine;
    showRevealed({reveal::kStartHeight + firstExtra, reveal::kAnswerTop + firstExtra}, 1);
    std::vector<arithmetic::Line> lines = exercise::linesOfDocument(*m_document->document());
    if (lines.size() == 1 && lines.front().empty()) {
        // Nothing to solve; the steps of an earlier exercise no longer match what is shown.
        showNoExercise();
        return;
    }
    if (!startSteps(std::move(lines)))
        refuse(messages::tooManyLinesToSolve().arg(fileLabel(fileName)));
}

bool SolverWindow::startSteps(std::vector<arithmetic::Line> lines)
{
    if (!m_session.start(std::move(lines)))
        return false;
    m_timer->stop();
    m_answer->setEnabled(true);
    m_answer->setFocus();
    m_frame->setEnabled(true);
    return true;
}

void SolverWindow::showRevealed(reveal::Geometry wanted, int lines)
{
    // Kept in whole twips, as the boxes keep their own geometry.
    m_wantedHeightTwips = qRound(wanted.documentHeight * 1440.0);
    m_wantedTopTwips = qRound(wanted.answerTop * 1440.0);
    const reveal::Geometry shown = reveal::fitted({wantedHeight(), wantedTop()});
    m_document->setHeightInches(shown.documentHeight);
    m_answer->setTopInches(shown.answerTop);
    m_document->limitView(qCeil(lineRect(m_document, lines).bottom()));
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
        const double line = lineInches(m_document, m_session.counter() + 1);
        m_session.advance();
        showRevealed(reveal::afterRightStep(wantedHeight(), wantedTop(), line), m_session.counter());
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
    const double line = lineInches(m_document, m_session.counter() + 1);
    m_session.advance();
    showRevealed(reveal::afterHelp(wantedHeight(), wantedTop(), line), m_session.counter());
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
