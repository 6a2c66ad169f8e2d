# The two commands of the README: `make run` builds and starts Quorel,
# `make test` builds everything and runs every test. Both install what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: setup configure build run test bench clean

setup:
	@bash scripts/setup

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/gui/quorel

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 300 -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/quorel_bench

clean:
	rm -rf $(BUILD_DIR)
