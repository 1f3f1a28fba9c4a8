# Runs quintavia-check's arithmetic commands (TOOL) in WORK and checks output and exit status.
include(${CMAKE_CURRENT_LIST_DIR}/../support/run_tool.cmake)

# An exercise as the rich-edit control saves it: exponents raised 8 half-points, 8 pt, bold.
function(write_exercise path)
  set(body "")
  foreach(line ${ARGN})
    string(REPLACE "^2" "\\up8\\b\\fs16 2\\up0\\b0\\fs24 " line "${line}")
    string(APPEND body "${line}\\par\r\n")
  endforeach()
  file(WRITE ${path} "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Comic Sans MS;}}\r\n\\pard\\f0\\fs24 ${body}}\r\n")
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/esercizi/quinta)

run_tool(0 "17\n" "" --valore "3^2 + 4 x 2")
run_tool(0 "7/3\n" "" --valore "7 : 3")
run_tool(0 "-1/2\n" "" --valore -- "-1/2")
run_tool(0 "3/4\n" "" --valore "1/2 + 1/4")
run_tool(0 "0,75\n" "" --valore "0,5 + 1/4")
run_tool(2 "" "quintavia-check: colonna 5: manca una parentesi chiusa\n" --valore "((3)")
run_tool(2 "" "quintavia-check: colonna 2: numero troppo grande\n" --valore "9^99999999")

# A right chain, a slip that is flagged once, an unreadable line, and a file that is no exercise.
write_exercise(${WORK}/esercizi/giusto.rtf "Calcola:" "(3^2 + 4) x 2" "= 13 x 2" "= 26")
write_exercise(${WORK}/esercizi/quadrati.rtf "3^2 + 5" "= 9 + 5" "= 21" "= 21")
write_exercise(${WORK}/esercizi/quinta/parentesi.RTF "2 x (3 + 4)" "= 2 x (7" "= 14")
file(WRITE ${WORK}/esercizi/note.txt "3 + 3 = 7\n")
run_tool(1 "esercizi/quadrati.rtf:3: vale 21, ma la riga 2 vale 14
esercizi/quinta/parentesi.RTF:2: colonna 9: manca una parentesi chiusa
3 esercizi: 1 giusto, 2 con errori\n" "" --verifica esercizi)
run_tool(0 "1 esercizio: 1 giusto, 0 con errori\n" "" --verifica esercizi/giusto.rtf)
run_tool(2 "1 esercizio: 1 giusto, 0 con errori, 1 file non letto\n"
         "quintavia-check: manca.rtf: Il file non esiste.\n" --verifica esercizi/giusto.rtf manca.rtf)
run_tool(2 "" "quintavia-check: --verifica vuole almeno un file o una cartella\nProva \"quintavia-check --verifica --help\".\n"
         --verifica)

set(chain "(3^2 + 4) x 2 - 5\n= (9 + 4) x 2 - 5\n= 13 x 2 - 5\n= 26 - 5\n= 21\n")
run_tool(0 "${chain}" "" --passaggi "(3^2 + 4) x 2 - 5")
run_tool(0 "2^3 x 3 - 4^2\n= 8 x 3 - 4^2\n= 8 x 3 - 16\n= 24 - 16\n= 8\n" "" --passaggi "2^3 x 3 - 4^2" --fini)
run_tool(0 "(2/5 + 1/10) : 5/4 - 1/4\n= (2/5 + 1/10) x 4/5 - 1/4\n= 1/2 x 4/5 - 1/4\n= 2/5 - 1/4\n= 3/20\n" "" --passaggi "(2/5 + 1/10) : 5/4 - 1/4")
run_tool(2 "" "quintavia-check: colonna 3: divisione per zero\n" --passaggi "3 : 0")
# A year's own way: the primary years multiply and divide one operation a line, the others all
# of a term at once; --fini still one operation a line; a year that is not one is refused.
set(chain "42 x 6 : 14 + 3 x 4 : 2\n")
run_tool(0 "${chain}= 252 : 14 + 12 : 2\n= 18 + 6\n= 24\n" "" --passaggi "42 x 6 : 14 + 3 x 4 : 2" --livello 2)
run_tool(0 "${chain}= 18 + 6\n= 24\n" "" --passaggi "42 x 6 : 14 + 3 x 4 : 2" --livello 3)
run_tool(0 "${chain}= 252 : 14 + 3 x 4 : 2\n= 18 + 3 x 4 : 2\n= 18 + 12 : 2\n= 18 + 6\n= 24\n" ""
         --passaggi "42 x 6 : 14 + 3 x 4 : 2" --livello 1 --fini)
run_tool(2 "" "quintavia-check: il livello va da 1 (Quarta primaria) a 5 (Terza media), non «6»\nProva \"quintavia-check --passaggi --help\".\n"
         --passaggi "1 + 1" --livello 6)
# Written, the file says its year among its properties.
run_tool(0 "" "" --passaggi "42 x 6 : 14" --livello 1 --rtf primaria.rtf)
file(READ ${WORK}/primaria.rtf written)
if(NOT written MATCHES "{\\\\info{\\\\subject Quarta primaria}{\\\\keywords livello 1}}")
  message(FATAL_ERROR "--passaggi --livello --rtf:\n${written}")
endif()

# Written as an exercise: refused over an existing file unless forced; it reads back and verifies.
run_tool(0 "" "" --passaggi "(3^2 + 4) x 2 - 5" --rtf generato.rtf)
run_tool(2 "" "quintavia-check: generato.rtf: il file esiste già (--forza per sostituirlo)\n"
         --passaggi "1 + 1" --rtf generato.rtf)
run_tool(0 "" "" --passaggi "(3^2 + 4) x 2 - 5" --rtf generato.rtf --forza)
run_tool(0 "(3^2 + 4) x 2 - 5\n= (9 + 4) x 2 - 5\n= 13 x 2 - 5\n= 26 - 5\n= 21\n" "" generato.rtf)
run_tool(0 "1 esercizio: 1 giusto, 0 con errori\n" "" --verifica generato.rtf)

# An exercise holds 15 lines: one operation a line, 1 + 2 + ... + 15 fits, up to 16 does not, and
# printed it is still whole.
set(sum "1")
foreach(term RANGE 2 16)
  set(fifteen "${sum}")
  string(APPEND sum "+${term}")
endforeach()
run_tool(0 "" "" --passaggi "${fifteen}" --fini --rtf quindici.rtf)
run_tool(2 "" "quintavia-check: troppi passaggi: 15, ma il documento ne tiene al massimo 14\n"
         --passaggi "${sum}" --fini --rtf sedici.rtf)
if(EXISTS ${WORK}/sedici.rtf)
  message(FATAL_ERROR "--passaggi --rtf wrote a chain longer than an exercise")
endif()
execute_process(COMMAND ${TOOL} --passaggi "${sum}" --fini RESULT_VARIABLE status OUTPUT_VARIABLE out)
string(REGEX MATCHALL "\n" newlines "${out}")
list(LENGTH newlines count)
if(NOT status EQUAL 0 OR NOT count EQUAL 16 OR NOT out MATCHES "\n= 136\n$")
  message(FATAL_ERROR "--passaggi without --rtf: exit ${status}, ${count} lines\n${out}")
endif()

execute_process(COMMAND ${TOOL} --version RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "^quintavia-check \\(Quintavia\\) [0-9.]+\n$")
  message(FATAL_ERROR "quintavia-check --version: exit ${status}\n${out}")
endif()
execute_process(COMMAND ${TOOL} --help RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "--passaggi ESPRESSIONE")
  message(FATAL_ERROR "quintavia-check --help: exit ${status}\n${out}")
endif()
