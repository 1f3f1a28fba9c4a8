// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

namespace quintavia {

class CommonDialog;
class Dialogs;
class SoundPlayer;

enum class WindowKind { Start, Solver, Editor, Info };

// The windows of the program, at most one of each, created on first use and destroyed when
// left. Every window receives this registry and reaches the others, the sound player and the
// dialogs only through it.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*(WindowRegistry&)>;

    WindowRegistry(SoundPlayer& sound, Dialogs& dialogs);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void setFactory(WindowKind kind, Factory factory);

    // The window of that kind, created (and so loaded) first if it does not exist.
    QWidget* load(WindowKind kind);
    // The window of that kind if it exists, else nullptr.
    QWidget* find(WindowKind kind) const;
    // Hides and destroys the window of that kind. Safe to call again: a second call does nothing
    // and never creates the window anew.
    void unload(WindowKind kind);
    // True if `window` is one of the program's windows.
    bool isProgramWindow(const QWidget* window) const;

    // Ends the program at once (no window's closing code runs).
    void endProgram();
    void setEndProgram(std::function<void()> end) { m_endProgram = std::move(end); }

    SoundPlayer& sound() { return m_sound; }
    Dialogs& dialogs() { return m_dialogs; }

private:
    // Keyed by kind, so a kind without a factory simply has no window: nothing to index wrongly.
    SoundPlayer& m_sound;
    Dialogs& m_dialogs;
    std::map<WindowKind, Factory> m_factories;
    std::map<WindowKind, QPointer<QWidget>> m_windows;
    std::function<void()> m_endProgram;
};

}  // namespace quintavia
