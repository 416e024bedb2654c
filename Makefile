# Quick start: `make run` or `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: run test build deps bench package clean

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/tapriko

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/measure_loop
	$(BUILD)/bench/explosion_frames
	$(BUILD)/bench/pad_edges
	$(BUILD)/bench/records_store $(BUILD)

# A Debian package of the program in $(BUILD)/, from a release build.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
