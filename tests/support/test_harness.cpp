#include "test_harness.h"

#include "editor/editor_window.h"
#include "shell/sound_switch.h"
#include "shell/start_window.h"
#include "solver/solver_window.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace quintavia::test {

ModalWatchdog::ModalWatchdog()
{
    m_timer.setInterval(50);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { check(); });
    m_timer.start();
}

void ModalWatchdog::check()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    seen.append(modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

Harness::Harness()
{
    muto().reset();
    registry.setFactory(WindowKind::Start, createStartWindow);
    registry.setFactory(WindowKind::Info, createInfoWindow);
    registry.setFactory(WindowKind::Solver, createSolverWindow);
    registry.setFactory(WindowKind::Editor, createEditorWindow);
    registry.setEndProgram([this] { ++endProgramCalls; });
}

Harness::~Harness()
{
    muto().reset();
}

void prepareTestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    muto().reset();
}

}  // namespace quintavia::test
