# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Quintavia: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=
CTEST_ARGS ?=

.PHONY: all deps test-deps configure build run test clean sanitize fuzz explore

all: build

# What building and running need; the tests, benchmarks and fuzzing add their own.
deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --tests

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: nessuno schermo disponibile (DISPLAY non impostato); prova: xvfb-run -a make run"; \
	  exit 1; \
	fi
	@$(BUILD_DIR)/quintavia

test: test-deps build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

# Everything with AddressSanitizer and UndefinedBehaviorSanitizer, in its own build folder (the
# desktop tests, which drive the installed-style program, run in the ordinary build).
sanitize:
	@$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CTEST_ARGS="-LE e2e" \
	  CMAKE_FLAGS="-DQUINTAVIA_SANITIZE=ON -DQUINTAVIA_BENCH=OFF"

# Every fuzz target (fuzz/fuzz_<name>.cpp, declared in fuzz/CMakeLists.txt with its corpora and
# dictionary) under libFuzzer for FUZZ_SECONDS (default 60) each; its new inputs go to
# FOLDER/corpus-<name>. ASan's quarantine of freed memory (256 MB by default) is what made a long
# run's memory grow; 32 MB keep it flat. Allocation stacks (malloc_context_size) and filling new
# blocks (max_malloc_fill_size) cost a third of the speed of targets that allocate much; rerun a
# reproducer with ASAN_OPTIONS= to get those stacks. A new target is one more word here.
FUZZ_TARGETS ?= rtf_reader rtf_round_trip arithmetic_line step_generator exercise_generator diagnosis
FUZZ_SECONDS ?= 60
EXPLORE_SECONDS ?= 3600
FUZZ_ASAN_OPTIONS = $${ASAN_OPTIONS:-quarantine_size_mb=32:malloc_context_size=0:max_malloc_fill_size=0}

# $(call fuzz_build,FOLDER,ON|OFF): the fuzz targets, with or without ASan and UBSan.
fuzz_build = CC=clang CXX=clang++ cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUINTAVIA_FUZZ=ON -DQUINTAVIA_SANITIZE=$(2) -DQUINTAVIA_BENCH=OFF >/dev/null && \
  cmake --build $(1) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
# $(call fuzz_run,FOLDER,SECONDS): each target for SECONDS, its new inputs in FOLDER/corpus-<name>.
fuzz_run = set -e; for t in $(FUZZ_TARGETS); do \
  mkdir -p $(1)/corpus-$$t; \
  echo "fuzz: $$t for $(2) s in $(1)"; \
  ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) $(1)/fuzz/fuzz_$$t $(1)/corpus-$$t $$(cat $(1)/fuzz/fuzz_$$t.args) \
    -max_total_time=$(2) -print_final_stats=1; \
done

fuzz: test-deps
	@$(call fuzz_build,build-fuzz,ON)
	@$(call fuzz_run,build-fuzz,$(FUZZ_SECONDS))

# Fuzzing that explores, EXPLORE_SECONDS (an hour) each: the targets without sanitizers, which cost
# the RTF targets two thirds of their speed, so that a long run covers more; then every input the
# run kept is replayed once under ASan and UBSan.
explore: test-deps
	@$(call fuzz_build,build-fuzz,ON)
	@$(call fuzz_build,build-explore,OFF)
	@$(call fuzz_run,build-explore,$(EXPLORE_SECONDS))
	@set -e; for t in $(FUZZ_TARGETS); do \
	  echo "explore: $$t, the inputs found replayed under ASan and UBSan"; \
	  log=build-explore/replay-$$t.log; \
	  ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) build-fuzz/fuzz/fuzz_$$t -runs=0 build-explore/corpus-$$t \
	    >$$log 2>&1 || { cat $$log; exit 1; }; \
	  grep INITED $$log; \
	done

clean:
	rm -rf $(BUILD_DIR)
