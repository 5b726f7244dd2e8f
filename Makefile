# make run            builds everything and starts the editor
# make test           builds everything and runs the whole test suite headless
# make test-sanitize  the same suite built apart with AddressSanitizer and
#                     UndefinedBehaviorSanitizer: any report fails it
# make fuzz           runs each fuzzer for FUZZ_SECONDS seconds on its corpus
# make deb            builds the Debian package into $(BUILD)/
# make bench          builds everything and prints the editor beside stock Qt:
#                     start-up, memory, Evaluate and a keystroke, with their
#                     ratios and goals

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

# The first report ends the program and fails its test; leaks count.
SANITIZER_ENV = \
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0

.PHONY: all deps configure build test test-sanitize fuzz run deb bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j 2

$(SANITIZE_BUILD)/build.ninja:
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOSTRAK_SANITIZE=ON -DOSTRAK_BENCH=OFF $(CMAKE_FLAGS)

test-sanitize: deps $(SANITIZE_BUILD)/build.ninja
	cmake --build $(SANITIZE_BUILD)
	$(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j 2

$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DOSTRAK_FUZZ=ON -DOSTRAK_BENCH=OFF $(CMAKE_FLAGS)

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) --target $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp)))
	scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

run: build
	@scripts/run-editor $(BUILD)

deb: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@scripts/bench $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
