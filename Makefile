# Set-up, build, run and test in one place. Missing Debian packages are installed first.
BUILD ?= build
PACKAGES := cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-liberation2 fonts-dejavu-core python3 poppler-utils
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# The benchmark programs of bench/; BENCH_FLAGS passes Google Benchmark flags to each of them,
# e.g. make bench BENCH_FLAGS="--benchmark_repetitions=5 --benchmark_filter=Derive".
BENCHMARKS := bench_puzzles bench_solver
BENCH_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
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

run: build
	./$(BUILD)/src/qt/tessarix

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

clean:
	rm -rf $(BUILD)
