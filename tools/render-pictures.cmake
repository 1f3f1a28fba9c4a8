# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# render-pictures: draws every window picture at the size it is shown; src/pictures compiles them in.
add_executable(render-pictures ${CMAKE_CURRENT_LIST_DIR}/render_pictures.cpp)
target_link_libraries(render-pictures PRIVATE quintavia_ui)
