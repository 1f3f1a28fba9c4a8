# The kept corpus of the exercise generator's fuzz target, through its own checks.
add_executable(exercise_generator_replay ${PROJECT_SOURCE_DIR}/tests/document/rtf_corpus_replay.cpp
               ${PROJECT_SOURCE_DIR}/tools/fuzz_exercise_generator.cpp)
target_link_libraries(exercise_generator_replay PRIVATE quintavia_curriculum Qt6::Core)
add_test(NAME curriculum.exercise_generator_corpus
         COMMAND exercise_generator_replay ${CMAKE_CURRENT_SOURCE_DIR}/data/exercise_generator-corpus)
set_tests_properties(curriculum.exercise_generator_corpus PROPERTIES TIMEOUT 300)
