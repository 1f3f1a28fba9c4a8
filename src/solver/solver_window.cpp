// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solver_window.h"

#include "curriculum/exercise_chain.h"
#include "diagnosis/pupil_path.h"
#include "exercise/exercise_file.h"
#include "exercise/exercise_lines.h"
#include "exercise/messages.h"
#include "shell/dialogs.h"
#include "shell/sound_player.h"
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "solver/reveal_view.h"
#include "tutor/choice.h"
#include "tutor/recording.h"
#include "ui/level_menu.h"
#include "ui/solver_layout.h"
#include "ui/window_builder.h"
#include "widgets/bevel_button.h"
#include "widgets/elided_text.h"
#include "widgets/keypad.h"
#include "widgets/rich_text_box.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <random>

namespace quintavia {

namespace {

// The hint's distance from the boxes and the message line, in pixels.
constexpr int kHintGap = 3;

// A diagnosis in the window's words: rich text with the exponents raised, and what a screen
// reader says (the exponents as superscript digits, which it reads as powers).
struct HintText {
    QString shown;
    QString spoken;
};

HintText hintText(const std::string& message)
{
    static const char32_t superscripts[] = {U'⁰', U'¹', U'²', U'³', U'⁴', U'⁵', U'⁶', U'⁷', U'⁸', U'⁹'};
    HintText text;
    bool raised = false;
    for (const arithmetic::Char& c : arithmetic::plainLine(message)) {
        if (c.raised != raised)
            text.shown += c.raised ? QStringLiteral("<sup>") : QStringLiteral("</sup>");
        raised = c.raised;
        const QString character = QString::fromUcs4(&c.code, 1);
        text.shown += character.toHtmlEscaped();
        const bool digit = c.code >= U'0' && c.code <= U'9';
        text.spoken += c.raised && digit ? QString::fromUcs4(&superscripts[c.code - U'0'], 1) : character;
    }
    if (raised)
        text.shown += QStringLiteral("</sup>");
    return text;
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
    : m_registry(registry), m_dialog(registry.dialogs(), FolderUse::Pupil), m_record(registry.dialogs(), this)
{
    prepareWindow(this);

    const auto makeBox = [this](const ui::ControlSpec& c, QWidget* parent) {
        RichTextBox* box = nullptr;
        if (QLatin1String(c.name) == QLatin1String("RTB1")) {  // the document box
            box = m_reveal = new RevealView(parent);
        } else {  // the answer box: one line, nothing to scroll to
            box = new RichTextBox(parent);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        box->setTwipsGeometry(c.left, c.top, c.width, c.height);
        return box;
    };
    m_ui = ui::buildSolverWindow(this, makeBox);
    m_ui.hint->setTextFormat(Qt::RichText);
    m_ui.hint->setWordWrap(true);
    m_ui.hint->setAccessibleDescription(QStringLiteral("Suggerimento"));
    m_ui.hint->hide();
    setOpenButtonColour(ui::kOpenBright.toColor());

    m_ui.answer->setSingleLine(true);
    m_keypad = new Keypad(m_ui.frame, *m_ui.answer);
    connect(m_keypad, &Keypad::pressed, this, [this] { m_registry.sound().play(Sound::Click); });

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);

    connect(m_ui.open, &QAbstractButton::clicked, this, &SolverWindow::onOpenClicked);
    connect(m_ui.exit, &QAbstractButton::clicked, this, &SolverWindow::onExitClicked);
    connect(m_ui.confirm, &QAbstractButton::clicked, this, &SolverWindow::onConfirmClicked);
    connect(m_ui.help, &QAbstractButton::clicked, this, &SolverWindow::onHelpClicked);
    connect(m_ui.answer, &RichTextBox::keyPress, this, &SolverWindow::onAnswerKeyPress);
    // The pupil is correcting: the hint has been read.
    connect(m_ui.answer, &RichTextBox::edited, this, &SolverWindow::clearHint);
    connect(m_ui.answer, &RichTextBox::wantedHeightChanged, this, &SolverWindow::layOut);
    connect(m_timer, &QTimer::timeout, this, &SolverWindow::onTimerTick);

    m_seeds = [] {
        std::random_device device;
        return std::uint64_t(device()) << 32 | device();
    };
    m_levels = ui::levelMenu(this, [this](int level) { newExercise(level); });
    m_forMe = new QAction(QStringLiteral("Esercizio per me"), this);
    m_forMe->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_forMe->setShortcutContext(Qt::WindowShortcut);
    addAction(m_forMe);
    connect(m_forMe, &QAction::triggered, this, &SolverWindow::exerciseForMe);
    m_levels->insertSeparator(m_levels->actions().value(0));
    m_levels->insertAction(m_levels->actions().value(0), m_forMe);
    m_newExercise = new QAction(QStringLiteral("Esercizio nuovo"), this);
    m_newExercise->setMenu(m_levels);
    m_ui.document->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui.document, &QWidget::customContextMenuRequested, this, &SolverWindow::showContextMenu);

    m_ui.frame->setEnabled(false);
    m_ui.answer->setEnabled(false);
    layOut();
    m_timer->start();

    ui::centreOn(this, registry.find(WindowKind::Start));
}

SolverWindow::~SolverWindow() = default;

void SolverWindow::setOpenButtonColour(const QColor& colour)
{
    m_ui.open->setFace(colour);
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
    if (!play(Sound::Tick))
        return;
    setOpenButtonColour(ui::kOpenBright.toColor());
    // Cancelled, or a file that cannot be used: the exercise in progress goes on as it was.
    if (!m_dialog.showOpen(this, messages::exerciseFilter()))
        return;
    const QString fileName = m_dialog.fileName();
    const exercise::ReadExercise read = exercise::readExerciseFile(fileName);
    if (!read.ok()) {
        m_registry.dialogs().warn(this, messages::warningTitle(),
                                  messages::cannotOpenExercise().arg(fileLabel(fileName), read.error));
        return;
    }
    record::ExerciseInfo exercise;
    exercise.file = QFileInfo(fileName).fileName();
    // A file from the collection, or any the generator wrote, counts for the level it was made for.
    tutor::takeOrigin(exercise, read.level, read.theme, read.seed);
    startExercise(*read.document, fileLabel(fileName), exercise);
}

void SolverWindow::newExercise(int level)
{
    if (!play(Sound::Tick))
        return;
    setOpenButtonColour(ui::kOpenBright.toColor());
    const std::uint64_t seed = m_seeds();
    record::ExerciseInfo exercise;
    exercise.level = level;
    exercise.seed = seed;
    startGenerated(curriculum::exerciseWithChain(level, seed), exercise);
}

void SolverWindow::exerciseForMe()
{
    if (!play(Sound::Tick))
        return;
    setOpenButtonColour(ui::kOpenBright.toColor());
    const tutor::NextExercise next = tutor::nextExercise(m_record.history(), m_seeds());
    record::ExerciseInfo exercise;
    exercise.level = next.choice.level;
    exercise.theme = next.choice.theme;
    exercise.seed = next.seed;
    if (startGenerated(curriculum::exerciseLines(next.expression, arithmetic::StepMode::School), exercise))
        m_ui.message->setText(next.choice.reason);
}

bool SolverWindow::startGenerated(const std::vector<arithmetic::Line>& lines, const record::ExerciseInfo& exercise)
{
    // Through the file format, so that the exercise is exactly what its file would give.
    const exercise::ReadExercise read = exercise::exerciseThroughFile(lines);
    return read.ok() && startExercise(*read.document, QString(), exercise);
}

bool SolverWindow::startExercise(const QTextDocument& read, const QString& name, record::ExerciseInfo exercise)
{
    std::vector<arithmetic::Line> lines = exercise::linesOfDocument(read);
    if (lines.size() > std::size_t(kMaximumLines)) {
        m_registry.dialogs().warn(this, messages::warningTitle(), messages::tooManyLinesToSolve().arg(name));
        return false;
    }

    m_session.resetErrors();
    m_session.resetHelps();
    m_ui.answer->setText(QString());
    m_ui.message->clear();
    clearHint();
    m_reveal->setExercise(read);
    layOut();
    m_session.start(lines);
    record::ExerciseInfo named = tutor::exerciseInfo(exercise.file, lines);
    named.level = exercise.level;
    named.theme = exercise.theme;
    named.seed = exercise.seed;
    m_path = std::make_unique<diagnosis::PupilPath>(std::move(lines));
    if (m_path->finished()) {
        // Nothing to solve (no step, or only an empty line); the steps of an earlier exercise no
        // longer match what is shown.
        showNoExercise();
        return true;
    }
    m_timer->stop();
    m_ui.answer->setEnabled(true);
    m_ui.answer->setFocus();
    m_ui.frame->setEnabled(true);
    // An exercise left for this one stays "non finito" in the record.
    m_record.start(named);
    return true;
}

void SolverWindow::sayOfRecord(const QString& problem)
{
    if (!problem.isEmpty())
        m_ui.message->setText(problem);
}

void SolverWindow::layOut()
{
    const reveal::Geometry shown = reveal::fitted(m_reveal->wanted());
    double documentHeight = shown.documentHeight;
    // A long answer wraps and the box grows down to show it whole; where the message line leaves
    // no room, it grows upwards instead, over the document box's last pixels.
    const double answerHeight = std::max(reveal::kAnswerHeight, widgets::pixelsToInches(m_ui.answer->wantedHeight()));
    const double over = shown.answerTop + answerHeight - (reveal::kAnswerLimit + reveal::kAnswerHeight);
    const double answerTop = over > 0 ? shown.answerTop - over : shown.answerTop;
    documentHeight = std::min(documentHeight, answerTop - (reveal::kAnswerTop - reveal::kStartHeight));
    m_ui.answer->setHeightInches(answerHeight);
    m_ui.answer->setTopInches(answerTop);
    if (!m_ui.hint->isHidden()) {
        // Under the answer box while there is room above the message line; else above it, where
        // the document box gives way for as long as the hint shows (the last line stays in view).
        const int hintHeight = m_ui.hint->heightForWidth(m_ui.hint->width());
        int top = m_ui.answer->geometry().bottom() + 1 + kHintGap;
        if (top + hintHeight + kHintGap > m_ui.message->y()) {
            top = m_ui.answer->y() - kHintGap - hintHeight;
            const int room = top - kHintGap - m_ui.document->y();
            documentHeight = std::min(documentHeight, widgets::pixelsToInches(room));
        }
        m_ui.hint->setGeometry(m_ui.hint->x(), top, m_ui.hint->width(), hintHeight);
    }
    // The picture gives way where the hint stands, so that no sign of it lies on the drawing.
    QRegion picture(m_ui.picture->rect());
    if (!m_ui.hint->isHidden())
        picture -= m_ui.hint->geometry().adjusted(0, -kHintGap, 0, kHintGap).translated(-m_ui.picture->pos());
    m_ui.picture->setMask(picture);
    m_reveal->showIn(documentHeight);
}

void SolverWindow::showNoExercise()
{
    m_session.stop();
    m_path.reset();
    m_ui.frame->setEnabled(false);
    m_ui.answer->setEnabled(false);
    if (!m_timer->isActive())
        m_timer->start();
}

void SolverWindow::onExitClicked()
{
    if (!play(Sound::Tick))
        return;
    if (QWidget* start = m_registry.load(WindowKind::Start))
        start->show();
    m_registry.unload(WindowKind::Solver);
}

void SolverWindow::showContextMenu(const QPoint& position)
{
    QMenu* menu = m_ui.document->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addAction(m_newExercise);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_ui.document->viewport()->mapToGlobal(position));
}

void SolverWindow::onAnswerKeyPress(int& keyAscii)
{
    // The key goes on to the box, which keeps a single line and so drops the line break.
    if (keyAscii == 13)
        onConfirmClicked();
}

void SolverWindow::onConfirmClicked()
{
    if (!m_path)
        return;
    const auto typed = exercise::linesOfDocument(*m_ui.answer->document());
    const arithmetic::Line answer = typed.empty() ? arithmetic::Line() : typed.front();
    // Judged from the last line shown: the teacher's next line, a right step of the pupil's own
    // (then the next answer is judged from it), or a refusal with the teacher's words.
    const diagnosis::Judgement judgement = m_path->answer(answer);
    const QString recordProblem = m_record.answer(QString::fromStdString(arithmetic::plainText(answer)), judgement);
    if (!play(judgement.accepted() ? Sound::Chime : Sound::Buzz))
        return;
    if (!judgement.accepted()) {
        m_ui.message->setText(SolverSession::wrongMessage());
        sayOfRecord(recordProblem);
        showHint(judgement.diagnosis.message);
        m_session.countWrongAnswer(answer);
        m_ui.answer->setFocus();
        return;
    }
    m_ui.message->setText(SolverSession::rightMessage());
    sayOfRecord(recordProblem);
    showNewLine(RevealView::Growth::Step);
    showHint(judgement.diagnosis.message);  // a suggestion ("Ora riduci 6/8."), or none
    layOut();
    afterStep();
}

void SolverWindow::showNewLine(RevealView::Growth growth)
{
    const diagnosis::PupilPath::ShownLine& shown = m_path->shown().back();
    if (shown.documentLine >= 0)
        m_reveal->revealLine(shown.documentLine, growth);
    else  // the pupil's own line; a help off the teacher's path writes the step in the box's colour
        m_reveal->addLine(shown.line, growth, growth == RevealView::Growth::Step ? RevealView::ownLineColour() : QColor());
    m_session.advance();
}

void SolverWindow::showHint(const std::string& message)
{
    if (message.empty()) {
        clearHint();
        return;
    }
    const HintText text = hintText(message);
    bool cut = false;
    const int width = m_ui.hint->contentsRect().width() - 2 * m_ui.hint->margin();
    m_ui.hint->setText(elidedRichText(text.shown, m_ui.hint->font(), width, ui::kHintLines, &cut));
    m_ui.hint->setAccessibleName(text.spoken);
    // Cut short, the whole of it on hovering and for a screen reader.
    m_ui.hint->setToolTip(cut ? text.spoken : QString());
    m_ui.hint->setAccessibleDescription(cut ? text.spoken : QStringLiteral("Suggerimento"));
    m_ui.hint->show();
    layOut();
}

void SolverWindow::clearHint()
{
    if (m_ui.hint->isHidden())
        return;
    m_ui.hint->hide();
    m_ui.hint->clear();
    m_ui.hint->setAccessibleName(QString());
    m_ui.hint->setToolTip(QString());
    m_ui.hint->setAccessibleDescription(QStringLiteral("Suggerimento"));
    layOut();
}

void SolverWindow::onHelpClicked()
{
    if (!m_path || m_path->finished())
        return;
    if (!play(Sound::Click))
        return;
    m_ui.message->clear();
    clearHint();
    m_path->help();
    sayOfRecord(m_record.help());
    showNewLine(RevealView::Growth::Help);
    layOut();
    m_session.countHelp();
    afterStep();
}

void SolverWindow::afterStep()
{
    m_ui.answer->setText(QString());
    m_ui.answer->setFocus();
    if (!m_path->finished())
        return;
    m_ui.message->setText(m_session.finalMessage());
    sayOfRecord(m_record.finish());
    if (!play(m_session.fewHelps() ? Sound::Fanfare : Sound::Chime))
        return;
    m_ui.frame->setEnabled(false);
    m_ui.answer->setEnabled(false);
    m_timer->start();
}

}  // namespace quintavia
