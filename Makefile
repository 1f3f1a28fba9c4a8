# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Quintavia: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=
CTEST_ARGS ?=

.PHONY: all deps configure build run test clean sanitize fuzz

all: build

deps:
	@scripts/install-deps

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

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

# Everything with AddressSanitizer and UndefinedBehaviorSanitizer, in its own build folder (the
# desktop tests, which drive the installed-style program, run in the ordinary build).
sanitize:
	@$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CTEST_ARGS="-LE e2e" \
	  CMAKE_FLAGS="-DQUINTAVIA_SANITIZE=ON -DQUINTAVIA_BENCH=OFF"

# Every libFuzzer target, each for FUZZ_SECONDS (default 60), each with its own corpus: the RTF
# reader, the arithmetic line reader and the step generator.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_rtf_reader fuzz_arithmetic_line fuzz_step_generator
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUINTAVIA_FUZZ=ON -DQUINTAVIA_SANITIZE=ON -DQUINTAVIA_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@mkdir -p build-fuzz/corpus build-fuzz/corpus-arithmetic-line build-fuzz/corpus-step-generator
	@build-fuzz/tools/fuzz_rtf_reader build-fuzz/corpus tests/data/rtf-corpus \
	  -dict=tools/fuzz_rtf_reader.dict -max_total_time=$(FUZZ_SECONDS)
	@build-fuzz/tools/fuzz_arithmetic_line build-fuzz/corpus-arithmetic-line \
	  -dict=tools/fuzz_arithmetic_line.dict -max_total_time=$(FUZZ_SECONDS)
	@build-fuzz/tools/fuzz_step_generator build-fuzz/corpus-step-generator -max_total_time=$(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR)
