BUILD ?= build
JOBS  ?= $(shell nproc)
# The sanitizer build lives apart, so that it never mixes with the normal one.
SAN_BUILD ?= build-asan
SAN_FLAGS := -O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all
# Full stacks let the suppressions name the library a leak lies in; the
# dynamic TLS of loaded plugins is not followed, as the leak checker trips on it.
SAN_ENV := ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:intercept_tls_get_addr=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure program build run test test-sanitize bench fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

# The program and its media alone, so that a first start waits for nothing else.
program: configure
	@cmake --build $(BUILD) --target befehlswart -j$(JOBS)

# Everything: the program, the tests, the corpus drivers and the benchmarks.
build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: program
	@bash scripts/run.sh $(BUILD)

test: build
	@bash scripts/run-tests.sh $(BUILD)

test-sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=$(SAN_FLAGS)" \
		"-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
	@cmake --build $(SAN_BUILD) -j$(JOBS)
	@$(SAN_ENV) bash scripts/run-tests.sh $(SAN_BUILD)

bench: build
	@bash scripts/run-bench.sh $(BUILD)

# The fuzz targets under libFuzzer, FUZZ_SECONDS (60) each; only their seed
# corpora run in test.
fuzz: deps
	@bash scripts/run-fuzz.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD) build-fuzz
