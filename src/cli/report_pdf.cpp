// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_pdf.h"

#include "document/char_format.h"
#include "worksheet/worksheet.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <numeric>

namespace quintavia::cli {

namespace {

namespace rc = quintavia::record;

constexpr qreal kBodyPoints = 11;
constexpr qreal kRow = 6.5;       // mm: a table's row
constexpr qreal kBar = 4.5;       // mm: a bar's thickness
constexpr qreal kBarGap = 1.8;    // mm between bars
constexpr qreal kLabelWidth = 32; // mm: the category's name before its bar
constexpr qreal kBarsWidth = 110; // mm: the longest bar
constexpr int kHardestShown = 5;

// A colour a category, the same on every chart.
const QColor kColours[rc::kCategories.size()] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
    QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
    QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf)};

// Paints in millimetres from the top left of the printable area, a line at a time, and turns pages.
class Page {
public:
    Page(QPdfWriter& writer, QPainter& painter)
        : m_writer(writer), m_painter(painter), m_unit(writer.logicalDpiY() / 25.4),
          m_width(writer.width() / m_unit), m_height(writer.height() / m_unit)
    {
    }

    qreal width() const { return m_width; }
    void newPage()
    {
        m_writer.newPage();
        m_y = 0;
    }
    // Turns the page unless `mm` still fit below.
    void makeRoom(qreal mm)
    {
        if (m_y + mm > m_height && m_y > 0)
            newPage();
    }
    void advance(qreal mm) { m_y += mm; }
    bool fits(qreal mm) const { return m_y + mm <= m_height; }

    // Text with its baseline `mm` below the current line's top.
    void text(qreal x, qreal baseline, const QString& text, const QFont& font, const QColor& colour = Qt::black)
    {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(QPointF(x * m_unit, (m_y + baseline) * m_unit), text);
    }
    qreal widthOf(const QString& text, const QFont& font) const
    {
        return QFontMetricsF(font, &m_writer).horizontalAdvance(text) / m_unit;
    }
    void box(qreal x, qreal top, qreal width, qreal height, const QColor& colour)
    {
        m_painter.fillRect(QRectF(x * m_unit, (m_y + top) * m_unit, width * m_unit, height * m_unit), colour);
    }
    void rule(qreal below)
    {
        m_painter.setPen(QPen(QColor(170, 170, 170), 0.2 * m_unit));
        m_painter.drawLine(QPointF(0, (m_y + below) * m_unit), QPointF(m_width * m_unit, (m_y + below) * m_unit));
    }

private:
    QPdfWriter& m_writer;
    QPainter& m_painter;
    qreal m_unit;
    qreal m_width;
    qreal m_height;
    qreal m_y = 0;
};

void heading(Page& page, const QString& text, qreal points)
{
    page.makeRoom(points * 0.9 + 20);
    page.text(0, points * 0.4, text, exerciseFont(points, true));
    page.advance(points * 0.4 + 4);
}

void line(Page& page, const QString& text)
{
    page.makeRoom(kRow);
    page.text(0, 4.5, text, exerciseFont(kBodyPoints));
    page.advance(kRow);
}

qreal chartHeight(const rc::CategoryCounts& counts)
{
    const auto bars = std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; });
    return qreal(std::max<qsizetype>(bars, 1)) * (kBar + kBarGap);
}

// One bar a category with errors, longest first, the count at its end.
void chart(Page& page, const rc::CategoryCounts& counts)
{
    const int most = *std::max_element(counts.begin(), counts.end());
    if (most == 0) {
        line(page, QStringLiteral("Nessun errore."));
        return;
    }
    std::vector<std::size_t> order(counts.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return counts[a] > counts[b]; });
    const QFont font = exerciseFont(kBodyPoints - 1);
    for (std::size_t i : order) {
        if (counts[i] == 0)
            break;
        page.makeRoom(kBar + kBarGap);
        page.text(0, kBar - 0.6, QLatin1String(rc::kCategories[i]), font);
        const qreal length = std::max<qreal>(0.8, kBarsWidth * counts[i] / most);
        page.box(kLabelWidth, 0, length, kBar, kColours[i]);
        page.text(kLabelWidth + length + 2, kBar - 0.6, QString::number(counts[i]), font);
        page.advance(kBar + kBarGap);
    }
}

QString day(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QStringLiteral("-");
}

// The table of pupils, its heading again on each new page.
void pupilTable(Page& page, const rc::ClassSummary& summary)
{
    const qreal columns[] = {0, 70, 92, 110, 127, 144};
    const QStringList titles{"Alunno", "Esercizi", "Finiti", "Errori", "Aiuti", "Ultimo giorno"};
    auto row = [&](const QStringList& cells, bool bold) {
        for (int i = 0; i < cells.size(); ++i)
            page.text(columns[i], 4.5, cells[i], exerciseFont(kBodyPoints, bold));
        page.rule(kRow - 0.8);
        page.advance(kRow);
    };
    page.makeRoom(2 * kRow);
    row(titles, true);
    for (const rc::PupilSummary& pupil : summary.pupils) {
        if (!page.fits(kRow)) {
            page.newPage();
            row(titles, true);
        }
        row({pupil.pupil, QString::number(pupil.worked), QString::number(pupil.finished), QString::number(pupil.errors),
             QString::number(pupil.helps), day(pupil.lastDay)},
            false);
    }
}

void classPage(Page& page, const QString& title, const rc::ClassSummary& summary)
{
    heading(page, QStringLiteral("Registro: %1").arg(title), 18);
    const rc::PupilSummary& all = summary.total;
    line(page, QStringLiteral("Stampato il %1. Alunni: %2; %3.")
                   .arg(day(QDate::currentDate()))
                   .arg(summary.pupils.size())
                   .arg(rc::figuresLine(all)));
    page.advance(4);
    heading(page, QStringLiteral("Errori della classe per regola"), 13);
    chart(page, all.byCategory);
    page.advance(4);
    if (!summary.hardest.empty()) {
        heading(page, QStringLiteral("Esercizi con più errori"), 13);
        for (std::size_t i = 0; i < summary.hardest.size() && i < kHardestShown; ++i)
            line(page, QStringLiteral("Errori: %1; alunni: %2. %3")
                           .arg(summary.hardest[i].errors)
                           .arg(summary.hardest[i].pupils)
                           .arg(summary.hardest[i].exercise));
        page.advance(4);
    }
    heading(page, QStringLiteral("Alunni"), 13);
    pupilTable(page, summary);
}

void pupilSection(Page& page, const rc::PupilSummary& pupil)
{
    // A pupil's section is never split across two pages.
    page.makeRoom(14 + kRow + chartHeight(pupil.byCategory) + 6);
    heading(page, pupil.pupil, 14);
    line(page, QStringLiteral("%1; ultimo giorno %2").arg(rc::figuresLine(pupil), day(pupil.lastDay)));
    chart(page, pupil.byCategory);
    page.advance(6);
}

}  // namespace

QString reportTitle(const QStringList& inputs)
{
    QStringList names;
    for (const QString& input : inputs) {
        const QFileInfo info(QDir::cleanPath(input));
        names << (info.isDir() ? QDir(info.absoluteFilePath()).dirName() : info.completeBaseName());
    }
    return names.join(QStringLiteral(", "));
}

QByteArray reportPdf(const QString& title, const rc::ClassSummary& summary)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        worksheet::setUpPage(writer);  // printed as the sheets are
        writer.setResolution(600);
        writer.setTitle(QStringLiteral("Registro: %1").arg(title));
        writer.setCreator(QStringLiteral("Quintavia"));
        QPainter painter(&writer);
        Page page(writer, painter);
        classPage(page, title, summary);
        page.newPage();
        heading(page, QStringLiteral("Ogni alunno"), 18);
        for (const rc::PupilSummary& pupil : summary.pupils)
            pupilSection(page, pupil);
    }
    return buffer.data();
}

}  // namespace quintavia::cli
