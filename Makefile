# Entry points: `make run` opens the start window on the demo day, `make test`
# runs the whole suite headless. Both install what is missing first.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := g++ cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev libpng-dev fonts-dejavu-core dpkg-dev

FUZZ_PACKAGES := clang libclang-rt-dev

.PHONY: all deps configure build test run bench package clean test-asan fuzz outside-check monkey \
        format-check

all: build

deps:
	@./scripts/install-deps $(PACKAGES)

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The suite, then the size of the suite against the code (scripts/test-size).
test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@./scripts/test-size

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
# Not part of `test`; it installs what it needs like the other targets.
OUTSIDE_PACKAGES := xvfb xdotool dbus-x11 at-spi2-core python3-pyatspi imagemagick

outside-check: build
	@./scripts/install-deps $(OUTSIDE_PACKAGES)
	./scripts/outside-check $(BUILD_DIR)

# The random run through the real windows, long: MONKEY_EVENTS events for each
# of MONKEY_SEEDS, with the figures of each seed.
MONKEY_EVENTS ?= 10000
MONKEY_SEEDS ?= 1 2 3 4 5

monkey: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target test_eventi_casuali
	QT_QPA_PLATFORM=offscreen VELARIS_EVENTI=$(MONKEY_EVENTS) VELARIS_SEMI="$(MONKEY_SEEDS)" \
	    $(BUILD_DIR)/tests/test_eventi_casuali

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/velaris-bench
	$(BUILD_DIR)/velaris-accuracy

# The .deb of every program, with the menu entry, the icon, the manual pages,
# the copyright and the changelog: build/velaris_<version>_<arch>.deb. Where
# lintian is installed it checks the package, and any error or warning fails.
package: build
	rm -f $(BUILD_DIR)/velaris_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	@if command -v lintian >/dev/null; then \
	    echo "lintian $(BUILD_DIR)/velaris_*.deb"; \
	    lintian --fail-on error,warning $(BUILD_DIR)/velaris_*.deb || exit 1; \
	else \
	    echo "lintian is not installed: the package is not checked (apt-get install lintian)"; \
	fi

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/. Any finding stops the test that hit it; the only leaks
# forgiven are the toolkit's own, listed in tests/sanitizers/lsan.supp.
ASAN_DIR ?= build-asan
SANITIZER_ENV := \
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELARIS_SANITIZE=ON \
	    -DVELARIS_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
	    ctest --output-on-failure -j $(JOBS)

# libFuzzer campaign over the three readers (ionogram file, results record,
# settings file), built with clang and the sanitizers in build-fuzz/. Each
# reader runs FUZZ_RUNS inputs from the seeds in tests/tools/fuzz/seeds; the
# corpus grows in build-fuzz/corpus. Figures: docs/reliability.md.
FUZZ_DIR ?= build-fuzz
FUZZ_RUNS ?= 1000000
FUZZ_TARGETS := fuzz_rdf fuzz_risultati fuzz_impostazioni

fuzz: deps
	@./scripts/install-deps $(FUZZ_PACKAGES)
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELARIS_FUZZ=ON \
	    -DVELARIS_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_DIR)/corpus/$$t && \
	    echo "== $$t: $(FUZZ_RUNS) runs" && \
	    $(SANITIZER_ENV) $(FUZZ_DIR)/tests/$$t -runs=$(FUZZ_RUNS) -timeout=1 -rss_limit_mb=2048 \
	        -print_final_stats=1 $(FUZZ_DIR)/corpus/$$t tests/tools/fuzz/seeds/$${t#fuzz_} \
	        || exit 1; \
	done

# Every C++ file of the program and its tools against .clang-format (lines of
# at most 100 characters among the rest); changes nothing, fails on the first
# file that differs. clang-format -i on a file gives it the house form. The
# tests are not checked: their case tables are laid out by hand, one case a
# row, which the formatter would break up into one field a line.
FORMAT_PACKAGES := clang-format
FORMAT_DIRS := src app tools bench

format-check:
	@./scripts/install-deps $(FORMAT_PACKAGES)
	find $(FORMAT_DIRS) \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z | \
	    xargs -0 clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
