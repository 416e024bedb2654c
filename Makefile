# Quick start: `make run` or `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: run test build deps bench package cpu-load fuzz soak clean

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

# Share of a core the idle program, the clock and the running stopwatch take under Xvfb (10 s each).
cpu-load: build
	ARTIFACTS=$(BUILD)/e2e-artifacts bench/cpu_load.sh $(BUILD)/tapriko 10

# The settings fuzz target for FUZZ_SECONDS (default 10 minutes); what it finds goes to $(BUILD)/fuzz-run.
FUZZ_SECONDS ?= 600
fuzz: build
	fuzz/run.sh $(BUILD)/fuzz/settings_fuzz $(FUZZ_SECONDS) $(BUILD)/fuzz-run

# Half an hour of use of the real program under Xvfb; memory samples go to $(BUILD)/e2e-artifacts.
SOAK_SECONDS ?= 1800
soak: build
	ARTIFACTS=$(BUILD)/e2e-artifacts tests/e2e/soak.sh $(BUILD)/tapriko $(SOAK_SECONDS)

clean:
	rm -rf $(BUILD)
