# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer target for the RTF reader (configure with clang and -DQUINTAVIA_FUZZ=ON).
if(QUINTAVIA_FUZZ)
  add_executable(fuzz_rtf_reader ${CMAKE_CURRENT_LIST_DIR}/fuzz_rtf_reader.cpp)
  target_link_libraries(fuzz_rtf_reader PRIVATE quintavia_document)
  target_compile_options(fuzz_rtf_reader PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_rtf_reader PRIVATE -fsanitize=fuzzer)
endif()
