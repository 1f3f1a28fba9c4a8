// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>
#include <QWidget>

class QWindow;

namespace quintavia {

class WindowRegistry;

// The about window: who made the program, drawn on its surface, and an OK button. It closes
// itself on OK or as soon as another window of the program becomes active.
class InfoWindow final : public QWidget {
    Q_OBJECT

public:
    explicit InfoWindow(WindowRegistry& registry);

    // The lines drawn from the top-left corner, one under the other.
    static QStringList lines();

    // Sound 107, hide, destroy. Runs once, however many ways of leaving fire together.
    void dismiss();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void focusWindowChanged(QWindow* focused);

    WindowRegistry& m_registry;
    bool m_leaving = false;
};

}  // namespace quintavia
