#pragma once
class QWidget;
namespace quintavia {
class WindowRegistry;
// Creates the editor window.
QWidget* createEditorWindow(WindowRegistry& registry);
}  // namespace quintavia
