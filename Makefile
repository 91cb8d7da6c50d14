# The two commands of the README: `make run` and `make test`. Both install what is missing, configure and build.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
ARGS ?=

.PHONY: deps build run test bench package asan-test fuzz format-check clean

deps:
	bash scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

run: build
	./build/dev/bin/ornal $(ARGS)

test: build
	ctest --preset dev -j $(JOBS)

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target benchmarks
	bash scripts/run-benchmarks build/release
	bash scripts/time-startup build/release

# The Debian package build/package/ornal_<version>_amd64.deb; scripts/check-package checks and installs it.
package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cd build/package && cpack -G DEB

asan-test: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target fuzzers
	bash scripts/run-fuzzers build/fuzz $${FUZZ_SECONDS:-60}

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf build
