# quintavia-check --valore, --verifica and --passaggi, on exercise files the test writes itself.
add_test(NAME arithmetic.check_commands
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/check_commands -P ${CMAKE_CURRENT_LIST_DIR}/check_commands_test.cmake)
set_tests_properties(arithmetic.check_commands PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")

