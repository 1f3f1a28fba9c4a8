// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/worksheet.h"

#include "document/char_format.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

namespace quintavia::worksheet {

namespace {

// Sizes on paper, in millimetres and points. The expression is a little larger than on screen so
// that a class can read it from a photocopy.
constexpr qreal kTextPoints = 16;
constexpr qreal kScale = kTextPoints / kOrdinaryPoints;
constexpr qreal kHeadingPoints = 14;
constexpr qreal kNamePoints = 8;
constexpr qreal kHeadingHeight = 18;
constexpr qreal kExpressionHeight = 12;
constexpr qreal kRuleGap = 10;  // between ruled lines: room for a child's handwriting
constexpr qreal kKeyLineHeight = 9;
constexpr qreal kExerciseGap = 6;
constexpr qreal kNumberWidth = 10;
// A line wider than the page is drawn smaller, down to this size for ordinary text, then wrapped.
constexpr qreal kMinimumTextPoints = 11;
// From one row of a wrapped line or heading to the next, in the text's own height.
constexpr qreal kRowSpacing = 1.5;
constexpr qreal kMillimetresPerPoint = 25.4 / 72.0;
const QColor kRuleColour(150, 150, 150);

QFont sheetFont(qreal points, bool bold = false)
{
    QFont font(QString::fromLatin1(kExerciseFontFamily));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Paints in millimetres from the top left of the printable area and turns pages.
class Pen {
public:
    Pen(QPagedPaintDevice& device, QPainter& painter)
        : m_device(device),
          m_painter(painter),
          m_unit(device.logicalDpiY() / 25.4),
          m_width(device.width() / m_unit),
          m_height(device.height() / m_unit)
    {
    }

    qreal width() const { return m_width; }
    qreal height() const { return m_height; }
    qreal y() const { return m_y; }
    int page() const { return m_page; }
    qreal room() const { return m_height - m_y; }

    void newPage()
    {
        m_device.newPage();
        ++m_page;
        m_y = 0;
    }
    void advance(qreal mm) { m_y += mm; }
    // Turns the page unless `mm` still fit or the page is still empty.
    void makeRoom(qreal mm)
    {
        if (mm > room() && m_y > 0)
            newPage();
    }

    // Draws `text` with its baseline `baseline` mm below the current line's top; returns the
    // advance in mm.
    qreal text(qreal x, qreal baseline, const QString& text, const QFont& font, const QColor& colour)
    {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(QPointF(x * m_unit, (m_y + baseline) * m_unit), text);
        return advanceOf(text, font);
    }
    qreal advanceOf(const QString& text, const QFont& font) const
    {
        return QFontMetricsF(font, &m_device).horizontalAdvance(text) / m_unit;
    }
    void rule(qreal x1, qreal x2, qreal below, const QColor& colour)
    {
        m_painter.setPen(QPen(colour, 0.3 * m_unit));
        const qreal y = (m_y + below) * m_unit;
        m_painter.drawLine(QPointF(x1 * m_unit, y), QPointF(x2 * m_unit, y));
    }

private:
    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    qreal m_unit;  // device units in a millimetre
    qreal m_width;
    qreal m_height;
    qreal m_y = 0;
    int m_page = 0;
};

// Draws the runs of a line, raised runs smaller and higher as the document has them; `scale` turns
// the document's sizes into the sheet's.
void drawLine(Pen& pen, qreal x, qreal baseline, const Line& line, qreal scale = kScale)
{
    for (const Run& run : line) {
        const QFont font = sheetFont(run.points * scale);
        const qreal raise = run.raiseTwips / 20.0 * scale * kMillimetresPerPoint;
        x += pen.text(x, baseline - raise, run.text, font, run.colour);
    }
}

qreal widthOf(const Pen& pen, const Line& line, qreal scale)
{
    qreal width = 0;
    for (const Run& run : line)
        width += pen.advanceOf(run.text, sheetFont(run.points * scale));
    return width;
}

// A line as it fits a width: its scale and its rows, one unless even the smallest size is too wide.
struct FittedLine {
    qreal scale = kScale;
    QList<Line> rows;
    qreal rowStep() const { return kOrdinaryPoints * scale * kMillimetresPerPoint * kRowSpacing; }
    qreal extraHeight() const { return qMax<qsizetype>(0, rows.size() - 1) * rowStep(); }  // below the first row
};

// The line cut after blanks into pieces that do not break, each with the runs it covers.
QList<Line> piecesOf(const Line& line)
{
    QList<Line> pieces{Line{}};
    for (const Run& run : line) {
        qsizetype from = 0;
        while (from < run.text.size()) {
            const qsizetype blank = run.text.indexOf(QLatin1Char(' '), from);
            const qsizetype end = blank < 0 ? run.text.size() : blank + 1;
            Run part = run;
            part.text = run.text.mid(from, end - from);
            pieces.last().append(part);
            if (blank >= 0)
                pieces.append(Line{});
            from = end;
        }
    }
    if (pieces.last().isEmpty())
        pieces.removeLast();
    return pieces;
}

FittedLine fit(const Pen& pen, const Line& line, qreal room)
{
    FittedLine fitted;
    const qreal width = widthOf(pen, line, kScale);
    const qreal smallest = kMinimumTextPoints / kOrdinaryPoints;
    if (width <= room) {
        fitted.rows = {line};
        return fitted;
    }
    fitted.scale = qMax(smallest, kScale * room / width);
    if (widthOf(pen, line, fitted.scale) <= room) {
        fitted.rows = {line};
        return fitted;
    }
    // Wrapped at the blanks, as many pieces a row as fit; a piece wider than the room has a row of its own.
    Line row;
    qreal rowWidth = 0;
    for (const Line& piece : piecesOf(line)) {
        const qreal pieceWidth = widthOf(pen, piece, fitted.scale);
        if (!row.isEmpty() && rowWidth + pieceWidth > room) {
            fitted.rows.append(row);
            row.clear();
            rowWidth = 0;
        }
        row.append(piece);
        rowWidth += pieceWidth;
    }
    if (!row.isEmpty() || fitted.rows.isEmpty())
        fitted.rows.append(row);
    return fitted;
}

void drawFitted(Pen& pen, qreal x, qreal baseline, const FittedLine& fitted)
{
    for (qsizetype i = 0; i < fitted.rows.size(); ++i)
        drawLine(pen, x, baseline + i * fitted.rowStep(), fitted.rows.at(i), fitted.scale);
}

// `text` in rows no wider than `room`, broken after blanks, or anywhere in a word wider than a row.
QStringList wrapped(const Pen& pen, const QString& text, const QFont& font, qreal room)
{
    QStringList rows{QString()};
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = rows.last().isEmpty() ? word : rows.last() + QLatin1Char(' ') + word;
        if (pen.advanceOf(joined, font) <= room) {
            rows.last() = joined;
            continue;
        }
        if (!rows.last().isEmpty())
            rows.append(QString());
        for (QChar c : word) {
            if (!rows.last().isEmpty() && pen.advanceOf(rows.last() + c, font) > room)
                rows.append(QString());
            rows.last() += c;
        }
    }
    return rows;
}

qreal headingRowStep()
{
    return kHeadingPoints * kMillimetresPerPoint * kRowSpacing;
}

// Draws a heading's rows from `baseline`; returns how much taller than one row it is.
qreal drawHeadingRows(Pen& pen, qreal baseline, const QStringList& rows, const QFont& font)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        pen.text(0, baseline + i * headingRowStep(), rows.at(i), font, Qt::black);
    return (rows.size() - 1) * headingRowStep();
}

void drawHeading(Pen& pen, const QString& title)
{
    const QFont bold = sheetFont(kHeadingPoints, true);
    const QFont plain = sheetFont(kHeadingPoints);
    const qreal baseline = 8;
    // Right to left: the date's blank, "Data", the name's blank, "Nome", then the title in what is left.
    const qreal dateBlank = 35;
    const qreal nameBlank = 60;
    const QString name = QStringLiteral("Nome");
    const QString date = QStringLiteral("Data");
    const qreal dateX = pen.width() - dateBlank - pen.advanceOf(date + QLatin1Char(' '), plain);
    const qreal nameX = dateX - 6 - nameBlank - pen.advanceOf(name + QLatin1Char(' '), plain);
    const qreal titleRoom = nameX - 6;
    // A long title goes on in rows of its own beside the blanks, never cut.
    const qreal extra = drawHeadingRows(pen, baseline, wrapped(pen, title, bold, titleRoom), bold);
    qreal x = nameX + pen.text(nameX, baseline, name + QLatin1Char(' '), plain, Qt::black);
    pen.rule(x, x + nameBlank, baseline + 0.5, Qt::black);
    x = dateX + pen.text(dateX, baseline, date + QLatin1Char(' '), plain, Qt::black);
    pen.rule(x, x + dateBlank, baseline + 0.5, Qt::black);
    pen.advance(kHeadingHeight + extra);
}

void drawKeyHeading(Pen& pen, const QString& title)
{
    const QString text
        = title.isEmpty() ? QStringLiteral("Soluzioni") : QStringLiteral("Soluzioni: %1").arg(title);
    const QFont bold = sheetFont(kHeadingPoints, true);
    pen.advance(kHeadingHeight + drawHeadingRows(pen, 8, wrapped(pen, text, bold, pen.width()), bold));
}

// The exercise's number and expression, which wraps under itself if it must.
void drawExpression(Pen& pen, int number, const FittedLine& expression)
{
    const qreal baseline = 9;
    pen.text(0, baseline, QStringLiteral("%1.").arg(number), sheetFont(kTextPoints), Qt::black);
    drawFitted(pen, kNumberWidth, baseline, expression);
}

Placement drawExercise(Pen& pen, int number, const Exercise& exercise, bool key)
{
    const qreal rowHeight = key ? kKeyLineHeight : kRuleGap;
    const int rows = exercise.stepCount();
    const qreal room = pen.width() - kNumberWidth;
    QList<FittedLine> lines;
    for (const Line& line : exercise.lines)
        lines.append(fit(pen, line, room));
    if (lines.isEmpty())
        lines.append(FittedLine{});
    qreal height = kExpressionHeight + lines.constFirst().extraHeight() + rows * rowHeight;
    if (key)
        for (int row = 1; row <= rows; ++row)
            height += lines.at(row).extraHeight();
    pen.makeRoom(height);
    Placement placed{pen.page(), pen.y(), 0, key};
    drawExpression(pen, number, lines.constFirst());
    if (key && !exercise.name.isEmpty()) {
        const QFont small = sheetFont(kNamePoints);
        const qreal x = pen.width() - pen.advanceOf(exercise.name, small);
        pen.text(x, 4, exercise.name, small, Qt::darkGray);
    }
    pen.advance(kExpressionHeight + lines.constFirst().extraHeight());
    for (int row = 1; row <= rows; ++row) {
        const qreal extra = key ? lines.at(row).extraHeight() : 0;
        pen.makeRoom(rowHeight + extra);  // only an exercise taller than a page gets here short of room
        if (key)
            drawFitted(pen, kNumberWidth, rowHeight - 2, lines.at(row));
        else
            pen.rule(kNumberWidth, pen.width(), rowHeight, kRuleColour);
        pen.advance(rowHeight + extra);
    }
    placed.bottom = pen.y();
    if (pen.page() != placed.page)
        placed.bottom = pen.height();
    pen.advance(kExerciseGap);
    return placed;
}

}  // namespace

Exercise fromDocument(const QString& name, const QTextDocument& document)
{
    Exercise exercise{name, {}, {}, {}};
    int number = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        ++number;
        Line line;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            Run run;
            run.text = fragment.text();
            if (format.hasProperty(QTextFormat::ForegroundBrush))
                run.colour = format.foreground().color();
            if (format.fontPointSize() > 0)
                run.points = format.fontPointSize();
            run.raiseTwips = effectiveRaise(format);
            line.append(run);
        }
        if (!plainText(line).trimmed().isEmpty()) {
            exercise.lines.append(line);
            exercise.lineNumbers.append(number);
        }
    }
    return exercise;
}

QString plainText(const Line& line)
{
    QString text;
    for (const Run& run : line)
        text += run.text;
    return text;
}

QList<Placement> render(QPagedPaintDevice& device, const Sheet& sheet)
{
    QList<Placement> placements;
    QPainter painter(&device);
    if (!painter.isActive())
        return placements;
    painter.setRenderHint(QPainter::Antialiasing);
    Pen pen(device, painter);

    drawHeading(pen, sheet.title);
    for (qsizetype i = 0; i < sheet.exercises.size(); ++i)
        placements.append(drawExercise(pen, int(i) + 1, sheet.exercises.at(i), false));

    if (sheet.withKey) {
        pen.newPage();
        drawKeyHeading(pen, sheet.title);
        for (qsizetype i = 0; i < sheet.exercises.size(); ++i)
            placements.append(drawExercise(pen, int(i) + 1, sheet.exercises.at(i), true));
    }
    return placements;
}

}  // namespace quintavia::worksheet
