# libFuzzer target for a save and a reopen (configure with clang and -DQUINTAVIA_FUZZ=ON).
if(QUINTAVIA_FUZZ)
  add_executable(fuzz_rtf_round_trip ${CMAKE_CURRENT_LIST_DIR}/fuzz_rtf_round_trip.cpp)
  target_link_libraries(fuzz_rtf_round_trip PRIVATE quintavia_document)
  target_compile_options(fuzz_rtf_round_trip PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_rtf_round_trip PRIVATE -fsanitize=fuzzer)
endif()
