# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check: prints exercise documents' lines as the solver reads them (no display needed).
add_executable(quintavia-check ${CMAKE_CURRENT_LIST_DIR}/quintavia_check.cpp)
target_link_libraries(quintavia-check PRIVATE quintavia_document)
