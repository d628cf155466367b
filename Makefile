# Lumarest — the two set-up commands (`make run`, `make test`) and the other build entry points.
# Each target installs what is missing, configures its own build folder and builds only what it needs.

JOBS        ?= $(shell nproc)
BUILD       ?= build
ASAN_BUILD  ?= build-asan
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test asan fuzz bench clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/src/shell/lumarest

test: build
	@./scripts/with-test-services ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure --timeout 300

asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMAREST_SANITIZE=ON $(CMAKE_FLAGS)
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions:print_suppressions=0 \
	  ./scripts/with-test-services ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure --timeout 900

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMAREST_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $(CMAKE_FLAGS)
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all
	@./scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: configure
	@cmake -S . -B $(BUILD) -DLUMAREST_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target bench_all
	@./scripts/run-benchmarks $(BUILD)

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
