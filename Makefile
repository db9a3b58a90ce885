# The user's entry points. `make run` and `make test` do the whole set-up on a
# fresh Debian machine.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=

.PHONY: all deps build run test test-sanitize sweep bench screenshot clean fuzz install package

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Starts the window in the build's program folder (the shipped data files are
# laid out there, and the calendars are written there).
# Installs and builds only what running needs (the programs, their data, the
# window's Qt); the tests, benchmarks and tools are left to `make test`.
run:
	@echo "run: installing the missing packages to build and run (Qt, ERFA, a compiler), if any"
	@bash scripts/install-deps.sh --run
	@echo "run: building ventorel-cli and the window (about 4 minutes the first time on two cores; seconds after)"
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) > /dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target programs
	@bash scripts/run.sh $(BUILD)

# The long sweeps of the sky against the independent ephemeris are `make sweep`.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE sweep

sweep: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L sweep

# The engine's tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVENTOREL_SANITIZE=ON -DVENTOREL_WITH_QT=OFF -DVENTOREL_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS) -LE sweep

# Fuzzes each target for FUZZ_TIME seconds (clang build in build-fuzz): the
# data-file readers, the year box, a whole run and the command line's options. New inputs collect in
# build-fuzz/corpus/TARGET; a crash leaves its input in build-fuzz/ as crash-*.
FUZZ_BUILD   ?= build-fuzz
FUZZ_TIME    ?= 30
FUZZ_TARGETS := data_files:seeds year_text:seeds-year whole_run:seeds-run cli_options:seeds-cli
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
	  -DVENTOREL_WITH_QT=OFF -DVENTOREL_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) $(foreach t,$(FUZZ_TARGETS),--target fuzz_$(firstword $(subst :, ,$(t))))
	set -e; cd $(FUZZ_BUILD); for pair in $(FUZZ_TARGETS); do \
	  name=$${pair%%:*}; seeds=$${pair#*:}; mkdir -p corpus/$$name; \
	  ./fuzz/fuzz_$$name -max_total_time=$(FUZZ_TIME) -timeout=10 corpus/$$name $(CURDIR)/fuzz/$$seeds; \
	done

# Installs into PREFIX (default /usr/local); DESTDIR=... stages the install elsewhere.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package (cpack -G DEB), in the build folder.
package: build
	cmake --build $(BUILD) --target package

bench: build
	$(BUILD)/bench/ventorel-bench

screenshot: build
	@bash scripts/screenshot.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
