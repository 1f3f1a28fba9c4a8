# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer target for the exercise generator (configure with clang and -DQUINTAVIA_FUZZ=ON).
if(QUINTAVIA_FUZZ)
  add_executable(fuzz_exercise_generator ${CMAKE_CURRENT_LIST_DIR}/fuzz_exercise_generator.cpp)
  target_link_libraries(fuzz_exercise_generator PRIVATE quintavia_curriculum)
  target_compile_options(fuzz_exercise_generator PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_exercise_generator PRIVATE -fsanitize=fuzzer)
endif()
