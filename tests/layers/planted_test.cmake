# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies README.md and src/ of SOURCE into WORK, plants one fault at a time and checks that
# check-layers fails on it, naming the file.

function(check_layers expected_status expected_output)
  execute_process(COMMAND python3 ${SOURCE}/scripts/check-layers ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status OR NOT out MATCHES "${expected_output}")
    message(FATAL_ERROR "check-layers: exit ${status}, expected ${expected_status}\n${out}${err}")
  endif()
endfunction()

function(fresh_copy)
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  file(COPY ${SOURCE}/README.md ${SOURCE}/src DESTINATION ${WORK})
endfunction()

fresh_copy()
check_layers(0 "^$")

# The arithmetic library linking the documents: in no sentence of the README.
file(APPEND ${WORK}/src/arithmetic/CMakeLists.txt "target_link_libraries(quintavia_arithmetic PRIVATE quintavia_document)\n")
check_layers(1 "src/arithmetic/CMakeLists.txt: links document")

# A link the README gives that the library has lost.
fresh_copy()
file(READ ${WORK}/src/curriculum/CMakeLists.txt text)
string(REPLACE "quintavia_arithmetic" "" text "${text}")
file(WRITE ${WORK}/src/curriculum/CMakeLists.txt "${text}")
check_layers(1 "src/curriculum/CMakeLists.txt: does not link arithmetic")

# The documents including a window: a layer above their own.
fresh_copy()
file(WRITE ${WORK}/src/document/planted.cpp "#include \"editor/editor_window.h\"\n")
check_layers(1 "src/document/planted.cpp:1: document \\(layer 0\\) includes editor/editor_window.h")
