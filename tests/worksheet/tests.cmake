# quintavia-check --scheda: the PDF's text, overwriting and unreadable files, with no display at all.
add_test(NAME worksheet.quintavia_check_sheet
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DDATA=${CMAKE_CURRENT_SOURCE_DIR}/data/rtf -DWORK=${CMAKE_CURRENT_BINARY_DIR}/worksheet-cli
                 -P ${CMAKE_CURRENT_LIST_DIR}/quintavia_check_sheet_test.cmake)
set_tests_properties(worksheet.quintavia_check_sheet PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
