# Korvalt: set-up, build, run and test. Every target installs the Debian
# packages it needs first (only those that are missing).

BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 10
PREFIX     ?= /usr/local
DESTDIR    ?=

BUILD_PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev \
                  libgraphviz-dev
TEST_PACKAGES  := $(BUILD_PACKAGES) ghdl yosys clang clang-format libclang-rt-14-dev locales libc-l10n
BENCH_PACKAGES := $(BUILD_PACKAGES) libbenchmark-dev
# dpkg-shlibdeps (dpkg-dev) and file find the package's library dependencies;
# the rest checks the package and runs its window program on a virtual screen.
PACKAGE_PACKAGES := $(BUILD_PACKAGES) dpkg-dev file lintian desktop-file-utils appstream \
                    xvfb xdotool qt6-qpa-plugins

.PHONY: all build run test format-check bench fuzz install package package-check deps-build deps-test \
        deps-bench deps-package clean

all: build

deps-build:
	@tools/install-packages $(BUILD_PACKAGES)
deps-test:
	@tools/install-packages $(TEST_PACKAGES)
	@tools/ensure-locale de_DE.UTF-8
deps-bench:
	@tools/install-packages $(BENCH_PACKAGES)
deps-package:
	@tools/install-packages $(PACKAGE_PACKAGES)

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps-build $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found. Korvalt is a desktop program; to run it without a screen:"; \
	  echo "  apt-get install xvfb && Xvfb :99 -screen 0 1024x768x24 -nolisten tcp &"; \
	  echo "  DISPLAY=:99 $(BUILD)/korvalt"; \
	  exit 1; \
	fi
	$(BUILD)/korvalt

# The C++ sources must be laid out as .clang-format says (test data excluded).
format-check: deps-test
	git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
	  | grep -v '^tests/data/' | xargs clang-format --dry-run --Werror

test: deps-test build format-check
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300
	$(MAKE) --no-print-directory fuzz
	$(MAKE) --no-print-directory package-check

# make install PREFIX=/usr DESTDIR=/tmp/stage
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, built into $(BUILD)/korvalt_<version>_<arch>.deb.
package: deps-package build
	cd $(BUILD) && cpack -G DEB

package-check: package
	@tools/check-package $(BUILD)

$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DKORVALT_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Each fuzz target runs briefly on a copy of its seed corpus.
fuzz: deps-test $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@tools/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

$(BENCH_BUILD)/build.ninja:
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DKORVALT_BENCH=ON -DCMAKE_BUILD_TYPE=Release

bench: deps-bench $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/korvalt_bench_*; do [ -x "$$b" ] && "$$b"; done; true

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
