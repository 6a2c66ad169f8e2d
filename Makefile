# Shortcuts for those who like make; the README's commands (scripts/run, scripts/test) need only
# bash and install make with everything else.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
export BUILD_DIR BUILD_TYPE

.PHONY: setup build run test bench clean

setup:
	@bash scripts/setup

build:
	@bash scripts/build

run:
	@bash scripts/run

test:
	@bash scripts/test

bench: build
	$(BUILD_DIR)/bench/quorel_bench

clean:
	rm -rf $(BUILD_DIR)
