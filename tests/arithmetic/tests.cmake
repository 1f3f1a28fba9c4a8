# quintavia-check --valore, --verifica and --passaggi, on exercise files the test writes itself.
add_test(NAME arithmetic.check_commands
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/check_commands -P ${CMAKE_CURRENT_LIST_DIR}/check_commands_test.cmake)
set_tests_properties(arithmetic.check_commands PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")

# The kept fuzz corpora through the fuzz targets' own checks, in the ordinary build.
foreach(target arithmetic_line step_generator)
  add_executable(${target}_replay ${PROJECT_SOURCE_DIR}/tests/document/rtf_corpus_replay.cpp
                 ${PROJECT_SOURCE_DIR}/tools/fuzz_${target}.cpp)
  target_include_directories(${target}_replay PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(${target}_replay PRIVATE quintavia_arithmetic Qt6::Core)
  add_test(NAME arithmetic.${target}_corpus
           COMMAND ${target}_replay ${CMAKE_CURRENT_SOURCE_DIR}/data/${target}-corpus)
  set_tests_properties(arithmetic.${target}_corpus PROPERTIES TIMEOUT 300)
endforeach()
