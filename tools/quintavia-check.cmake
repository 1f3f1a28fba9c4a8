# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check: prints exercise documents' lines as the solver reads them (no display needed),
# checks their arithmetic, writes solution chains and prints worksheets.
add_executable(quintavia-check ${CMAKE_CURRENT_LIST_DIR}/quintavia_check.cpp
               ${CMAKE_CURRENT_LIST_DIR}/check_commands.cpp ${CMAKE_CURRENT_LIST_DIR}/check_commands.h
               ${CMAKE_CURRENT_LIST_DIR}/worksheet_command.cpp ${CMAKE_CURRENT_LIST_DIR}/worksheet_command.h
               ${CMAKE_CURRENT_LIST_DIR}/generate_command.cpp ${CMAKE_CURRENT_LIST_DIR}/generate_command.h)
target_link_libraries(quintavia-check PRIVATE quintavia_document quintavia_exercise quintavia_worksheet
                      quintavia_curriculum)
