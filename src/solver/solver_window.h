#pragma once
class QWidget;
namespace quintavia {
class WindowRegistry;
// Creates the solver window.
QWidget* createSolverWindow(WindowRegistry& registry);
}  // namespace quintavia
