# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --genera, on files the test writes itself.
add_test(NAME curriculum.generate_command
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/generate_command -P ${CMAKE_CURRENT_LIST_DIR}/generate_command_test.cmake)
set_tests_properties(curriculum.generate_command PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
