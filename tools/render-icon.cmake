# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
add_executable(render-icon ${CMAKE_CURRENT_LIST_DIR}/render_icon.cpp)
target_link_libraries(render-icon PRIVATE Qt6::Gui Qt6::Svg)
