# Front door for building, running and testing Torvelo.
# Every target first makes sure the Debian packages the build needs are installed.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= 2

.PHONY: all deps configure build run test bench screenshots test-sanitize package check-package clean

all: build

# `make package` also needs dpkg-shlibdeps; `make check-package` also needs lintian.
DEPS_SET ?=

deps:
	@sh tools/install-deps.sh $(DEPS_SET)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) -- --no-print-directory

run: build
	@$(BUILD_DIR)/app/torvelo

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize:
	@$(MAKE) --no-print-directory test BUILD_DIR=build-sanitize BUILD_TYPE=Debug CMAKE_FLAGS=-DTORVELO_SANITIZE=ON

# Only the figures: the build's own lines are shown only when it fails.
bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target torvelo_bench -- --no-print-directory \
		>$(BUILD_DIR)/bench-build.log 2>&1 || { cat $(BUILD_DIR)/bench-build.log; exit 1; }
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/torvelo_bench

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshots/torvelo_screenshots screenshots
	@echo "screenshots written to screenshots/"

# The Debian package, $(BUILD_DIR)/torvelo_<version>_<arch>.deb.
package: DEPS_SET = package
package: build
	@cd $(BUILD_DIR) && rm -f torvelo_*.deb && cpack -G DEB

# Lints, installs, starts and removes that package (system-wide: needs root or sudo).
check-package: DEPS_SET = check
check-package: package
	@sh tools/check-package.sh $(BUILD_DIR)

clean:
	@rm -rf build build-sanitize
