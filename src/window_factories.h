// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows, one factory each: the program and the test harness register the same.
#include "editor/editor_window.h"
#include "shell/window_registry.h"
#include "solver/solver_window.h"
#include "start/start_window.h"

namespace quintavia {

inline void registerWindowFactories(WindowRegistry& registry)
{
    registry.setFactory(WindowKind::Start, createStartWindow);
    registry.setFactory(WindowKind::Info, createInfoWindow);
    registry.setFactory(WindowKind::Solver, createSolverWindow);
    registry.setFactory(WindowKind::Editor, createEditorWindow);
}

}  // namespace quintavia
