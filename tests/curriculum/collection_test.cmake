# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/make-collection (with TOOL) remakes SOURCE/esercizi in WORK byte for byte, and every
# exercise of it passes quintavia-check --verifica.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${SOURCE}/scripts/make-collection ${TOOL} ${WORK} RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-collection: exit ${status}\n${err}")
endif()
file(GLOB_RECURSE made RELATIVE ${WORK} ${WORK}/*)
file(GLOB_RECURSE kept RELATIVE ${SOURCE}/esercizi ${SOURCE}/esercizi/*)
list(SORT made)
list(SORT kept)
if(NOT made STREQUAL kept)
  message(FATAL_ERROR "the script makes [${made}]\nthe repository keeps [${kept}]")
endif()
foreach(name ${kept})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${SOURCE}/esercizi/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "esercizi/${name} differs from what scripts/make-collection makes")
  endif()
endforeach()
execute_process(COMMAND ${TOOL} --verifica ${SOURCE}/esercizi RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "120 esercizi: 120 giusti, 0 con errori\n$")
  message(FATAL_ERROR "--verifica esercizi: exit ${status}\n${out}")
endif()
