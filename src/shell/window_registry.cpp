#include "shell/window_registry.h"

#include <QCoreApplication>

namespace quintavia {

WindowRegistry::WindowRegistry(SoundPlayer& sound, Dialogs& dialogs)
    : m_sound(sound), m_dialogs(dialogs), m_endProgram([] { QCoreApplication::exit(0); })
{
}

WindowRegistry::~WindowRegistry()
{
    for (auto& window : m_windows)
        delete window.data();
}

void WindowRegistry::setFactory(WindowKind kind, Factory factory)
{
    m_factories[index(kind)] = std::move(factory);
}

QWidget* WindowRegistry::load(WindowKind kind)
{
    auto& slot = m_windows[index(kind)];
    if (!slot && m_factories[index(kind)])
        slot = m_factories[index(kind)](*this);
    return slot.data();
}

QWidget* WindowRegistry::find(WindowKind kind) const
{
    return m_windows[index(kind)].data();
}

void WindowRegistry::unload(WindowKind kind)
{
    QPointer<QWidget> window = m_windows[index(kind)];
    m_windows[index(kind)] = nullptr;  // forgotten first, so re-entrant calls find nothing
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
    for (const auto& w : m_windows)
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
