# Quick start: `make run` and `make test`. See README.md.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)

.PHONY: run test build deps bench fuzz sanitize clean setup-archive deb

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	@scripts/run-tests.sh $(BUILD)

# Setup.dat beside build/bin/setup: the installer's archive of the program.
setup-archive: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target setup-archive

# The Debian package in build/packages/.
deb: build
	cd $(BUILD) && cpack -G DEB

# Core only, with AddressSanitizer and UndefinedBehaviorSanitizer, plus the
# libFuzzer targets (clang).
sanitize:
	@scripts/install-deps.sh --dev
	CC=clang-14 CXX=clang++-14 cmake -S . -B build-asan -G Ninja \
	  -DCMAKE_BUILD_TYPE=Debug -DVG_GUI=OFF -DVG_SANITIZE=ON -DVG_FUZZ=ON
	cmake --build build-asan -j $(JOBS)
	@scripts/run-tests.sh build-asan

fuzz: sanitize
	@scripts/run-fuzzers.sh build-asan $${FUZZ_SECONDS:-60}

bench:
	@scripts/install-deps.sh --dev
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVG_GUI=OFF \
	  -DVG_TESTS=OFF -DVG_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	@scripts/run-benchmarks.sh build-bench

clean:
	rm -rf $(BUILD) build-asan build-bench
