# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check's output and exit status, run with no display at all.
add_test(NAME document.quintavia_check
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DDATA=${CMAKE_CURRENT_SOURCE_DIR}/data/rtf -P ${CMAKE_CURRENT_LIST_DIR}/quintavia_check_test.cmake)
set_tests_properties(document.quintavia_check PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
