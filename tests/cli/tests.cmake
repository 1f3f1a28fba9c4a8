# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What every command of quintavia-check shares: the order of a folder, and a full disk.
add_test(NAME cli.shared_behaviour
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/cli -P ${CMAKE_CURRENT_LIST_DIR}/shared_behaviour_test.cmake)
set_tests_properties(cli.shared_behaviour PROPERTIES TIMEOUT 120
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")

add_test(NAME cli.diagnosis_command
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check> -P ${CMAKE_CURRENT_LIST_DIR}/diagnosis_command_test.cmake)
