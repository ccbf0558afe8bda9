# Entry points: `make run` opens the start window on the demo day, `make test`
# runs the whole suite headless. Both install what is missing first.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := g++ cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev libpng-dev fonts-dejavu-core dpkg-dev

.PHONY: all deps configure build test run bench package clean outside-check

all: build

deps:
	@./scripts/install-deps $(PACKAGES)

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The demo day is written once; an existing demo/ (with the operator's results)
# is left alone.
run: build
	@[ -d demo ] || $(BUILD_DIR)/velaris-demo demo
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}$${QT_QPA_PLATFORM:-}" ]; then \
	    echo "velaris: there is no display here; run it under Xvfb: xvfb-run -a -s '-screen 0 1280x1024x24' make run"; \
	    exit 1; \
	fi
	cd demo && ../$(BUILD_DIR)/velaris

# The real program walked from outside: Xvfb, xdotool, AT-SPI, screenshots.
# Not part of `test`; it says which Debian packages it lacks.
outside-check: build
	./scripts/outside-check $(BUILD_DIR)

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/velaris-bench

# The .deb of every program, with the menu entry, the icon and the manual pages:
# build/velaris_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
