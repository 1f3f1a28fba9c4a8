#include "editor/editor_window.h"

#include "shell/window_setup.h"

#include <QWidget>

namespace quintavia {

QWidget* createEditorWindow(WindowRegistry&)
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("frmEditor"));
    window->setWindowTitle(QStringLiteral("Editor"));
    prepareWindow(window);
    return window;
}

}  // namespace quintavia
