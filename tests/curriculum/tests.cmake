# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --genera, on files the test writes itself.
add_test(NAME curriculum.generate_command
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/generate_command -P ${CMAKE_CURRENT_LIST_DIR}/generate_command_test.cmake)
set_tests_properties(curriculum.generate_command PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")

# The shipped collection: its script remakes it byte for byte, and every exercise verifies.
add_test(NAME curriculum.collection
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check> -DSOURCE=${PROJECT_SOURCE_DIR}
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/collection -P ${CMAKE_CURRENT_LIST_DIR}/collection_test.cmake)
set_tests_properties(curriculum.collection PROPERTIES TIMEOUT 120
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
