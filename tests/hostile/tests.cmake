# Hostile sizes: the files are written under the build folder by a fixture, then read by
# quintavia-check and by the load path of the windows.
if(QUINTAVIA_SANITIZE)
  set(hostile_slowdown 5)
else()
  set(hostile_slowdown 1)
endif()
set(hostile_dir ${CMAKE_CURRENT_BINARY_DIR}/hostile)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME hostile.make_files
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/make_hostile_files.py ${hostile_dir})
set_tests_properties(hostile.make_files PROPERTIES FIXTURES_SETUP hostile_files TIMEOUT 120)

add_test(NAME hostile.quintavia_check
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_sizes.sh $<TARGET_FILE:quintavia-check> ${hostile_dir}
                 ${hostile_slowdown})
set_tests_properties(hostile.quintavia_check PROPERTIES FIXTURES_REQUIRED hostile_files TIMEOUT 120
                     RUN_SERIAL ON)

target_compile_definitions(tst_hostile_hostile_files PRIVATE HOSTILE_DIR="${hostile_dir}"
                           QUINTAVIA_SLOWDOWN=${hostile_slowdown})
set_tests_properties(hostile.hostile_files PROPERTIES FIXTURES_REQUIRED hostile_files RUN_SERIAL ON)
