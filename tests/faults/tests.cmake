# Saving under faults: a preloaded library makes chosen file calls fail (tests/faults/fault_shim.c).
# Plain C without the sanitizers, so that it can sit in front of any build of the program.
enable_language(C)
add_library(fault_shim SHARED ${CMAKE_CURRENT_LIST_DIR}/fault_shim.c)
set_target_properties(fault_shim PROPERTIES AUTOMOC OFF AUTORCC OFF COMPILE_OPTIONS "-Wall;-Wextra"
                      LINK_OPTIONS "" C_STANDARD 11)
target_link_libraries(fault_shim PRIVATE ${CMAKE_DL_LIBS})

# ASan wants to come first among the libraries; the shim must, to see the calls.
set(fault_env "LD_PRELOAD=$<TARGET_FILE:fault_shim>;ASAN_OPTIONS=verify_asan_link_order=0")
add_dependencies(tst_faults_save_faults fault_shim)
set_tests_properties(faults.save_faults PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false;${fault_env}")

# The kill test's child: saves a large exercise over and over until killed.
add_executable(save_loop ${CMAKE_CURRENT_LIST_DIR}/save_loop.cpp)
target_link_libraries(save_loop PRIVATE quintavia_document)
add_dependencies(tst_faults_kill_during_save save_loop)
target_compile_definitions(tst_faults_kill_during_save PRIVATE SAVE_LOOP="$<TARGET_FILE:save_loop>")
set_tests_properties(faults.kill_during_save PROPERTIES TIMEOUT 300)

# quintavia-check under the same faults (tests/faults/check_faults_test.cmake).
add_test(NAME faults.quintavia_check
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check> -DSHIM=$<TARGET_FILE:fault_shim>
                 -DDATA=${CMAKE_CURRENT_LIST_DIR}/../data/rtf -DWORK=${CMAKE_CURRENT_BINARY_DIR}/faults-check
                 -P ${CMAKE_CURRENT_LIST_DIR}/check_faults_test.cmake)
set_tests_properties(faults.quintavia_check PROPERTIES TIMEOUT 60)
