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

# HOOK for `quintavia-check --passaggi --rtf` (the step generator's command, on its way): once it
# exists, run it here for each of open, write, fsync and rename with ENOSPC, EIO and EACCES, over
# an old file copied into WORK, and check that the old file is byte-identical afterwards and that
# stderr says in Italian that the file was not saved and why, e.g.
#   file(COPY ${DATA}/richedit.rtf DESTINATION ${WORK})
#   run_faulty(rename EIO 1 "quintavia-check: ${WORK}/passi.rtf: ...\n" --passaggi --rtf ...)
