// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading back a printed sheet with poppler's command-line tools.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace quintavia::test {

// A folder under the build tree for the PDFs the tests write.
inline QString outputDir()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/worksheet-out");
    QDir().mkpath(path);
    return path;
}

// The text of `pdf` (one page, or all when `page` is 0), without any white space: pdftotext puts
// spaces and line ends where the layout suggests them (a raised run starts a line of its own).
inline QString pdfText(const QString& pdf, int page = 0)
{
    QStringList arguments{QStringLiteral("-raw")};  // in the order the sheet draws it
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << pdf << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput())
        .remove(QRegularExpression(QStringLiteral("\\s")));
}

// How far right any word of `pdf` reaches, in points from the page's left edge, and the page's width.
struct RightEdge {
    double rightmost = 0;
    double pageWidth = 0;
};
inline RightEdge rightEdge(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    RightEdge edge;
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\""));
    static const QRegularExpression word(QStringLiteral("xMax=\"([0-9.]+)\""));
    if (const auto m = page.match(html); m.hasMatch())
        edge.pageWidth = m.captured(1).toDouble();
    for (auto it = word.globalMatch(html); it.hasNext();)
        edge.rightmost = qMax(edge.rightmost, it.next().captured(1).toDouble());
    return edge;
}

inline QString squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Finds each of `parts` in `text`, each after the one before; returns the first one missing.
inline QString firstMissingInOrder(const QString& text, const QStringList& parts)
{
    qsizetype from = 0;
    for (const QString& part : parts) {
        const qsizetype at = text.indexOf(squeezed(part), from);
        if (at < 0)
            return part;
        from = at + squeezed(part).size();
    }
    return {};
}

}  // namespace quintavia::test
