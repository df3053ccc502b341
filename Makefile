# make run   - install what is missing, build, start Orvia
# make test  - install what is missing, build, run every test, then again
#              under AddressSanitizer and UndefinedBehaviorSanitizer, then each
#              fuzz harness for a few seconds
# make fuzz  - run each fuzz harness for FUZZ_SECONDS (docs/RELIABILITY.md)
# make package - install what is missing, build, make the Debian package in
#              $(BUILD)/ and check it with lintian
BUILD ?= build
ASAN_BUILD ?= build-asan
SHOTS_BUILD ?= build-shots
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 6
JOBS ?= $(shell nproc)

.PHONY: deps build run test test-release test-asan test-fuzz fuzz fuzz-build bench screenshots package clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/orvia

test: deps test-release test-asan test-fuzz

test-release:
	cmake -S . -B $(BUILD) -DORVIA_WERROR=ON
	cmake --build $(BUILD) -j$(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-asan:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORVIA_WERROR=ON -DORVIA_SANITIZE=ON -DORVIA_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

# The fuzz build holds only the toolkit-free libraries and the harnesses.
fuzz-build:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DORVIA_FUZZ=ON -DORVIA_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

test-fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SMOKE_SECONDS)

fuzz: deps fuzz-build
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bench/orvia_bench
	$(BUILD)/bench/crc_bench
	$(BUILD)/bench/check_bench

package: build
	cd $(BUILD) && cpack
	lintian --fail-on error $(BUILD)/orvia_*_$(shell dpkg --print-architecture).deb

# Its own build: only there is the screenshot hook built into the program.
screenshots: deps
	cmake -S . -B $(SHOTS_BUILD) -DORVIA_SCREENSHOT_HOOK=ON -DORVIA_BENCH=OFF
	cmake --build $(SHOTS_BUILD) -j$(JOBS) --target orvia orvia_program_folder
	bash scripts/screenshots.sh $(SHOTS_BUILD)/bin/orvia docs/screenshots

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(SHOTS_BUILD) $(FUZZ_BUILD)
