// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_harness.h"

#include "editor/editor_window.h"
#include "solver/solver_window.h"
#include "start/start_window.h"

namespace quintavia::test {

Harness::Harness()
{
    registry.setFactory(WindowKind::Start, createStartWindow);
    registry.setFactory(WindowKind::Info, createInfoWindow);
    registry.setFactory(WindowKind::Solver, createSolverWindow);
    registry.setFactory(WindowKind::Editor, createEditorWindow);
}

}  // namespace quintavia::test
