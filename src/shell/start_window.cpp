#include "shell/start_window.h"

#include "shell/window_registry.h"
#include "shell/window_setup.h"

#include <QWidget>

namespace quintavia {

QWidget* createStartWindow(WindowRegistry&)
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("frmStart"));
    window->setWindowTitle(QStringLiteral("Le Quintavia"));
    window->resize(634, 455);
    prepareWindow(window);
    return window;
}

QWidget* createInfoWindow(WindowRegistry&)
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("frmInfo"));
    window->setWindowTitle(QStringLiteral("Info"));
    prepareWindow(window);
    return window;
}

}  // namespace quintavia
