# Everything a developer or CI does, from a fresh Debian 12 machine.
#   make demo   installs, builds and runs the most complete job the workstation does today
#   make test   installs, builds and runs every test
#   make check  adds sanitizer runs of the engine tests and a short run of every fuzz target
#   make bench  speed and memory figures        make fuzz   a long fuzzing run
#   make gui    the desktop workstation         make gui-shot  its screenshots under Xvfb
#   make install  PREFIX=/usr/local

BUILD_TYPE  ?= RelWithDebInfo
LX_WERROR   ?= OFF
PREFIX      ?= /usr/local
JOBS        ?= $(shell nproc)
FUZZ_RUNS   ?= 200000
FUZZ_SECONDS ?= 600
SHOT_MINUTES ?= 1.7
CMAKE_FLAGS := -G Ninja -DLX_WERROR=$(LX_WERROR)

.PHONY: all setup build test check sanitize fuzz-build fuzz-short fuzz bench demo gui gui-shot install clean

all: build

setup:
	@scripts/setup

build: setup
	@cmake -S . -B build $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null
	@cmake --build build -j $(JOBS)

test: build
	@ctest --test-dir build --output-on-failure -j $(JOBS)

check: sanitize fuzz-short

sanitize: setup
	@cmake -S . -B build-asan $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DLX_SANITIZE=ON -DLX_ENGINE_ONLY=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-asan --output-on-failure -j $(JOBS)

fuzz-build: setup
	@CXX=clang++ cmake -S . -B build-fuzz $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLX_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)

# Every target for FUZZ_RUNS inputs, starting from its committed seeds.
fuzz-short: fuzz-build
	@scripts/run-fuzzers build-fuzz -runs=$(FUZZ_RUNS)

fuzz: fuzz-build
	@scripts/run-fuzzers build-fuzz -max_total_time=$(FUZZ_SECONDS)

bench: setup
	@cmake -S . -B build-bench $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release -DLX_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/lx_bench_*; do echo "== $$b"; "$$b" --benchmark_counters_tabular=true || exit 1; done

demo: build
	@scripts/demo build

# The desktop from the build tree on the demo signal (its files under ~/LX6600, or LX6600_HOME).
gui: build
	@build/app/lx6600 --demo

# Screenshots of the desktop on a virtual display: channels A and B, a short demo run, its
# analysis window and the parameter sheets, as PNG files in out/gui-shot.
gui-shot: build
	@xvfb-run -a -s "-screen 0 1600x1000x24" build/tests/gui/lx6600-gui-shots out/gui-shot $(SHOT_MINUTES)

install: build
	@cmake --install build --prefix $(PREFIX)

clean:
	rm -rf build build-asan build-fuzz build-bench
