# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program (PROGRAM) does not ask the dynamic loader for Qt SQL at start-up; the record's module
# (MODULE), which it loads at the first answer, does. READELF lists what each needs.
function(needed file)
  execute_process(COMMAND ${READELF} -d ${file} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out MATCHES "NEEDED")
    message(FATAL_ERROR "${READELF} -d ${file}: exit ${status}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()
needed(${PROGRAM})
if(out MATCHES "libQt6Sql")
  message(FATAL_ERROR "${PROGRAM} links Qt SQL:\n${out}")
endif()
needed(${MODULE})
if(NOT out MATCHES "libQt6Sql")
  message(FATAL_ERROR "${MODULE} does not link Qt SQL:\n${out}")
endif()
