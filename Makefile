# Set-up, build, run and test in one place. Missing Debian packages are installed first.
BUILD ?= build
PACKAGES := cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-liberation2 fonts-dejavu-core
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

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

bench: build
	./$(BUILD)/bench/bench_solver

clean:
	rm -rf $(BUILD)
