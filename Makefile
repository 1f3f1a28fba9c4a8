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

# The RTF reader under libFuzzer for FUZZ_SECONDS (default 60), starting from the seed corpus.
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUINTAVIA_FUZZ=ON -DQUINTAVIA_SANITIZE=ON -DQUINTAVIA_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_rtf_reader
	@mkdir -p build-fuzz/corpus
	@build-fuzz/tools/fuzz_rtf_reader build-fuzz/corpus tests/data/rtf-corpus \
	  -dict=tools/fuzz_rtf_reader.dict -max_total_time=$(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR)
