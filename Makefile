# Two entry points for a fresh Debian machine: `make run` and `make test`.
# Each installs what it needs first (scripts/deps.sh), then builds with the CMake presets.

JOBS ?= $(shell nproc)

.PHONY: run test test-release test-asan build deps-build deps-test clean

deps-build:
	@scripts/deps.sh build

deps-test:
	@scripts/deps.sh test

build: deps-build
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# Builds and starts the designer.
run: build
	@if [ -x build/release/bin/tarvolt-designer ]; then build/release/bin/tarvolt-designer --splash examples/splash.jpg examples/demo.lcd; \
	else build/release/bin/tarvolt-cli --help; fi

# Builds and runs every test, in a Release build and in an ASan + UBSan build.
test: test-release test-asan

test-release: deps-test
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	ctest --preset release -j $(JOBS)

test-asan: deps-test
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

clean:
	rm -rf build
