# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer target for the diagnosis of a wrong step (configure with clang and -DQUINTAVIA_FUZZ=ON).
if(QUINTAVIA_FUZZ)
  add_executable(fuzz_diagnosis ${CMAKE_CURRENT_LIST_DIR}/fuzz_diagnosis.cpp)
  target_include_directories(fuzz_diagnosis PRIVATE ${PROJECT_SOURCE_DIR}/tests/arithmetic)
  target_link_libraries(fuzz_diagnosis PRIVATE quintavia_diagnosis)
  target_compile_options(fuzz_diagnosis PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_diagnosis PRIVATE -fsanitize=fuzzer)
endif()
