# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --risolvi (TOOL) in WORK: whole paths through an exercise, one answer a line on
# standard input ("?" for help), one line out for each and the end message.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/primaria.rtf "{\\rtf1\\ansi 3 + 6 x 2\\par = 3 + 12\\par = 15}")
file(WRITE ${WORK}/seconda.rtf
     "{\\rtf1\\ansi (1/2 + 1/3) x 6/5 + 3/4 : 2/5\\par = 5/6 x 6/5 + 3/4 : 2/5\\par = 1 + 15/8\\par = 23/8}")
file(WRITE ${WORK}/relativi.rtf "{\\rtf1\\ansi 6 - (-14) + 18\\par = 6 + 14 + 18\\par = 38}")
file(WRITE ${WORK}/frazioni.rtf "{\\rtf1\\ansi 2/3 x 9/4 - 1/2\\par = 3/2 - 1/2\\par = 1}")
file(WRITE ${WORK}/terza.rtf
     "{\\rtf1\\ansi 10 - (4 - 7) + (-2) x (-3)\\par = 10 - (-3) + 6\\par = 10 + 3 + 6\\par = 19}")

# solve(FILE STATUS STDOUT ANSWERS...): the answers, one a line, and exactly this exit status and output.
function(solve file expected_status expected_out)
  list(JOIN ARGN "\n" answers)
  file(WRITE ${WORK}/answers.txt "${answers}\n")
  execute_process(COMMAND ${TOOL} --risolvi ${file} WORKING_DIRECTORY ${WORK} INPUT_FILE ${WORK}/answers.txt
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status OR NOT out STREQUAL expected_out)
    message(FATAL_ERROR "--risolvi ${file} with [${answers}]: exit ${status}, expected ${expected_status}\n"
                        "stdout [${out}]\nexpected [${expected_out}]\nstderr [${err}]")
  endif()
endfunction()

set(end "Hai finito con 0 errori e 0 aiuti \n")

# The teacher's own lines.
solve(primaria.rtf 0 "giusto\ngiusto\n${end}" "= 3 + 12" "= 15")
# Seconda media, the pupil's own way: the common denominator, the reciprocal, a fraction not
# reduced, the teacher's line with its terms swapped, a whole number as a fraction.
solve(seconda.rtf 0 "giusto\ngiusto\ngiusto\ngiusto: Ora riduci 30/30.\ngiusto\ngiusto\ngiusto\n${end}"
      "= (3 + 2)/6 x 6/5 + 3/4 : 2/5" "= 5/6 x 6/5 + 3/4 : 2/5" "= 5/6 x 6/5 + 3/4 x 5/2" "= 30/30 + 15/8"
      "= 15/8 + 1" "= 8/8 + 15/8" "= 23/8")
# Terza media: the sign rule, then one operation a line, left to right.
solve(terza.rtf 0 "giusto\ngiusto\ngiusto\ngiusto\ngiusto\n${end}"
      "= 10 - 4 + 7 + (-2) x (-3)" "= 10 - 4 + 7 + 6" "= 6 + 7 + 6" "= 13 + 6" "= 19")
# Past a teacher's line by a way of the pupil's own: the next target is the line after it.
solve(relativi.rtf 0 "giusto\ngiusto\n${end}" "= 20 + 18" "= 38")
# A fraction left unreduced gets the hint; the teacher's line in another form is the teacher's line.
solve(frazioni.rtf 0 "giusto: Ora riduci 18/12.\ngiusto\ngiusto: Ora riduci 12/12.\ngiusto\n${end}"
      "= 18/12 - 1/2" "= 18/12 - 6/12" "= 12/12" "= 1")
# Help off the teacher's path is the generator's next step from the pupil's line, never the end.
solve(terza.rtf 0 "giusto\naiuto: = 10 - 4 + 7 + 6\ngiusto\nHai finito con 0 errori e 1 aiuto \n"
      "= 10 - 4 + 7 + (-2) x (-3)" "?" "= 19")
# One error for each different wrong answer; blanks alone are one too; the input ends first.
solve(terza.rtf 1 "giusto\ncalcolo: 10 - 4 + 7 fa 13, non 12.\ncalcolo: 10 - 4 + 7 fa 13, non 12.\nilleggibile: Scrivi il passaggio, poi premi invio.\ngiusto\nnon finito: 2 errori, 0 aiuti\n"
      "= 10 - 4 + 7 + (-2) x (-3)" "= 12 + 6" "= 12 + 6" "  " "= 10 - 4 + 7 + 6")
# A jump, and help on the teacher's path.
solve(primaria.rtf 0 "insieme: Il risultato è giusto, ma fai un passaggio alla volta.\naiuto: = 3 + 12\ngiusto\nHai finito con 1 errore e 1 aiuto \n"
      "= 15" "?" "15")

execute_process(COMMAND ${TOOL} --risolvi manca.rtf WORKING_DIRECTORY ${WORK} INPUT_FILE ${WORK}/answers.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^quintavia-check: manca.rtf: ")
  message(FATAL_ERROR "--risolvi of a missing file: exit ${status}, stdout [${out}], stderr [${err}]")
endif()

# A pupil's exercise from the collection counts for the year it was made for, as in the window.
file(MAKE_DIRECTORY ${WORK}/classe)
file(WRITE ${WORK}/answers.txt "?\n?\n?\n?\n?\n?\n?\n?\n?\n?\n?\n?\n?\n?\n")
execute_process(COMMAND ${TOOL} --risolvi "${SOURCE}/esercizi/4 - Seconda media/es02.rtf" --classe classe --alunno Ada
                WORKING_DIRECTORY ${WORK} INPUT_FILE ${WORK}/answers.txt RESULT_VARIABLE status ERROR_VARIABLE err)
execute_process(COMMAND ${TOOL} --registro classe --csv classe.csv WORKING_DIRECTORY ${WORK})
file(READ ${WORK}/classe.csv rows)
if(NOT status EQUAL 0 OR NOT rows MATCHES "Ada;[^;]+;es02.rtf;4;;sì;0;")
  message(FATAL_ERROR "--risolvi of a collection file: exit ${status}, stderr [${err}], record [${rows}]")
endif()
