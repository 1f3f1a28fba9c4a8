# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# make-sounds: synthesises resources/sounds/101.wav ... 108.wav (plain C++, no Qt).
# Regenerate with: cmake --build <build> --target make-sounds && <build>/tools/make-sounds resources/sounds
add_executable(make-sounds ${CMAKE_CURRENT_LIST_DIR}/make_sounds.cpp)
set_target_properties(make-sounds PROPERTIES AUTOMOC OFF AUTORCC OFF)
