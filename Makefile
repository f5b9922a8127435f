# Entry points for people and CI. Everything is built with CMake and Ninja;
# this file only names the common jobs.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs.
FUZZ_SECONDS ?= 60
CMAKE_ARGS ?=
# Our own builds treat warnings as errors; a plain cmake build does not.
WERROR     ?= -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
JOBS       ?= $(shell nproc)
# The screen scale of `make screenshots` (QT_SCALE_FACTOR).
SCALE      ?= 1

.PHONY: all deps configure build run test test-plain test-sanitize format format-check bench clean install screenshots fuzz gallery soak translations deb deb-check

all: build

deps:
	@./scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR) $(CMAKE_ARGS)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run

test: format-check test-plain test-sanitize

# One style for every C++ file: .clang-format decides, `make format` applies it.
format-check: | deps
	@./scripts/format --check

format: | deps
	@./scripts/format

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHALVO_SANITIZE=ON -DHALVO_BUILD_BENCH=OFF $(WERROR) $(CMAKE_ARGS)

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the run.
test-sanitize: $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@./scripts/bench $(BUILD)

$(FUZZ_BUILD)/build.ninja: | deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DHALVO_FUZZ=ON \
	  -DHALVO_BUILD_TESTS=OFF -DHALVO_BUILD_BENCH=OFF $(WERROR) $(CMAKE_ARGS)

# libFuzzer targets for the parsers, each run FUZZ_SECONDS from the seed
# corpus in tests/fuzz/corpus; any crash, sanitizer report or hang fails.
# Not part of `make test`.
fuzz: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@./scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The desktop program through 30 days x 5 prayers on a moved clock
# (libfaketime), all five Adhans on, heard on a private null sink: prints
# how many of the 150 calls were heard, when, and how many were early.
# About a quarter of an hour; not part of `make test`, which plays 20
# sounds in one process instead. DAYS=3 makes it shorter.
soak: build
	@BUILD=$(BUILD) ./scripts/soak

install: build
	cmake --install $(BUILD)

# The Debian packages, built by dpkg-buildpackage from a copy of the tree in
# build-deb/ (the tests run inside), into dist/. See docs/packaging.md.
deb: | deps
	@./scripts/deb $(JOBS)

# The package built, checked by lintian, installed with apt-get into this
# machine, run from /usr/bin, and purged again, leaving nothing behind.
# Installs into the system: meant for CI's throw-away machine. Not part of
# `make test`, which it takes longer than.
deb-check: | deps
	@./scripts/deb-check $(JOBS)

# Renders the windows offscreen from a fresh, seeded data folder at a fixed
# date into $(BUILD)/screenshots/.
# SHOTS="168 main" renders only those (dialog ids or picture names);
# SCALE=2 renders them as a screen of twice the density shows them.
screenshots: build
	@BUILD=$(BUILD) SCALE=$(SCALE) ./scripts/screenshots $(SHOTS)

# Refreshes translations/*.ts from the sources (lupdate): new texts come in
# unfinished, texts gone from the code are dropped.
translations: configure
	cmake --build $(BUILD) --target update_translations

# The same pictures into docs/images/, for the README's gallery.
gallery: screenshots
	cp $(BUILD)/screenshots/*.png docs/images/

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
