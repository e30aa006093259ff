BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	@bash scripts/run-tests.sh $(BUILD)

bench: build
	@bash scripts/run-bench.sh $(BUILD)

# The file readers under libFuzzer, FUZZ_SECONDS (60) each; not part of test.
fuzz: deps
	@bash scripts/run-fuzz.sh

clean:
	rm -rf $(BUILD) build-fuzz
