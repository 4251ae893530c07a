# The two commands a new machine needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_BUILD ?= build-fuzz
SAN_BUILD ?= build-sanitize
EXAMPLE = examples/example.pvb6

.PHONY: deps configure build run test test-sanitize bench fuzz format clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/ui/pravelo-board $(EXAMPLE)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The core tests once more with AddressSanitizer and UndefinedBehaviorSanitizer (no window).
test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
	  -DPRAVELO_GUI=OFF -DPRAVELO_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	for b in $(BUILD)/bench/bench_*; do $$b; done

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRAVELO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	# New inputs go to the build folder; the seeds in fuzz/corpus stay as they are.
	for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  name=$$(basename $$f | sed 's/^fuzz_//'); mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  $$f -max_total_time=60 $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name; done

format:
	find src tests bench fuzz examples -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SAN_BUILD)
