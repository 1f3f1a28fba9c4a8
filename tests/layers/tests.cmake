# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/check-layers itself: a link and an include planted against the README's drawing, in a copy.
add_test(NAME layers.planted
         COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/layers-planted
                 -P ${CMAKE_CURRENT_LIST_DIR}/planted_test.cmake)
