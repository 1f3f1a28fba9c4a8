# Runs quintavia-check --scheda (TOOL) on copies of the fixtures in DATA, inside WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/esercizi/sub)
# Names chosen so that name order differs from plain character order (es2 before es10).
file(COPY_FILE ${DATA}/richedit.rtf ${WORK}/esercizi/es10.rtf)
file(COPY_FILE ${DATA}/richedit_old.rtf ${WORK}/esercizi/es2.rtf)
file(COPY_FILE ${DATA}/word.rtf ${WORK}/esercizi/sub/a.rtf)
file(WRITE ${WORK}/esercizi/rotto.rtf "3+4\n")
file(WRITE ${WORK}/esercizi/note.txt "non un esercizio\n")

function(sheet expected_status expected_err)
  execute_process(COMMAND ${TOOL} --scheda ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status OR NOT err MATCHES "${expected_err}" OR NOT out STREQUAL "")
    message(FATAL_ERROR "--scheda ${ARGN}: exit ${status}, expected ${expected_status}\n"
                        "stderr [${err}] should match [${expected_err}]\nstdout [${out}]")
  endif()
endfunction()

# The text of a PDF in drawing order, white space removed (a raised run starts a line of its own).
function(pdf_text pdf var)
  execute_process(COMMAND pdftotext -raw ${pdf} - OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "pdftotext ${pdf}: exit ${status}")
  endif()
  string(REGEX REPLACE "[ \t\r\n]" "" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

# Each argument after `text` must be found after the one before it.
function(expect_in_order label text)
  set(from 0)
  foreach(part ${ARGN})
    string(SUBSTRING "${text}" ${from} -1 rest)
    string(FIND "${rest}" "${part}" at)
    if(at LESS 0)
      message(FATAL_ERROR "${label}: \"${part}\" missing after position ${from} in\n${text}")
    endif()
    string(LENGTH "${part}" length)
    math(EXPR from "${from} + ${at} + ${length}")
  endforeach()
endfunction()

# A folder, recursively and in name order; the unreadable file is named and left out, and a line
# the arithmetic cannot read is named with a warning.
sheet(1 "^quintavia-check: esercizi/rotto.rtf: Il file non è in formato RTF.\nesercizi/sub/a.rtf:2: avviso: colonna 13: carattere sconosciuto «č»\n$"
      esercizi --pdf scheda.pdf --soluzioni)
pdf_text(${WORK}/scheda.pdf text)
expect_in_order("sheet" "${text}" "esercizi" "Nome" "Data" "1.53:52" "2.(32+4)·2-5" "3.10:23–1"
                "Soluzioni:esercizi" "1.53:52" "=51" "=5" "2.(32+4)·2-5" "=(9+4)·2-5" "=13·2-5" "=26-5"
                "=21" "3.10:23–1")

# An existing PDF is left alone unless --forza.
file(SHA256 ${WORK}/scheda.pdf before)
sheet(1 "scheda.pdf: il file esiste già; --forza lo sostituisce" esercizi/es10.rtf --pdf scheda.pdf)
file(SHA256 ${WORK}/scheda.pdf after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "scheda.pdf was overwritten without --forza")
endif()
sheet(0 "^$" esercizi/es10.rtf esercizi/es2.rtf --pdf scheda.pdf --forza)
pdf_text(${WORK}/scheda.pdf text)
expect_in_order("files in the given order" "${text}" "esercizi" "1.(32+4)·2-5" "2.53:52")
if(text MATCHES "Soluzioni" OR text MATCHES "=13")
  message(FATAL_ERROR "a sheet without --soluzioni shows steps:\n${text}")
endif()

# Nothing readable: no PDF at all. A wrong command line: exit 2.
sheet(1 "manca.rtf: Il file non esiste.\n.*nessun esercizio da stampare" manca.rtf --pdf vuota.pdf)
if(EXISTS ${WORK}/vuota.pdf)
  message(FATAL_ERROR "vuota.pdf written with no exercise in it")
endif()
sheet(2 "manca --pdf" esercizi)
sheet(2 "opzione sconosciuta" esercizi --pdf x.pdf --colori)

# A slip in the chain is printed all the same, with a warning naming its line.
file(WRITE ${WORK}/sbaglio.rtf "{\\rtf1\\ansi (3 + 4) x 2\\par = 7 x 2\\par = 21\\par = 21}")
sheet(0 "^sbaglio.rtf:3: avviso: vale 21, ma la riga 2 vale 14\n$" sbaglio.rtf --pdf sbaglio.pdf)
pdf_text(${WORK}/sbaglio.pdf text)
expect_in_order("slipped sheet" "${text}" "1.(3+4)x2")
