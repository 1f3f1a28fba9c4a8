# quintavia-check: prints exercise documents' lines as the solver reads them (no display needed).
add_executable(quintavia-check ${CMAKE_CURRENT_LIST_DIR}/quintavia_check.cpp
               ${CMAKE_CURRENT_LIST_DIR}/worksheet_command.cpp)
target_link_libraries(quintavia-check PRIVATE quintavia_document quintavia_worksheet)
