# The two commands of the README, and the longer runs behind their own targets.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRENDARO_WERROR=ON

.PHONY: run test deps configure build build-asan test-asan bench figures report fuzz soak package mutants clean

# The game alone, and what it needs: tests and benchmarks wait for `make test` and `make bench`.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target rendaro
	./$(BUILD)/rendaro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRENDARO_SANITIZE=ON -DRENDARO_WERROR=ON >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Each fuzzer runs FUZZ_SECONDS from its seeds (the cli fuzzer's are the transcripts); findings land
# in fuzz-out/.
FUZZ_SECONDS ?= 60
FUZZERS = load cli position
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

# Plants each fault of tools/mutants/faults.txt in a copy under build-mutants/ and runs the fast tests
# against it; fails when one survives. MUTANTS=REGEX runs the faults whose "file: description" match.
mutants: deps
	MUTANTS='$(MUTANTS)' JOBS=$(JOBS) tools/mutants/run.py

# The micro-benchmarks, then whole computer-only games in one simulator process: the best of three
# runs, since whatever else the machine does can only slow a run down.
bench: build
	./$(BUILD)/tools/rendaro-bench
	@for mode in partners short; do \
	  for run in 1 2 3; do \
	    ./$(BUILD)/tools/rendaro-sim --games 3000 --seed 1 --mode $$mode | sed -n 's/.*| \([0-9]*\) per CPU second.*/\1/p'; \
	  done | sort -n | paste -sd ' ' | awk -v mode=$$mode '{ printf "rendaro-sim %-8s %s games per CPU second (best of %d runs of 3,000 games: %s)\n", mode, $$NF, NF, $$0 }'; \
	done

# docs/strength.md and its charts: the computer's strength and the dice's fairness, measured.
report: build
	scripts/strength-report.sh $(BUILD)/tools/rendaro-sim

# The Debian package, built in release from what it ships only, then unpacked and tried.
PACKAGE_BUILD ?= build-package
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target rendaro rendaro-cli rendaro-sim rendaro-desktop-files
	cd $(PACKAGE_BUILD) && cpack >/dev/null
	mv $(PACKAGE_BUILD)/rendaro_*_amd64.deb .
	tests/package_test.sh rendaro_*_amd64.deb

# The desktop program's start-up time, memory and CPU use on a virtual X display.
figures: build
	tools/bench/desktop_figures.sh $(BUILD)/rendaro $(BUILD)/tools/rendaro-cli

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD) build-fuzz build-mutants fuzz-out rendaro_*_amd64.deb
