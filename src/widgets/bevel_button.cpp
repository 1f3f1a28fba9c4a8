// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bevel_button.h"

#include <QPainter>
#include <QStyleOptionToolButton>

namespace quintavia {

BevelButton::BevelButton(const QColor& face, const QColor& text, QWidget* parent)
    : QToolButton(parent), m_face(face), m_text(text)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelButton::setFace(const QColor& face)
{
    if (face == m_face)
        return;
    m_face = face;
    update();
}

void BevelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), m_face);
    if (hasFocus()) {
        QPen dashes(Qt::black, 2, Qt::DashLine);
        dashes.setJoinStyle(Qt::MiterJoin);
        painter.setPen(dashes);
        painter.drawRect(QRectF(1, 1, w - 2, h - 2));
    } else {
        // Mitred edges: light above and to the left, dark below and to the right, swapped when
        // the button is down.
        const bool sunken = isDown() || isChecked();
        const QColor light = m_face.lighter(150);
        const QColor dark = m_face.darker(170);
        const QColor upper = sunken ? dark : light;
        const QColor lower = sunken ? light : dark;
        painter.setPen(Qt::NoPen);
        painter.setBrush(upper);
        painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(w, 0), QPoint(w - 2, 2), QPoint(2, 2)}));
        painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(2, 2), QPoint(2, h - 2), QPoint(0, h)}));
        painter.setBrush(lower);
        painter.drawPolygon(QPolygon({QPoint(0, h), QPoint(2, h - 2), QPoint(w - 2, h - 2), QPoint(w, h)}));
        painter.drawPolygon(QPolygon({QPoint(w, 0), QPoint(w, h), QPoint(w - 2, h - 2), QPoint(w - 2, 2)}));
    }
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.rect = rect().adjusted(2, 2, -2, -2);
    option.palette.setColor(QPalette::ButtonText, isEnabled() ? m_text : QColor(0x80, 0x80, 0x80));
    style()->drawControl(QStyle::CE_ToolButtonLabel, &option, &painter, this);
}

}  // namespace quintavia
