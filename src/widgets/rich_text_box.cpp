// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/rich_text_box.h"

#include "document/char_format.h"
#include "document/document_file.h"
#include "document/document_info.h"
#include "widgets/exponent_clipboard.h"
#include "widgets/line_fit.h"
#include "widgets/shrink_to_fit.h"
#include "widgets/twips.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>

namespace quintavia {

namespace {

// The character code a key press types, as a text box reports it; 0 for keys that type nothing.
int keyAsciiOf(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return 0;
    return text.at(0).unicode();
}

// The digit a superscript digit stands for, or 0.
QChar superscriptDigit(QChar c)
{
    switch (c.unicode()) {
    case 0x2070: return u'0';
    case 0x00B9: return u'1';
    case 0x00B2: return u'2';
    case 0x00B3: return u'3';
    default: break;
    }
    return c.unicode() >= 0x2074 && c.unicode() <= 0x2079 ? QChar(u'4' + (c.unicode() - 0x2074)) : QChar();
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool raised(const QTextCharFormat& format)
{
    return effectiveRaise(format) > 0;
}

// The format given, as ordinary text or as an exponent; its font and colour stay.
QTextCharFormat ordinary(QTextCharFormat format)
{
    format.setFontPointSize(kOrdinaryPoints);
    format.setFontWeight(QFont::Normal);
    format.setVerticalAlignment(QTextCharFormat::AlignNormal);
    setRaise(format, 0);
    return format;
}

QTextCharFormat exponent(QTextCharFormat format)
{
    format.setFontPointSize(kExponentPoints);
    format.setFontWeight(QFont::Bold);
    setRaise(format, kExponentRaise);
    return format;
}

// An ordinary "^" just before the cursor, on its line.
bool caretAfterCaret(const QTextCursor& cursor)
{
    return !cursor.atBlockStart() && cursor.document()->characterAt(cursor.position() - 1) == u'^'
           && !raised(cursor.charFormat());
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::NoWrap);
    // Opaque, so that a step revealed repaints the box alone and not what lies beneath it.
    setAutoFillBackground(true);
    document()->setDefaultFont(exerciseFont());
    setCurrentCharFormat(baseCharFormat());
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!m_programmaticChange)
            Q_EMIT edited();
        fitSingleLine();
    });
    // Whatever moves a scroll bar (keys, selections, drags, the caret) is undone at once.
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] { pinView(); });
        connect(bar, &QScrollBar::rangeChanged, this, [this] { pinView(); });
    }
}

void RichTextBox::limitView(int bottom)
{
    m_viewBottom = qMax(0, bottom);
    pinView();
    viewport()->update();
}

int RichTextBox::viewTop() const
{
    return verticalScrollBar()->value();
}

void RichTextBox::pinView()
{
    if (!viewLimited())
        return;
    // The viewport fills the box inside its frame: the box has no scroll bars to show.
    const int top = qMax(0, m_viewBottom - contentsRect().height());
    if (verticalScrollBar()->value() != top)
        verticalScrollBar()->setValue(top);
    if (horizontalScrollBar()->value() != 0)
        horizontalScrollBar()->setValue(0);
}

void RichTextBox::wheelEvent(QWheelEvent* event)
{
    // Not even Ctrl+wheel, which would zoom the text.
    if (viewLimited()) {
        event->accept();
        return;
    }
    QTextEdit::wheelEvent(event);
}

void RichTextBox::paintEvent(QPaintEvent* event)
{
    if (!viewLimited()) {
        QTextEdit::paintEvent(event);
        return;
    }
    const QRect shown = event->rect().intersected(QRect(0, 0, viewport()->width(), m_viewBottom - viewTop()));
    if (shown.isEmpty())
        return;  // an empty rectangle would draw everything
    QPaintEvent clipped(shown);
    QTextEdit::paintEvent(&clipped);
}

void RichTextBox::resizeEvent(QResizeEvent* event)
{
    QTextEdit::resizeEvent(event);
    pinView();
    if (event->size().width() != event->oldSize().width() && m_shrink) {
        m_shrink->rehighlight();
        fitSingleLine();
    }
}

void RichTextBox::fitSingleLine()
{
    if (!m_singleLine || m_fitting)
        return;
    const QScopedValueRollback fitting(m_fitting, true);
    // Drawn smaller by the highlighter; what is still too wide wraps.
    const QTextBlock line = document()->firstBlock();
    setLineWrapMode(widgets::fitsUnwrapped(line, widgets::textRoom(width())) ? QTextEdit::NoWrap
                                                                             : QTextEdit::WidgetWidth);
    ensureCursorVisible();
    const int wanted = wantedHeight();
    if (wanted != m_wantedHeight) {
        m_wantedHeight = wanted;
        Q_EMIT wantedHeightChanged();
    }
}

int RichTextBox::wantedHeight() const
{
    const QTextLayout* layout = document()->firstBlock().layout();
    const double lineHeight = layout && layout->lineCount() > 0 ? layout->lineAt(0).height() : fontMetrics().height();
    const double text = std::min(document()->size().height() - 2 * document()->documentMargin(),
                                 kMostWrappedLines * lineHeight);
    return qCeil(text + 2 * document()->documentMargin()) + 2 * frameWidth();
}

bool RichTextBox::loadFile(const QString& path, QString* error)
{
    rtf::ReadResult result = readDocumentFile(path);
    if (!result.ok()) {
        if (error)
            *error = result.error;
        return false;
    }
    QScopedValueRollback guard(m_programmaticChange, true);
    document()->clear();
    QTextCursor cursor(document());
    cursor.insertFragment(QTextDocumentFragment(result.document.get()));
    // Saved again, the file keeps what it said of itself (a generated exercise's level).
    setDocumentInfo(*document(), documentInfo(*result.document));
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    document()->clearUndoRedoStacks();
    return true;
}

bool RichTextBox::saveFile(const QString& path, QString* error) const
{
    return writeDocumentFile(path, *document(), error);
}

QString RichTextBox::text() const
{
    return plainText(*document());
}

void RichTextBox::setText(const QString& text)
{
    QScopedValueRollback guard(m_programmaticChange, true);
    clear();
    setCurrentCharFormat(baseCharFormat());
    if (!text.isEmpty())
        insertPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void RichTextBox::clearAll()
{
    QScopedValueRollback guard(m_programmaticChange, true);
    clear();
    setDocumentInfo(*document(), {});
    QTextCursor cursor(document());
    cursor.setBlockFormat(QTextBlockFormat());
    setCurrentCharFormat(baseCharFormat());
    document()->clearUndoRedoStacks();
}

void RichTextBox::mergeFormat(const QTextCharFormat& format)
{
    // With a selection this formats the selected text; without, the text typed next.
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelColor(const QColor& color)
{
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormat(format);
}

void RichTextBox::setSelFontSize(double points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeFormat(format);
    // A raise is kept relative to the size, so it follows a change of size.
    if (const int raise = raiseOf(currentCharFormat()))
        setSelCharOffset(raise);
}

void RichTextBox::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

void RichTextBox::setSelCharOffset(int twips)
{
    QTextCharFormat format;
    format.setFontPointSize(currentCharFormat().fontPointSize());
    setRaise(format, twips);
    format.clearProperty(QTextFormat::FontPointSize);
    if (twips == 0) {
        // Merging cannot remove properties: set them to "not raised" explicitly.
        format.setProperty(kRaiseProperty, 0);
        format.setBaselineOffset(0);
    }
    mergeFormat(format);
}

void RichTextBox::setTwipsGeometry(int left, int top, int width, int height)
{
    m_leftTwips = left;
    m_topTwips = top;
    m_widthTwips = width;
    m_heightTwips = height;
    applyGeometry();
}

void RichTextBox::setHeightTwips(int twips)
{
    m_heightTwips = twips;
    applyGeometry();
}

void RichTextBox::setTopTwips(int twips)
{
    m_topTwips = twips;
    applyGeometry();
}

void RichTextBox::setHeightInches(double inches)
{
    setHeightTwips(qRound(inches * widgets::kTwipsPerInch));
}

void RichTextBox::setTopInches(double inches)
{
    setTopTwips(qRound(inches * widgets::kTwipsPerInch));
}

void RichTextBox::applyGeometry()
{
    setGeometry(widgets::twipsToPixels(m_leftTwips), widgets::twipsToPixels(m_topTwips),
                widgets::twipsToPixels(m_widthTwips), widgets::twipsToPixels(m_heightTwips));
}

void RichTextBox::setSingleLine(bool singleLine)
{
    m_singleLine = singleLine;
    setVerticalScrollBarPolicy(singleLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    if (singleLine && !m_shrink)
        m_shrink = new widgets::ShrinkToFit(document(), [this] { return double(widgets::textRoom(width())); });
    if (!singleLine) {
        delete m_shrink;
        m_shrink = nullptr;
        setLineWrapMode(QTextEdit::NoWrap);
    }
    fitSingleLine();
}

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    int code = keyAsciiOf(event);
    if (code != 0) {
        const int typed = code;
        Q_EMIT keyPress(code);
        if (code == 0) {
            event->accept();
            return;
        }
        if (m_singleLine && code == 13) {
            event->accept();  // one line only: Enter never becomes a line break
            return;
        }
        if ((code != typed && code >= 32) || needsExponentRules(QChar(code))) {
            insertTyped(code == 13 ? QStringLiteral("\n") : QString(QChar(code)));
            event->accept();
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
    // A line emptied by deleting starts ordinary, whatever stood there before.
    if ((event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) && textCursor().atBlockStart()
        && !textCursor().hasSelection())
        setCurrentCharFormat(ordinary(currentCharFormat()));
}

bool RichTextBox::needsExponentRules(QChar typed) const
{
    if (typed.unicode() == 13)
        return !m_singleLine && raised(currentCharFormat());
    if (typed.unicode() < 32)
        return false;
    if (!superscriptDigit(typed).isNull())
        return true;
    if (isAsciiDigit(typed))
        return caretAfterCaret(textCursor());
    return raised(currentCharFormat());
}

void RichTextBox::insertTyped(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    QTextCharFormat format = cursor.charFormat();
    if (cursor.hasSelection()) {
        format = currentCharFormat();
        cursor.removeSelectedText();
    }
    // In pasted text the superscripts say exactly which digits are raised: "10²5" ends with a 5 in line.
    bool afterSuperscript = false;
    for (QChar c : text) {
        if (c == u'\n') {
            format = ordinary(format);
            cursor.insertBlock(cursor.blockFormat(), format);
            continue;
        }
        const bool superscript = !superscriptDigit(c).isNull();
        if (superscript) {
            c = superscriptDigit(c);
            format = exponent(format);
        } else if (isAsciiDigit(c)) {
            if (caretAfterCaret(cursor)) {  // "^2": the sign goes, the digit is raised
                cursor.deletePreviousChar();
                format = exponent(format);
            } else if (afterSuperscript) {
                format = ordinary(format);
            }
        } else if (raised(format)) {
            format = ordinary(format);
        }
        afterSuperscript = superscript;
        cursor.insertText(QString(c), format);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    setCurrentCharFormat(format);
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return source && (source->hasText() || source->hasHtml());
}

QMimeData* RichTextBox::createMimeDataFromSelection() const
{
    return mimeDataWithExponents(textCursor().selection());
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (!source)
        return;
    // Pasted text takes the format in force at the caret, and the rules of exponents, like typed text.
    QString text = textToPaste(*source);
    if (m_singleLine)
        text.remove(QLatin1Char('\n'));
    insertTyped(text);
}

}  // namespace quintavia
