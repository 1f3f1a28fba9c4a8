#include "solver/solver_window.h"

#include "shell/window_setup.h"

#include <QWidget>

namespace quintavia {

QWidget* createSolverWindow(WindowRegistry&)
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("frmQuintavia"));
    window->setWindowTitle(QStringLiteral("Risoluzione"));
    prepareWindow(window);
    return window;
}

}  // namespace quintavia
