# Quintavia: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=
CTEST_ARGS ?=

.PHONY: all deps configure build run test clean sanitize

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

clean:
	rm -rf $(BUILD_DIR)
