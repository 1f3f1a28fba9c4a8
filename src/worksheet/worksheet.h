// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QList>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QTextDocument;

namespace quintavia::worksheet {

// A piece of a line with one look: its characters, colour, size and raise as in the document.
struct Run {
    QString text;
    QColor colour = Qt::black;
    qreal points = 12;   // size in the document; the sheet scales it
    int raiseTwips = 0;  // above the baseline; negative lowers
};
using Line = QList<Run>;

// A message about one line of an exercise.
struct LineWarning {
    int line = 0;  // the line's number in the document (see Exercise::lineNumbers)
    QString text;
};

struct Exercise {
    QString name;            // where it came from, shown in the key
    QList<Line> lines;       // the expression, then the steps; blank lines dropped
    QList<int> lineNumbers;  // each line's number in the document, from 1
    // What a check of the chain found; the sheet is printed all the same.
    QList<LineWarning> warnings;

    int stepCount() const { return lines.isEmpty() ? 0 : int(lines.size()) - 1; }
};

// An exercise as read from an exercise document: one line a block, each fragment one run.
Exercise fromDocument(const QString& name, const QTextDocument& document);
// The characters of a line as the document holds them (raised digits in line).
QString plainText(const Line& line);

struct Sheet {
    QString title;  // the folder or file name, in the heading
    QList<Exercise> exercises;
    bool withKey = false;  // add the solution key on pages of its own
};

// Where each exercise went: pages count from 0, in millimetres from the top of the printable area.
struct Placement {
    int page = 0;
    qreal top = 0;
    qreal bottom = 0;
    bool key = false;
};

// The sheet's page, for the printer and the PDF file alike: A4, 15 mm margins all round.
void setUpPage(QPagedPaintDevice& device);

// Paints the sheet on `device` (a QPdfWriter or QPrinter, A4 or what the printer has), starting
// on its current page. Returns where each exercise was placed: the exercises in order, then, with
// the key, the exercises again on the key's pages. An exercise never starts on one page and ends
// on another unless it is taller than a whole page.
QList<Placement> render(QPagedPaintDevice& device, const Sheet& sheet);

}  // namespace quintavia::worksheet
