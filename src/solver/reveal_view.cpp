// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/reveal_view.h"

#include "exercise/exercise_lines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QtMath>

namespace quintavia {

namespace {

constexpr double kLinePixels = reveal::kLine * widgets::kPixelsPerInch;

QRectF blockRect(const QTextDocument* document, int index)
{
    const QTextBlock block = document->findBlockByNumber(index);
    return block.isValid() ? document->documentLayout()->blockBoundingRect(block) : QRectF();
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
    setRevealLineHeight(document());
    // Lines stand a little lower, so the top of the next one stays under the box's lower edge.
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setTopMargin(6);
    document()->rootFrame()->setFrameFormat(frame);
    m_exercise.reset(document()->clone());
    // The lines shown are measured in a layout of their own, as wide as the box's.
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
    setRevealLineHeight(m_path.get(), m_path->blockCount() - 1);
    grow(growth, true);
}

void RevealView::grow(Growth growth, bool added)
{
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
    setHeightInches(inches);
    if (!m_path) {
        limitView(qCeil(blockRect(document(), 0).bottom()));
        return;
    }
    const std::vector<int> indexes = linesThatFit();
    clearAll();
    QTextDocument* shown = document();
    shown->rootFrame()->setFrameFormat(m_path->rootFrame()->frameFormat());
    for (std::size_t i = 0; i < indexes.size(); ++i)
        appendBlock(shown, m_path->findBlockByNumber(indexes[i]), i == 0);
    setTextCursor(QTextCursor(shown));
    limitView(qCeil(blockRect(shown, int(indexes.size()) - 1).bottom()));
}

std::vector<int> RevealView::linesThatFit() const
{
    const int lines = m_path->blockCount();
    const double room = contentsRect().height() + 0.5;
    const double bottom = blockRect(m_path.get(), lines - 1).bottom();
    int first = 1;
    if (bottom > room && lines > 1) {
        // Too many to show whole: the expression stays as the first line, above as many of the
        // last lines as fit whole (each moved up to where line 2 stands); the last one always
        // shows, even without the expression.
        const double second = blockRect(m_path.get(), 1).top();
        while (first < lines && bottom - blockRect(m_path.get(), first).top() + second > room)
            ++first;
        if (first >= lines - 1 && bottom - blockRect(m_path.get(), lines - 1).top() + second > room)
            return {lines - 1};
    }
    std::vector<int> indexes{0};
    for (int i = first; i < lines; ++i)
        indexes.push_back(i);
    return indexes;
}

}  // namespace quintavia
