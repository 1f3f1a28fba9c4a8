# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A second program that writes a record, for the record's tests of two writers and of a kill.
add_executable(record-writer ${CMAKE_CURRENT_LIST_DIR}/record_writer.cpp)
target_link_libraries(record-writer PRIVATE quintavia_record quintavia_database)
add_dependencies(tst_record_record record-writer)
target_compile_definitions(tst_record_record PRIVATE RECORD_WRITER="$<TARGET_FILE:record-writer>")
# quintavia-check --registro on records that record-writer makes.
find_program(PDFTOTEXT pdftotext)
quintavia_check_test(report_command -DWRITER=$<TARGET_FILE:record-writer> -DPDFTOTEXT=${PDFTOTEXT})
# 30 pupils at once with --risolvi into one class folder, then the report.
add_test(NAME record.class_play
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/class_play_test.sh $<TARGET_FILE:quintavia-check>
                 ${CMAKE_CURRENT_BINARY_DIR}/record-class_play)
set_tests_properties(record.class_play PROPERTIES TIMEOUT 120
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
# Qt SQL comes with the record's module, not with the program.
find_program(READELF readelf REQUIRED)
add_test(NAME record.sql_not_at_start
         COMMAND ${CMAKE_COMMAND} -DREADELF=${READELF} -DPROGRAM=$<TARGET_FILE:quintavia>
                 -DMODULE=$<TARGET_FILE:quintavia-record> -P ${CMAKE_CURRENT_LIST_DIR}/sql_not_at_start_test.cmake)
