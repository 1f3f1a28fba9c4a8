// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/twips.h"

#include <QTextEdit>

namespace quintavia {

namespace widgets {
class ShrinkToFit;
}

// The exercise text box: a rich-text editor that loads and saves exercise documents, gives its
// plain text with CR LF between lines, formats the selection (or what is typed next), and tells
// its window about every typed character before handling it.
//
// Exponents end by themselves: after raised digits, the first character typed that is no digit
// (a blank, a sign, a bracket, a line break) is ordinary, and a line emptied by deleting starts
// ordinary again. Superscript digits (⁰¹²³⁴⁵⁶⁷⁸⁹) and "^" followed by digits, typed or pasted,
// become raised digits in the exponent format, as the keypad's exponent keys type them.
class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Replaces the whole content with the document in `path`. On failure the content is kept
    // and `error` (if given) gets an Italian reason.
    bool loadFile(const QString& path, QString* error = nullptr);
    // Writes the whole content to `path` safely (an existing file is replaced only once the new
    // one is complete). On failure `error` gets an Italian reason.
    bool saveFile(const QString& path, QString* error = nullptr) const;

    // Plain text: lines joined by CR LF, formatting dropped, raised characters in line.
    QString text() const;
    // Replaces the content with plain text in the ordinary format ("" empties the box).
    void setText(const QString& text);
    // Empties the box, text, formatting and document information.
    void clearAll();

    // Formats of the selection, or of the text typed next when nothing is selected.
    void setSelColor(const QColor& color);
    void setSelFontSize(double points);
    void setSelBold(bool bold);
    void setSelCharOffset(int twips);  // raise above the baseline, negative lowers

    // Size and position kept in twips, as designed; inches are 1440 twips.
    int heightTwips() const { return m_heightTwips; }
    int topTwips() const { return m_topTwips; }
    void setHeightTwips(int twips);
    void setTopTwips(int twips);
    float heightInches() const { return static_cast<float>(m_heightTwips / widgets::kTwipsPerInch); }
    float topInches() const { return static_cast<float>(m_topTwips / widgets::kTwipsPerInch); }
    void setHeightInches(double inches);
    void setTopInches(double inches);
    // Places the box as designed, keeping the twips exactly.
    void setTwipsGeometry(int left, int top, int width, int height);

    // One-line mode (the solver's answer box): Enter never inserts a line break and a pasted
    // line break is dropped. A line wider than the box is drawn smaller, down to the smallest
    // readable size, and only then wrapped; the caret stays in view.
    void setSingleLine(bool singleLine);
    bool isSingleLine() const { return m_singleLine; }
    // In one-line mode, the height (pixels, frame included) that shows the wrapped line whole, up to
    // kMostWrappedLines lines; a longer one scrolls with the caret.
    int wantedHeight() const;
    static constexpr int kMostWrappedLines = 3;

    // The window owns the view: the box shows its document down to `bottom` (pixels, document
    // coordinates) and draws nothing below it; when that part is taller than the box, its last
    // pixels show. Wheel, keys, selections and drags no longer move the view.
    void limitView(int bottom);
    bool viewLimited() const { return m_viewBottom >= 0; }
    // How far the view is scrolled down, in pixels.
    int viewTop() const;

Q_SIGNALS:
    // Raised for each typed character (Enter gives 13, Backspace 8) before the box handles it.
    // A handler may change the code; 0 swallows the key.
    void keyPress(int& keyAscii);
    // The user changed the content (typing, keypad, paste, a line break); not raised by loading
    // or by the window's own setText/clearAll.
    void edited();
    // In one-line mode, wantedHeight() changed: the line wraps onto more lines, or fewer.
    void wantedHeightChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Copies and drags carry raised digits as superscript (rich text) and as ⁰-⁹ (plain text).
    QMimeData* createMimeDataFromSelection() const override;
    // Pastes keep raised digits raised: superscript runs, ⁰-⁹ and "^" before digits.
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    void mergeFormat(const QTextCharFormat& format);
    // Inserts `text` at the caret (replacing the selection) character by character, with the
    // rules of exponents above.
    void insertTyped(const QString& text);
    bool needsExponentRules(QChar typed) const;
    void applyGeometry();
    void pinView();
    // One-line mode: sizes the line for the box's width (see setSingleLine).
    void fitSingleLine();

    int m_leftTwips = 0;
    int m_widthTwips = 0;
    bool m_singleLine = false;
    bool m_programmaticChange = false;
    bool m_fitting = false;
    int m_wantedHeight = 0;
    widgets::ShrinkToFit* m_shrink = nullptr;  // one-line mode: owned by the document
    int m_heightTwips = 0;
    int m_topTwips = 0;
    int m_viewBottom = -1;  // below 0: the view is the user's
};

}  // namespace quintavia
