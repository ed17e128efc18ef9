# Two entry points for a fresh Debian machine: `make run` and `make test`.
# Each installs what it needs first (scripts/deps.sh), then builds with the CMake presets.

JOBS ?= $(shell nproc)

.PHONY: run test test-release test-asan fuzz build package deps-build deps-test deps-package clean

deps-build:
	@scripts/deps.sh build

deps-test:
	@scripts/deps.sh test

deps-package:
	@scripts/deps.sh package

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

# Builds the Release programs and makes the Debian package build/release/tarvolt-designer_*.deb,
# checked as CI checks it (scripts/package.sh).
package: deps-package
	JOBS=$(JOBS) scripts/package.sh

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS; fails on any finding.
FUZZ_SECONDS ?= 20
fuzz: deps-test
	JOBS=$(JOBS) scripts/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf build
