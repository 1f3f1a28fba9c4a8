# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# run_tool(STATUS STDOUT STDERR ARGUMENTS...): runs quintavia-check (TOOL), in WORK when it is set,
# and fails unless its exit status and both outputs are exactly these.
function(run_tool expected_status expected_out expected_err)
  set(directory ${CMAKE_CURRENT_BINARY_DIR})
  if(DEFINED WORK)
    set(directory ${WORK})
  endif()
  file(MAKE_DIRECTORY ${directory})
  execute_process(COMMAND ${TOOL} ${ARGN} WORKING_DIRECTORY ${directory}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "quintavia-check ${ARGN}: exit ${status}, expected ${expected_status}\n${out}\n${err}")
  endif()
  if(NOT out STREQUAL expected_out)
    message(FATAL_ERROR "quintavia-check ${ARGN}: stdout\n[${out}]\nexpected\n[${expected_out}]")
  endif()
  if(NOT err STREQUAL expected_err)
    message(FATAL_ERROR "quintavia-check ${ARGN}: stderr\n[${err}]\nexpected\n[${expected_err}]")
  endif()
endfunction()
