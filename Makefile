# make run   builds everything and starts the editor
# make test  builds everything and runs the whole test suite headless

BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run clean

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

run: build
	@scripts/run-editor $(BUILD)

clean:
	rm -rf $(BUILD)
