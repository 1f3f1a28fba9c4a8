# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check (TOOL) in WORK: every command lists a folder in the same order, and every command
# fails with exit 1 when its output cannot be written.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/esercizi/sub ${WORK}/esercizi/.nascosta)

# Each exercise slips on its second line, so that --verifica and --scheda name it.
foreach(name es10.rtf es2.rtf Es3.RTF sub/a.rtf .nascosto.rtf .nascosta/b.rtf)
  file(WRITE ${WORK}/esercizi/${name} "{\\rtf1\\ansi 2 + 3\\par = 6}")
endforeach()
file(WRITE ${WORK}/esercizi/note.txt "2 + 3 = 6\n")
# A link back to the folder itself is followed once: its files are not listed twice.
file(CREATE_LINK .. ${WORK}/esercizi/sub/giro SYMBOLIC)
set(expected "esercizi/es2.rtf;esercizi/Es3.RTF;esercizi/es10.rtf;esercizi/sub/a.rtf")

function(paths_in text pattern var)
  string(REGEX MATCHALL "${pattern}" found "${text}")
  list(TRANSFORM found REPLACE "${pattern}" "\\1")
  set(${var} "${found}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${TOOL} esercizi WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE out)
paths_in("${out}" "==> ([^<]*) <==" listed)
execute_process(COMMAND ${TOOL} --verifica esercizi WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE out)
paths_in("${out}" "([^\n]*):2: vale" verified)
execute_process(COMMAND ${TOOL} --scheda esercizi --pdf scheda.pdf WORKING_DIRECTORY ${WORK} ERROR_VARIABLE err)
paths_in("${err}" "([^\n]*):2: avviso" sheet)
foreach(command listed verified sheet)
  if(NOT "${${command}}" STREQUAL "${expected}")
    message(FATAL_ERROR "${command}: [${${command}}]\nexpected [${expected}]")
  endif()
endforeach()

# Onto a full disk: exit 1 and the reason, for every command that prints.
foreach(arguments "esercizi/es2.rtf" "--valore;1 + 1" "--verifica;esercizi" "--passaggi;2 x (3 + 4)"
                  "--genera;2;--livello;1;--seme;1" "--diagnosi;3 + 6 x 2;= 3 + 12;= 18"
                  "--scheda;--help" "--help" "--version")
  execute_process(COMMAND ${TOOL} ${arguments} WORKING_DIRECTORY ${WORK} OUTPUT_FILE /dev/full
                  RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 1 OR NOT err MATCHES "quintavia-check: errore di scrittura: spazio esaurito sul disco\n$")
    message(FATAL_ERROR "quintavia-check ${arguments} > /dev/full: exit ${status}, stderr [${err}]")
  endif()
endforeach()
