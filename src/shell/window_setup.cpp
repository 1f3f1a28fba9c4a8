// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_setup.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace quintavia {

namespace {

// Refuses close requests that come from outside the program (the window manager's close box,
// Alt+F4). The program's own close() calls are not spontaneous and go through.
class CloseGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && event->spontaneous()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

constexpr const char* kGuardName = "quintavia_close_guard";
constexpr const char* kPreparedProperty = "quintavia_prepared";

// Enter and the keypad's Enter press the focused button of a program window, as Space does, by
// clicking it (so it plays its sound); a check box such as the sound switch is toggled. Keys that
// are not buttons, such as the answer box's Enter, are left alone; so are the platform's own dialogs.
class EnterPressesButtons final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->isEnabled()
            || !button->window()->property(kPreparedProperty).toBool())
            return false;
        if (!key->isAutoRepeat())  // one press, one click, as with Space
            button->click();
        return true;
    }
};

void letEnterPressButtons()
{
    static QPointer<QObject> filter;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new EnterPressesButtons(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

void setFlagsKeepingVisibility(QWidget* window, Qt::WindowFlags flags)
{
    if (window->windowFlags() == flags)
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlags(flags);  // hides a visible window
    if (wasVisible) {
        const bool noActivate = window->testAttribute(Qt::WA_ShowWithoutActivating);
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
    }
}

}  // namespace

void inPrimoPiano(QWidget* window)
{
    if (!window)
        return;
    setFlagsKeepingVisibility(window, window->windowFlags() | Qt::WindowStaysOnTopHint);
}

bool removeCloseCommand(QWidget* window)
{
    if (!window || !window->isWindow())
        return false;
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags &= ~(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setFlagsKeepingVisibility(window, flags);
    if (!window->findChild<CloseGuard*>(QLatin1String(kGuardName), Qt::FindDirectChildrenOnly)) {
        auto* guard = new CloseGuard(window);
        guard->setObjectName(QLatin1String(kGuardName));
        window->installEventFilter(guard);
    }
    return true;
}

bool closeCommandRemoved(const QWidget* window)
{
    return window && window->findChild<CloseGuard*>(QLatin1String(kGuardName), Qt::FindDirectChildrenOnly);
}

void prepareWindow(QWidget* window)
{
    removeCloseCommand(window);
    inPrimoPiano(window);
    if (window) {
        window->setProperty(kPreparedProperty, true);
        letEnterPressButtons();
    }
}

}  // namespace quintavia
