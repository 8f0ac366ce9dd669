# Set-up, build, run and test in one place. Missing Debian packages are installed first.
BUILD ?= build
PACKAGES := cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-liberation2 fonts-dejavu-core python3 poppler-utils qt6-translations-l10n \
            desktop-file-utils appstream groff-base dpkg-dev file
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# The benchmark programs of bench/; BENCH_FLAGS passes Google Benchmark flags to each of them,
# e.g. make bench BENCH_FLAGS="--benchmark_repetitions=5 --benchmark_filter=Derive".
BENCHMARKS := bench_puzzles bench_solver bench_screen bench_keep
BENCH_FLAGS ?=
# The sanitized build of the whole suite, and the fuzz targets with their seconds each.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
                UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/leaks.supp \
                TESSARIX_SOAK_EVENTS=20000
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS := fuzz_slot fuzz_fame fuzz_game fuzz_puzzles fuzz_kept
FUZZ_PACKAGES := clang libclang-rt-14-dev
# The Debian package: its own Release build with Debian's hardening flags, then lintian on it.
DEB_BUILD ?= build-deb
DEB_PACKAGES := lintian
DEB_FILE := tessarix_$(shell sed -n 's/^project.Tessarix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-1_$(shell dpkg --print-architecture 2>/dev/null || echo amd64).deb

.PHONY: all deps configure build run deb test bench sanitize fuzz screenshots clean

all: build

deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD)

# Only what it runs: the game and its tool, not the tests and benchmarks.
run: configure
	cmake --build $(BUILD) --target tessarix tessarix-puzzles
	./$(BUILD)/src/qt/tessarix

# tessarix_6.0-1_amd64.deb in the project folder, from a Release build of the game and the tool
# alone; lintian must find no error in it.
deb:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(DEB_PACKAGES)"
	@[ -f $(DEB_BUILD)/build.ninja ] || { eval "$$(dpkg-buildflags --export=sh)" && \
	  CXXFLAGS="$$CXXFLAGS $$CPPFLAGS" cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release; }
	cmake --build $(DEB_BUILD) --target tessarix tessarix-puzzles
	cd $(DEB_BUILD) && cpack --config CPackConfig.cmake -B package
	cp $(DEB_BUILD)/package/$(DEB_FILE) .
	lintian --info $(DEB_FILE)

test: build
	cd $(BUILD) && ctest --output-on-failure --timeout 900 -j$$(nproc)

# Each benchmark program prints its report and keeps it as JSON beside itself; the ratios of the
# literal and fast pairs are read from those files.
bench: build
	@set -e; for b in $(BENCHMARKS); do \
	  ./$(BUILD)/bench/$$b --benchmark_out=$(BUILD)/bench/$$b.json --benchmark_out_format=json \
	    $(BENCH_FLAGS); \
	done
	python3 bench/ratios.py $(foreach b,$(BENCHMARKS),$(BUILD)/bench/$(b).json)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails it.
sanitize: deps
	@[ -f $(SANITIZE_BUILD)/build.ninja ] || cmake -S . -B $(SANITIZE_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIX_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure --timeout 900 -j$$(nproc)

# Each fuzz target for FUZZ_SECONDS seconds from the seed corpus of tests/fuzz/corpus; what it
# finds new stays in the build folder. A finding stops the target and fails the run. The paths
# are absolute: the game's fuzzer works inside a game directory of its own.
fuzz:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIX_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzzers
	@set -e; for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	  echo "== $$f, $(FUZZ_SECONDS) s"; \
	  ./$(FUZZ_BUILD)/tests/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(CURDIR)/$(FUZZ_BUILD)/$$f- $(CURDIR)/$(FUZZ_BUILD)/corpus/$$f \
	    $(CURDIR)/tests/fuzz/corpus/$$f \
	    > $(FUZZ_BUILD)/$$f.log 2>&1 || { tail -n 40 $(FUZZ_BUILD)/$$f.log; exit 1; }; \
	  tail -n 8 $(FUZZ_BUILD)/$$f.log; \
	done

# The README's pictures, made anew from the real window (offscreen) with a few moves played.
screenshots: build
	QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/qt/offscreen_screen.json \
	  ./$(BUILD)/tests/qt/take_screenshots docs

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(DEB_BUILD) $(DEB_FILE)
