# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Long sessions through the real windows: a thousand exercises solved, a thousand saves. Their
# files go under the build folder; label `soak` (`ctest -L soak`).
set(soak_tests solver_thousand editor_thousand)
foreach(short ${soak_tests})
  target_compile_definitions(tst_soak_${short} PRIVATE QUINTAVIA_SOAK_DIR="${CMAKE_CURRENT_BINARY_DIR}/soak")
  if(QUINTAVIA_SANITIZE)
    # Memory figures mean nothing under the sanitizers' quarantine; the bound is skipped there.
    target_compile_definitions(tst_soak_${short} PRIVATE QUINTAVIA_SANITIZE_BUILD)
    set_tests_properties(soak.${short} PROPERTIES LABELS soak TIMEOUT 900)
  else()
    set_tests_properties(soak.${short} PROPERTIES LABELS soak TIMEOUT 300)
  endif()
endforeach()
