# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The kept fuzz corpus through the fuzz target's own checks, in the ordinary build.
add_executable(diagnosis_replay ${PROJECT_SOURCE_DIR}/tests/document/rtf_corpus_replay.cpp
               ${PROJECT_SOURCE_DIR}/tools/fuzz_diagnosis.cpp)
target_include_directories(diagnosis_replay PRIVATE ${PROJECT_SOURCE_DIR}/tests/arithmetic)
target_link_libraries(diagnosis_replay PRIVATE quintavia_diagnosis Qt6::Core)
add_test(NAME diagnosis.diagnosis_corpus COMMAND diagnosis_replay ${PROJECT_SOURCE_DIR}/tests/data/diagnosis-corpus)
set_tests_properties(diagnosis.diagnosis_corpus PROPERTIES TIMEOUT 300)
# The random expressions of the step generator's tests.
target_include_directories(tst_diagnosis_diagnosis PRIVATE ${PROJECT_SOURCE_DIR}/tests/arithmetic)
