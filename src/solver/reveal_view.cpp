// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/reveal_view.h"

#include "exercise/exercise_lines.h"
#include "widgets/line_fit.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cstdlib>

namespace quintavia {

namespace {

constexpr double kLinePixels = reveal::kLine * widgets::kPixelsPerInch;
// Room between the expression and the lines under it for the mark of lines left out, in pixels.
constexpr int kMarkPixels = 10;

QRectF blockRect(const QTextDocument* document, int index)
{
    const QTextBlock block = document->findBlockByNumber(index);
    if (!block.isValid())
        return {};
    QRectF rect = document->documentLayout()->blockBoundingRect(block);
    // A line of fixed height is moved down inside that height, yet the layout reports its block only
    // as tall as the text: the lines themselves say where the block ends.
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine last = layout->lineAt(layout->lineCount() - 1);
        rect.setBottom(std::max(rect.bottom(), rect.top() + last.y() + last.height()));
    }
    return rect;
}

// Each line as tall as one reveal, so that growing the box by one line shows exactly the next
// line and nothing of the one after it, whatever the font's own spacing. Lines that need more
// room (a larger font) keep their own height, and are revealed by it.
void setRevealLineHeight(QTextDocument* document, int from = 0)
{
    QList<QTextBlock> fitting;
    for (QTextBlock block = document->findBlockByNumber(from); block.isValid(); block = block.next()) {
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
}

// Lines wider than `room` drawn smaller, down to the smallest readable size; what is still too
// wide the box wraps. Sizes and raises shrink alike, so exponents keep their place.
void fitLineWidths(QTextDocument* document, double room, int from = 0)
{
    QList<widgets::FittedRun> runs;  // gathered first: changing a format may merge the fragments walked
    for (QTextBlock block = document->findBlockByNumber(from); block.isValid(); block = block.next())
        runs.append(widgets::fittedRuns(block, room));
    QTextCursor cursor(document);
    for (const widgets::FittedRun& run : runs) {
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
}

// Appends `block` to `document` as it stands, formats included, so that it is laid out exactly
// as where it comes from; the first block of an empty document takes its place.
void appendBlock(QTextDocument* document, const QTextBlock& block, bool first)
{
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (first) {
        cursor.setBlockFormat(block.blockFormat());
        cursor.setBlockCharFormat(block.charFormat());
    } else {
        cursor.insertBlock(block.blockFormat(), block.charFormat());
    }
    for (auto it = block.begin(); !it.atEnd(); ++it)
        cursor.insertText(it.fragment().text(), it.fragment().charFormat());
}

}  // namespace

RevealView::RevealView(QWidget* parent) : RichTextBox(parent)
{
    // A line too wide even at the smallest readable size goes on below (see fitLineWidths).
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Only the lines shown may show: no scrolling to what is below.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The exercise's lines are shown, not edited: the pupil's typing belongs in the answer box.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    document()->setUndoRedoEnabled(false);  // its lines change only as lines are shown
    setWanted({reveal::kStartHeight, reveal::kAnswerTop});
}

RevealView::~RevealView() = default;

void RevealView::setExercise(const QTextDocument& exercise)
{
    // Laid out once whole in the box, to give each line its reveal height there.
    clearAll();
    QTextCursor(document()).insertFragment(QTextDocumentFragment(&exercise));
    fitLineWidths(document(), textRoom());
    setRevealLineHeight(document());
    // Lines stand a little lower, so the top of the next one stays under the box's lower edge.
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setTopMargin(6);
    document()->rootFrame()->setFrameFormat(frame);
    m_exercise.reset(document()->clone());
    // The lines shown are measured in a layout of their own, as wide as the box's.
    m_lookedBack = 0;
    m_path.reset(document()->clone());
    QTextCursor rest(m_path.get());
    rest.movePosition(QTextCursor::EndOfBlock);
    rest.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    rest.removeSelectedText();
    m_path->setTextWidth(document()->textWidth());
    m_exercise->setTextWidth(document()->textWidth());
    // A first line taller than the others' reveal needs a taller box from the start.
    const double first = blockRect(m_path.get(), 0).height();
    const double extra = first > kLinePixels + 0.01 ? first / widgets::kPixelsPerInch - reveal::kLine : 0.0;
    setWanted({reveal::kStartHeight + extra, reveal::kAnswerTop + extra});
}

void RevealView::revealLine(int index, Growth growth)
{
    // A line the box never laid out (a break inside a paragraph) grows the box all the same.
    const bool known = m_exercise && index >= 0 && index < m_exercise->blockCount();
    if (known)
        appendBlock(m_path.get(), m_exercise->findBlockByNumber(index), false);
    grow(growth, known);
}

void RevealView::addLine(const arithmetic::Line& line, Growth growth, const QColor& colour)
{
    if (!m_path)
        return;
    QTextCursor cursor(m_path.get());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat format = m_path->lastBlock().blockFormat();
    format.setLineHeight(0, QTextBlockFormat::SingleHeight);
    cursor.insertBlock(format);
    const int start = cursor.position();
    exercise::insertLine(cursor, line);
    if (colour.isValid()) {
        cursor.setPosition(start, QTextCursor::KeepAnchor);
        QTextCharFormat coloured;
        coloured.setForeground(colour);
        cursor.mergeCharFormat(coloured);
    }
    fitLineWidths(m_path.get(), textRoom(), m_path->blockCount() - 1);
    setRevealLineHeight(m_path.get(), m_path->blockCount() - 1);
    grow(growth, true);
}

void RevealView::grow(Growth growth, bool added)
{
    m_lookedBack = 0;  // a new line: the box shows the latest again
    const double pixels = added ? blockRect(m_path.get(), m_path->blockCount() - 1).height() : 0.0;
    const double line = pixels > kLinePixels + 0.01 ? pixels / widgets::kPixelsPerInch : reveal::kLine;
    const reveal::Geometry now = wanted();
    const float height = static_cast<float>(now.documentHeight);
    const float top = static_cast<float>(now.answerTop);
    setWanted(growth == Growth::Step ? reveal::afterRightStep(height, top, line) : reveal::afterHelp(height, top, line));
}

void RevealView::setWanted(reveal::Geometry geometry)
{
    m_wantedHeightTwips = qRound(geometry.documentHeight * widgets::kTwipsPerInch);
    m_wantedTopTwips = qRound(geometry.answerTop * widgets::kTwipsPerInch);
}

double RevealView::textRoom() const
{
    return viewport()->width() - 2 * document()->documentMargin();
}

int RevealView::shownLines() const
{
    return m_path ? m_path->blockCount() : 0;
}

reveal::Geometry RevealView::wanted() const
{
    return {static_cast<float>(m_wantedHeightTwips / widgets::kTwipsPerInch),
            static_cast<float>(m_wantedTopTwips / widgets::kTwipsPerInch)};
}

void RevealView::showIn(double inches)
{
    m_inches = inches;
    setHeightInches(inches);
    if (!m_path) {
        limitView(qRound(blockRect(document(), 0).bottom()));
        return;
    }
    const std::vector<int> indexes = linesThatFit();
    m_hiddenAbove = indexes.size() > 1 && indexes[0] == 0 && indexes[1] > 1;
    clearAll();
    QTextDocument* shown = document();
    shown->rootFrame()->setFrameFormat(m_path->rootFrame()->frameFormat());
    for (std::size_t i = 0; i < indexes.size(); ++i)
        appendBlock(shown, m_path->findBlockByNumber(indexes[i]), i == 0);
    if (m_hiddenAbove) {
        QTextCursor second(shown->findBlockByNumber(1));
        QTextBlockFormat room;
        room.setTopMargin(kMarkPixels);
        second.mergeBlockFormat(room);
    }
    const QString tip = m_hiddenAbove ? QStringLiteral("Alcuni passaggi sono nascosti: rotella o frecce per rivederli")
                                      : QString();
    setToolTip(tip);
    setAccessibleDescription(tip);
    setTextCursor(QTextCursor(shown));
    limitView(qRound(blockRect(shown, int(indexes.size()) - 1).bottom()));
}

std::vector<int> RevealView::linesThatFit() const
{
    const int lines = m_path->blockCount() - m_lookedBack;
    const double room = contentsRect().height() + 0.5;
    const double bottom = blockRect(m_path.get(), lines - 1).bottom();
    int first = 1;
    if (bottom > room && lines > 1) {
        // Too many to show whole: the expression stays as the first line, above as many of the
        // last lines as fit whole (each moved up to where line 2 stands, under the mark); the
        // last one always shows, even without the expression.
        const double second = blockRect(m_path.get(), 1).top();
        const auto height = [&](int from) {
            return bottom - blockRect(m_path.get(), from).top() + second + (from > 1 ? kMarkPixels : 0);
        };
        while (first < lines && height(first) > room)
            ++first;
        if (first >= lines - 1 && height(lines - 1) > room)
            return {lines - 1};
    }
    std::vector<int> indexes{0};
    for (int i = first; i < lines; ++i)
        indexes.push_back(i);
    return indexes;
}

void RevealView::lookBack(int lines)
{
    if (!m_path)
        return;
    // Back only while lines are left out above; forward no further than the last line shown.
    const int furthest = m_hiddenAbove ? m_path->blockCount() - 2 : m_lookedBack;
    const int wanted = std::clamp(m_lookedBack + lines, 0, std::max(0, furthest));
    if (wanted == m_lookedBack)
        return;
    m_lookedBack = wanted;
    showIn(m_inches);
}

void RevealView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(steps); ++i)
        lookBack(steps > 0 ? 1 : -1);
    event->accept();
}

void RevealView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp: lookBack(1); break;
    case Qt::Key_Down:
    case Qt::Key_PageDown: lookBack(-1); break;
    default: RichTextBox::keyPressEvent(event); return;
    }
    event->accept();
}

void RevealView::paintEvent(QPaintEvent* event)
{
    RichTextBox::paintEvent(event);
    if (!m_hiddenAbove)
        return;
    // Three dots across the room left under the expression: lines stand there that are not shown.
    // Half-way between the expression's foot and the top of the next line's text, which a line of
    // fixed height places lower in its block.
    const QTextBlock next = document()->findBlockByNumber(1);
    const double nextText = next.layout() && next.layout()->lineCount() > 0
                                ? next.layout()->position().y() + next.layout()->lineAt(0).y()
                                : blockRect(document(), 1).top() + kMarkPixels;
    const double middle = (blockRect(document(), 0).bottom() + nextText) / 2.0 - viewTop();
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 128, 128));
    const QPointF centre(viewport()->width() / 2.0, middle);
    for (int i = -1; i <= 1; ++i)
        painter.drawEllipse(centre + QPointF(i * 8.0, 0), 1.6, 1.6);
}

}  // namespace quintavia
