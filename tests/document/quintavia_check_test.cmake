# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs quintavia-check (TOOL) on the fixtures in DATA and checks output and exit status.
include(${CMAKE_CURRENT_LIST_DIR}/../support/run_tool.cmake)

run_tool(0 "(3^2 + 4) · 2 - 5\n= (9 + 4) · 2 - 5\n= 13 · 2 - 5\n= 26 - 5\n= 21\n" "" ${DATA}/richedit.rtf)
run_tool(0 "A\nB\n\n" "" ${DATA}/empty_last_line.rtf)
run_tool(1 "==> ${DATA}/richedit_old.rtf <==\n5^3:5^2\n= 5^1\n= 5\n"
         "quintavia-check: ${DATA}/manca.rtf: Il file non esiste.\n"
         ${DATA}/richedit_old.rtf ${DATA}/manca.rtf)
run_tool(0 "==> ${DATA}/empty_last_line.rtf <==\nA\nB\n\n\n==> ${DATA}/richedit_old.rtf <==\n5^3:5^2\n= 5^1\n= 5\n" ""
         ${DATA}/empty_last_line.rtf ${DATA}/richedit_old.rtf)
run_tool(1 "" "quintavia-check: ${CMAKE_CURRENT_LIST_FILE}: Il file non è in formato RTF.\n"
         ${CMAKE_CURRENT_LIST_FILE})

execute_process(COMMAND ${TOOL} --help RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "^Uso: quintavia-check FILE")
  message(FATAL_ERROR "quintavia-check --help: exit ${status}\n${out}")
endif()
