# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Replays the RTF fuzz corpus and the test fixtures through the fuzz target's checks.
add_executable(rtf_corpus_replay ${CMAKE_CURRENT_LIST_DIR}/rtf_corpus_replay.cpp
               ${PROJECT_SOURCE_DIR}/tools/fuzz_rtf_reader.cpp)
target_link_libraries(rtf_corpus_replay PRIVATE quintavia_document)
add_test(NAME document.rtf_corpus
         COMMAND rtf_corpus_replay ${CMAKE_CURRENT_SOURCE_DIR}/data/rtf-corpus ${CMAKE_CURRENT_SOURCE_DIR}/data/rtf
                 ${CMAKE_CURRENT_SOURCE_DIR}/data/rtf_reader-corpus)
set_tests_properties(document.rtf_corpus PROPERTIES TIMEOUT 300)

# quintavia-check's output and exit status, run with no display at all.
add_test(NAME document.quintavia_check
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DDATA=${CMAKE_CURRENT_SOURCE_DIR}/data/rtf -P ${CMAKE_CURRENT_LIST_DIR}/quintavia_check_test.cmake)
set_tests_properties(document.quintavia_check PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")

# The same corpus through the round-trip target's checks.
add_executable(rtf_round_trip_replay ${CMAKE_CURRENT_LIST_DIR}/rtf_corpus_replay.cpp
               ${PROJECT_SOURCE_DIR}/tools/fuzz_rtf_round_trip.cpp)
target_link_libraries(rtf_round_trip_replay PRIVATE quintavia_document)
add_test(NAME document.rtf_round_trip
         COMMAND rtf_round_trip_replay ${CMAKE_CURRENT_SOURCE_DIR}/data/rtf-corpus ${CMAKE_CURRENT_SOURCE_DIR}/data/rtf
                 ${CMAKE_CURRENT_SOURCE_DIR}/data/rtf_round_trip-corpus)
set_tests_properties(document.rtf_round_trip PROPERTIES TIMEOUT 300)
