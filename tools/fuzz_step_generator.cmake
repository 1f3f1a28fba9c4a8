# libFuzzer target for the step generator (configure with clang and -DQUINTAVIA_FUZZ=ON).
if(QUINTAVIA_FUZZ)
  add_executable(fuzz_step_generator ${CMAKE_CURRENT_LIST_DIR}/fuzz_step_generator.cpp)
  target_include_directories(fuzz_step_generator PRIVATE ${PROJECT_SOURCE_DIR}/tests/arithmetic)
  target_link_libraries(fuzz_step_generator PRIVATE quintavia_arithmetic)
  target_compile_options(fuzz_step_generator PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_step_generator PRIVATE -fsanitize=fuzzer)
endif()
