# Quick start: `make run` builds and starts the program, `make test` runs the
# whole suite headless. Both install missing Debian packages first.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
# ccache, where installed, keeps rebuilds of unchanged files short.
CMAKE_FLAGS ?= $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-release test-asan bench clean install package

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

$(ASAN_DIR)/build.ninja: | deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARO_SANITIZE=ON -DTESSARO_BENCHMARKS=OFF $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)

test: test-release test-asan

test-release: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@scripts/bench.sh $(BUILD_DIR)
	@scripts/bench_repaint.sh $(BUILD_DIR)
	@scripts/bench_startup.sh $(BUILD_DIR)
	@scripts/bench_list_memory.sh $(BUILD_DIR)
	@$(BUILD_DIR)/bin/bench_test_color
	@$(BUILD_DIR)/bin/bench_tool_windows
	@scripts/bench_eye_dropper.sh $(BUILD_DIR)

# Installs into PREFIX (default /usr/local); DESTDIR stages it elsewhere.
PREFIX ?= /usr/local
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package in $(BUILD_DIR)/, installing under /usr.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
