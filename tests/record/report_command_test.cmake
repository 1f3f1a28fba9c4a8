# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --registro (TOOL) on a class folder written by record-writer (WRITER) in WORK:
# the text, the CSV's rows, --forza, a file that is no record, and the PDF's text.
function(run_report expected_status)
  execute_process(COMMAND ${TOOL} --registro ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "--registro ${ARGN}: exit ${status}, expected ${expected_status}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()
function(expect text regex)
  if(NOT "${text}" MATCHES "${regex}")
    message(FATAL_ERROR "expected «${regex}» in\n${text}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/classe)
foreach(pupil_answers "Anna Rossi;3" "Luca;0" "Zoë;5" "Anna Rossi;1")
  list(GET pupil_answers 0 pupil)
  list(GET pupil_answers 1 answers)
  execute_process(COMMAND ${WRITER} ${WORK}/classe ${pupil} ${answers} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "record-writer ${pupil}: exit ${status}")
  endif()
endforeach()

run_report(0 classe)
expect("${out}" "^Anna Rossi: 2 esercizi, 2 finiti, 4 errori, 0 aiuti, ultimo giorno [0-9/]+\n  errori per regola: calcolo 4\nLuca: 1 esercizio, 1 finito, 0 errori")
expect("${out}" "\nClasse: 3 alunni, 4 esercizi, 4 finiti, 9 errori, 0 aiuti\nRegole più sbagliate: calcolo 9\n")
expect("${out}" "Esercizi con più errori:\n  9 errori \\(3 alunni\\): 3 \\+ 6 x 2\n")

run_report(0 classe --csv classe.csv)
file(STRINGS ${WORK}/classe.csv rows ENCODING UTF-8)
list(LENGTH rows count)
list(GET rows 0 header)
list(GET rows 3 luca)
if(NOT count EQUAL 5
   OR NOT header MATCHES "alunno;data;esercizio;livello;tema;finito;errori;aiuti;secondi;parentesi;ordine;potenza;segno;frazione;calcolo;ricopiato;insieme;illeggibile;altro$"
   OR NOT luca MATCHES "^Luca;[0-9/]+ [0-9:]+;3 \\+ 6 x 2;1;;sì;0;0;[0-9]+;0;0;0;0;0;0;0;0;0;0$")
  message(FATAL_ERROR "classe.csv:\n${rows}")
endif()
run_report(1 classe --csv classe.csv)
expect("${err}" "classe.csv: il file esiste già; --forza lo sostituisce")
run_report(0 classe --csv classe.csv --forza)

file(WRITE ${WORK}/classe/rotto.registro "non sono un registro")
file(WRITE ${WORK}/classe/esercizio.rtf "{\\rtf1 3 + 4}")
run_report(1 classe --pdf classe.pdf)
expect("${err}" "^quintavia-check: classe/rotto.registro: il file non è un registro di Quintavia\n$")
if(PDFTOTEXT)
  execute_process(COMMAND ${PDFTOTEXT} ${WORK}/classe.pdf - OUTPUT_VARIABLE text)
  foreach(pupil "Anna Rossi" "Luca" "Zoë" "Registro: classe" "calcolo")
    expect("${text}" "${pupil}")
  endforeach()
endif()
run_report(1 classe/nessuno.registro)
expect("${err}" "nessuno.registro: il file non c'è")

# --prossimo reads the same records: Zoë's slips are sums, no theme; a hostile name is refused.
execute_process(COMMAND ${TOOL} --prossimo --classe classe --alunno zoë --seme 4 WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "^livello 1, tema nessuno\n[0-9(][^\n]+\n$")
  message(FATAL_ERROR "--prossimo: exit ${status}\n${out}\n${err}")
endif()
execute_process(COMMAND ${TOOL} --prossimo --classe classe --alunno ../x WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "«../x»: il nome comincia con una lettera o una cifra")
  message(FATAL_ERROR "--prossimo --alunno ../x: exit ${status}\n${err}")
endif()
