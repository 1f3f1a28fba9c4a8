// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/info_window.h"

#include "shell/sound_player.h"
#include "shell/window_registry.h"
#include "shell/window_setup.h"
#include "start/start_window.h"
#include "ui/info_layout.h"
#include "ui/window_builder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QWindow>

namespace quintavia {

InfoWindow::InfoWindow(WindowRegistry& registry) : m_registry(registry)
{
    prepareWindow(this);
    const ui::InfoControls controls = ui::buildInfoWindow(this);
    connect(controls.ok, &QAbstractButton::clicked, this, &InfoWindow::dismiss);
    ui::centreOn(this, m_registry.find(WindowKind::Start));
    // Deactivation alone misses a return from another application straight to one of our
    // windows: the about window was no longer the active one, yet it is no longer ours either.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &InfoWindow::focusWindowChanged);
}

QStringList InfoWindow::lines()
{
    return {
        QString(),
        QStringLiteral("   Buon lavoro da:"),
        QStringLiteral("   Il progetto Quintavia"),
        QStringLiteral("   https://quintavia.example.org"),
        QStringLiteral("   e-mail: info@quintavia.example.org"),
    };
}

void InfoWindow::dismiss()
{
    if (m_leaving)
        return;
    m_leaving = true;
    m_registry.sound().play(Sound::Tick);
    hide();
    m_registry.unload(WindowKind::Info);
    // Hand the activation back to the start window rather than leave the program with none.
    QWidget* start = m_registry.find(WindowKind::Start);
    QWidget* active = QApplication::activeWindow();
    if (start && start->isVisible() && (!active || active == this))
        start->activateWindow();
}

bool InfoWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate && !m_leaving && isVisible()) {
        QWidget* now = QApplication::activeWindow();
        // Another application taking over leaves the window open.
        if (now && now != this && m_registry.isProgramWindow(now))
            dismiss();
    }
    return QWidget::event(event);
}

void InfoWindow::focusWindowChanged(QWindow* focused)
{
    if (!focused || m_leaving || !isVisible() || focused == windowHandle())
        return;
    for (WindowKind kind : {WindowKind::Start, WindowKind::Solver, WindowKind::Editor}) {
        const QWidget* w = m_registry.find(kind);
        if (w && w->windowHandle() == focused) {
            dismiss();
            return;
        }
    }
}

void InfoWindow::paintEvent(QPaintEvent*)
{
    // Like printing on the form: each line at the current height, from the left edge.
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(ui::kInfoTextColour.toColor());
    const QFontMetrics metrics(font());
    int y = 0;
    for (const QString& line : lines()) {
        painter.drawText(0, y + metrics.ascent(), line);
        y += metrics.lineSpacing();
    }
}

QWidget* createInfoWindow(WindowRegistry& registry)
{
    return new InfoWindow(registry);
}

}  // namespace quintavia
