// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_registry.h"

#include <QCoreApplication>

#include <utility>

namespace quintavia {

WindowRegistry::WindowRegistry(SoundPlayer& sound, Dialogs& dialogs)
    : m_sound(sound), m_dialogs(dialogs), m_endProgram([] { QCoreApplication::exit(0); })
{
}

WindowRegistry::~WindowRegistry()
{
    // Taken out first: a window's destructor may unload it again.
    const auto windows = std::exchange(m_windows, {});
    for (const auto& [kind, window] : windows)
        delete window.data();
}

void WindowRegistry::setFactory(WindowKind kind, Factory factory)
{
    m_factories[kind] = std::move(factory);
}

QWidget* WindowRegistry::load(WindowKind kind)
{
    QPointer<QWidget>& slot = m_windows[kind];
    if (!slot) {
        const auto factory = m_factories.find(kind);
        if (factory != m_factories.end() && factory->second)
            slot = factory->second(*this);
    }
    return slot.data();
}

QWidget* WindowRegistry::find(WindowKind kind) const
{
    const auto window = m_windows.find(kind);
    return window == m_windows.end() ? nullptr : window->second.data();
}

void WindowRegistry::unload(WindowKind kind)
{
    QPointer<QWidget> window = find(kind);
    m_windows.erase(kind);  // forgotten first, so re-entrant calls find nothing
    if (!window)
        return;
    window->hide();
    // The caller is usually one of the window's own handlers: destroy it once that has returned.
    if (window)
        window->deleteLater();
}

bool WindowRegistry::isProgramWindow(const QWidget* window) const
{
    if (!window)
        return false;
    for (const auto& [kind, w] : m_windows)
        if (w.data() == window)
            return true;
    return false;
}

void WindowRegistry::endProgram()
{
    if (m_endProgram)
        m_endProgram();
}

}  // namespace quintavia
