# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end tests on a real X11 desktop: Xvfb, openbox and xdotool drive the real program.
file(GLOB e2e_scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/e2e_*.sh)
foreach(script ${e2e_scripts})
  get_filename_component(name ${script} NAME_WE)
  string(REPLACE "e2e_" "" short ${name})
  add_test(NAME e2e.${short} COMMAND bash ${script})
  set_tests_properties(e2e.${short} PROPERTIES
    TIMEOUT 240
    RUN_SERIAL ON
    LABELS e2e
    ENVIRONMENT "QUINTAVIA=$<TARGET_FILE:quintavia>;QUINTAVIA_CHECK=$<TARGET_FILE:quintavia-check>;SHOTS=${CMAKE_BINARY_DIR}/screenshots;BUILD_DIR=${CMAKE_BINARY_DIR}")
endforeach()
