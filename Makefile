# The two commands of the README, and the longer runs behind their own targets.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps build build-asan test-asan bench figures fuzz soak clean

run: build
	./$(BUILD)/rendaro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRENDARO_SANITIZE=ON >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Each fuzzer runs FUZZ_SECONDS from its seeds (the cli fuzzer's are the transcripts); findings land
# in fuzz-out/.
FUZZ_SECONDS ?= 60
FUZZERS = load cli
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRENDARO_FUZZ=ON \
	  -DRENDARO_WERROR=OFF -DBUILD_TESTING=OFF >/dev/null
	cmake --build build-fuzz -j $(JOBS) --target $(addprefix rendaro-fuzz-,$(FUZZERS))
	for f in $(FUZZERS); do \
	  seeds=tests/fuzz/corpus/$$f; [ $$f != cli ] || seeds=tests/scripts; \
	  mkdir -p fuzz-out/$$f/corpus && \
	  (cd fuzz-out/$$f && ../../build-fuzz/tests/fuzz/rendaro-fuzz-$$f -max_total_time=$(FUZZ_SECONDS) \
	    -print_final_stats=1 corpus ../../$$seeds) || exit 1; \
	done

# The monkey and the kill test at soak length (make test runs 100,000 events and 200 kills).
SOAK_EVENTS ?= 2000000
SOAK_KILLS ?= 2000
soak: build
	RENDARO_MONKEY_EVENTS=$(SOAK_EVENTS) RENDARO_CRASH_KILLS=$(SOAK_KILLS) \
	  ./$(BUILD)/tests/rendaro-tests --gtest_filter='Monkey*:CrashConsistency*'

bench: build
	./$(BUILD)/tools/rendaro-bench

# The desktop program's start-up time, memory and CPU use on a virtual X display.
figures: build
	tools/bench/desktop_figures.sh $(BUILD)/rendaro $(BUILD)/tools/rendaro-cli

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz fuzz-out
