// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSyntaxHighlighter>

#include <functional>

namespace quintavia::widgets {

// Draws each line of a document smaller where it is wider than `room()` pixels, down to the
// smallest readable size (see line_fit.h), every run scaled alike. Only the drawing changes: the
// document keeps the sizes typed, so Undo, copies and the text read back never see the drawn ones.
class ShrinkToFit : public QSyntaxHighlighter {
public:
    ShrinkToFit(QTextDocument* document, std::function<double()> room);

protected:
    void highlightBlock(const QString& text) override;

private:
    std::function<double()> m_room;
};

}  // namespace quintavia::widgets
