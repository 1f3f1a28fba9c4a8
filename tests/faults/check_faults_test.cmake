# quintavia-check under a failing disk (run by CTest with TOOL, SHIM, DATA and WORK set): what it
# could not write must make it fail, with the reason in Italian, never pass for a success.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs TOOL with the shim failing `call` with `error` under WORK; stdout goes to WORK/uscita.txt.
function(run_faulty call error expected_status expected_err)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LD_PRELOAD=${SHIM} ASAN_OPTIONS=verify_asan_link_order=0
            QUINTAVIA_FAULT_CALL=${call} QUINTAVIA_FAULT_ERRNO=${error} QUINTAVIA_FAULT_DIR=${WORK}
            ${TOOL} ${ARGN}
    OUTPUT_FILE ${WORK}/uscita.txt RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status OR NOT err STREQUAL expected_err)
    message(FATAL_ERROR "${call} ${error}: quintavia-check ${ARGN}: exit ${status}, stderr\n[${err}]\n"
                        "expected exit ${expected_status}, stderr\n[${expected_err}]")
  endif()
endfunction()

# Printing the lines onto a full disk. The lines go through the C library's own buffered writes,
# which no preloaded library sees: /dev/full is a real device that is always full.
execute_process(COMMAND ${TOOL} ${DATA}/richedit.rtf OUTPUT_FILE /dev/full
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR NOT err STREQUAL "quintavia-check: errore di scrittura: spazio esaurito sul disco\n")
  message(FATAL_ERROR "quintavia-check > /dev/full: exit ${status}, stderr\n[${err}]")
endif()
# Under the shim with nothing to fail, the tool works as usual.
run_faulty(none ENOSPC 0 "" ${DATA}/richedit.rtf)

# Writing a generated exercise over an old one, with each call failing in each way: the old file
# stays byte-identical, the tool fails (exit 2) and says in Italian which file was not saved and why.
file(COPY_FILE ${DATA}/richedit.rtf ${WORK}/passi.rtf)
file(SHA256 ${WORK}/passi.rtf old)
foreach(error ENOSPC EIO EACCES)
  if(error STREQUAL ENOSPC)
    set(cause "spazio esaurito sul disco")
  elseif(error STREQUAL EIO)
    set(cause "errore di lettura/scrittura del dispositivo")
  else()
    set(cause "permesso negato")
  endif()
  foreach(call open write fsync rename)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env LD_PRELOAD=${SHIM} ASAN_OPTIONS=verify_asan_link_order=0
              QUINTAVIA_FAULT_CALL=${call} QUINTAVIA_FAULT_ERRNO=${error} QUINTAVIA_FAULT_DIR=${WORK}
              ${TOOL} --passaggi "(2 + 3)^2 x 4" --rtf ${WORK}/passi.rtf --forza
      OUTPUT_QUIET RESULT_VARIABLE status ERROR_VARIABLE err)
    file(SHA256 ${WORK}/passi.rtf now)
    if(NOT status EQUAL 2 OR NOT err MATCHES "^quintavia-check: ${WORK}/passi.rtf: .*${cause}"
       OR NOT now STREQUAL old)
      message(FATAL_ERROR "--passaggi --rtf with ${call} failing (${error}): exit ${status}, stderr\n[${err}]\n"
                          "old file kept: ${now} vs ${old}")
    endif()
  endforeach()
endforeach()
# With nothing failing, the same command replaces the old file.
run_faulty(none ENOSPC 0 "" --passaggi "(2 + 3)^2 x 4" --rtf ${WORK}/passi.rtf --forza)
file(SHA256 ${WORK}/passi.rtf now)
if(now STREQUAL old)
  message(FATAL_ERROR "--passaggi --rtf --forza did not replace the old file")
endif()

# The worksheet onto a full disk: no PDF, exit 1, the reason named.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LD_PRELOAD=${SHIM} ASAN_OPTIONS=verify_asan_link_order=0
          QUINTAVIA_FAULT_CALL=write QUINTAVIA_FAULT_ERRNO=ENOSPC QUINTAVIA_FAULT_DIR=${WORK}
          ${TOOL} --scheda ${DATA}/richedit.rtf --pdf ${WORK}/scheda.pdf
  OUTPUT_QUIET RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR NOT err MATCHES "scheda.pdf: .*spazio" OR EXISTS ${WORK}/scheda.pdf)
  message(FATAL_ERROR "--scheda onto a full disk: exit ${status}, stderr\n[${err}]")
endif()
