// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>

namespace quintavia::ui {

// The controls that buildWindow made, by objectName.
class Controls {
public:
    QWidget* widget(const QString& name) const { return m_byName.value(name); }
    template <typename T> T* get(const QString& name) const { return qobject_cast<T*>(widget(name)); }
    // Sets a window's typed member to its control `name`; a layout without it is a mistake.
    template <typename T> void take(const char* name, T*& control) const
    {
        control = get<T>(QString::fromUtf8(name));
        Q_ASSERT_X(control, "ui::Controls::take", name);
    }
    void add(const QString& name, QWidget* w) { m_byName.insert(name, w); }
    const QHash<QString, QWidget*>& all() const { return m_byName; }

private:
    QHash<QString, QWidget*> m_byName;
};

// Makes a rich-text box for a control of kind RichTextBox (the window decides the class).
using RichTextFactory = std::function<QWidget*(const ControlSpec& control, QWidget* parent)>;

// Sets the window's name, caption, fixed client size, background, icon and font, then creates every
// control of `layout` with its geometry, colours, font, picture and tab order.
Controls buildWindow(QWidget* window, const WindowSpec& layout, const RichTextFactory& makeRichText = {});

// Centres `window`'s frame on `owner`'s (or on the screen when there is no owner).
void centreOn(QWidget* window, const QWidget* owner);
// Where a frame with `frame` margins around a client area of `clientSize` has its top-left corner
// when it is centred on `area`.
QPoint centredFramePosition(const QRect& area, const QSize& clientSize, const QMargins& frame);

}  // namespace quintavia::ui
