// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QToolButton>

namespace quintavia {

// A button with a face of one colour and a two-pixel raised edge that sinks while it is pressed or
// checked; with the focus, a dashed black edge that can be seen on any face. Painted by hand: a
// style sheet per button cost more than anything else a window does before it shows.
class BevelButton final : public QToolButton {
    Q_OBJECT

public:
    BevelButton(const QColor& face, const QColor& text, QWidget* parent = nullptr);

    QColor face() const { return m_face; }
    void setFace(const QColor& face);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_face;
    QColor m_text;
};

}  // namespace quintavia
