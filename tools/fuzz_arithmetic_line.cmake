# libFuzzer target for the arithmetic line reader (configure with clang and -DQUINTAVIA_FUZZ=ON).
if(QUINTAVIA_FUZZ)
  add_executable(fuzz_arithmetic_line ${CMAKE_CURRENT_LIST_DIR}/fuzz_arithmetic_line.cpp)
  target_link_libraries(fuzz_arithmetic_line PRIVATE quintavia_arithmetic)
  target_compile_options(fuzz_arithmetic_line PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_arithmetic_line PRIVATE -fsanitize=fuzzer)
endif()
