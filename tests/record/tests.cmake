# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A second program that writes a record, for the record's tests of two writers and of a kill.
add_executable(record-writer ${CMAKE_CURRENT_LIST_DIR}/record_writer.cpp)
target_link_libraries(record-writer PRIVATE quintavia_record)
add_dependencies(tst_record_record record-writer)
target_compile_definitions(tst_record_record PRIVATE RECORD_WRITER="$<TARGET_FILE:record-writer>")
# quintavia-check --registro on records that record-writer makes.
find_program(PDFTOTEXT pdftotext)
quintavia_check_test(report_command -DWRITER=$<TARGET_FILE:record-writer> -DPDFTOTEXT=${PDFTOTEXT})
