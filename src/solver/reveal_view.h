// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/line.h"
#include "exercise/solver_session.h"
#include "widgets/rich_text_box.h"

#include <QColor>
#include <QTextDocument>

#include <memory>
#include <vector>

namespace quintavia {

// The solver's document box: the lines of the pupil's way through the exercise, one under the
// other from the expression on. The teacher's lines keep their own formats; the pupil's own lines
// are written in a colour of their own. The box grows by each line's height as it is shown, and
// holds only what is shown, so nothing hidden can be copied, dragged or read out of it.
class RevealView : public RichTextBox {
    Q_OBJECT

public:
    // How the box grows for a line: as for a right step, or as a help does (see reveal::afterHelp).
    enum class Growth { Step, Help };
    // The pupil's own lines: a deep violet, far from the teacher's usual black, red and blue, and
    // clear on the box's white.
    static QColor ownLineColour() { return {128, 0, 160}; }

    explicit RevealView(QWidget* parent = nullptr);
    ~RevealView() override;

    // Takes a new exercise: lays it out whole once in the box to give each line its reveal height
    // and keep it; shows the expression, in a box as tall as it.
    void setExercise(const QTextDocument& exercise);
    // Shows the exercise's line `index` (from 0) under the last line shown.
    void revealLine(int index, Growth growth);
    // Shows a line that is not the exercise's (the pupil's own, ownLineColour(); or one worked out
    // for a help, in the box's own colour: `colour` invalid) under the last line shown.
    void addLine(const arithmetic::Line& line, Growth growth, const QColor& colour);
    // Lines shown so far, the expression included (0 before the first exercise).
    int shownLines() const;

    // Where the document box and the answer box would stand if the window were tall enough for
    // every line shown (inches, as the boxes keep them: whole twips).
    reveal::Geometry wanted() const;
    // Makes the box `inches` tall and puts into it the lines it shows whole: all while they fit,
    // else the expression above as many of the last lines as fit, the last always. Where lines
    // are left out under the expression, a mark there says so.
    void showIn(double inches);

protected:
    // Wheel, arrows and page keys look back through the lines already shown, and forward again
    // as far as the last one shown; never further.
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // A line was shown: the wanted geometry grows by its height (`added`: the last line of
    // `m_path`), or by one reveal for a line the box does not hold.
    void grow(Growth growth, bool added);
    void setWanted(reveal::Geometry geometry);
    // How wide a line may be drawn without wrapping, in pixels.
    double textRoom() const;
    // Which lines of `m_path` (from 0) fit in the box as it stands, the last one `m_lookedBack`
    // lines before the last shown.
    std::vector<int> linesThatFit() const;
    // Looks `lines` further back (negative: forward), within what was shown.
    void lookBack(int lines);

    std::unique_ptr<QTextDocument> m_exercise;  // every line, as laid out in the box
    std::unique_ptr<QTextDocument> m_path;      // the lines shown, a block each
    // Kept in whole twips, as the boxes keep their own geometry.
    int m_wantedHeightTwips = 0;
    int m_wantedTopTwips = 0;
    double m_inches = 0;         // the box's height, as last shown
    int m_lookedBack = 0;        // lines looked back from the last shown
    bool m_hiddenAbove = false;  // lines left out under the expression: the mark shows
};

}  // namespace quintavia
