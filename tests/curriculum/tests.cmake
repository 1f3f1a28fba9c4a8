# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The kept corpus of the exercise generator's fuzz target, through its own checks.
add_executable(exercise_generator_replay ${PROJECT_SOURCE_DIR}/tests/document/rtf_corpus_replay.cpp
               ${PROJECT_SOURCE_DIR}/tools/fuzz_exercise_generator.cpp)
target_link_libraries(exercise_generator_replay PRIVATE quintavia_curriculum Qt6::Core)
add_test(NAME curriculum.exercise_generator_corpus
         COMMAND exercise_generator_replay ${CMAKE_CURRENT_SOURCE_DIR}/data/exercise_generator-corpus)
set_tests_properties(curriculum.exercise_generator_corpus PROPERTIES TIMEOUT 300)

# quintavia-check --genera, on files the test writes itself.
add_test(NAME curriculum.generate_command
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:quintavia-check>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/generate_command -P ${CMAKE_CURRENT_LIST_DIR}/generate_command_test.cmake)
set_tests_properties(curriculum.generate_command PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
