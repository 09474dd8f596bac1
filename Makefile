# The two commands of the README: `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DQAVI_WARNINGS_AS_ERRORS=ON

.PHONY: setup build run test test-asan bench screenshots screenshots-demo screenshots-languages clean

setup:
	@bash scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Starts the tool; with no serial adapter attached it runs the built-in simulated controller.
run: build
	@bash scripts/run.sh $(BUILD)

# Every test, then the core tests again under AddressSanitizer and UBSan.
test: build test-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: setup
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DQAVI_WITH_QT=OFF -DQAVI_SANITIZE=ON -DQAVI_BUILD_BENCH=OFF \
	  -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Timings of the codec, the live decoder and the window (not part of the tests).
bench: build
	@for b in $(BUILD)/bench/qavi_*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_min_time=0.2; done

# Every page of the window as PNG, rendered off-screen into $(BUILD)/screenshots/.
screenshots: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) --target screenshots -j $(JOBS)

# The running demo (the simulated controller, on gas) into $(BUILD)/screenshots-demo/.
screenshots-demo: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) --target screenshots-demo -j $(JOBS)

# The dashboard in every language into $(BUILD)/screenshots-languages/.
screenshots-languages: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) --target screenshots-languages -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
