# Kelvora: one command to run, one to test. See README.md.
PREFIX       ?= $(HOME)/Kelvora
FUZZ_SECONDS ?= 60
JOBS         ?= $(shell nproc)

# Debian packages that building and running the program need, its fonts among them.
PACKAGES      := cmake ninja-build g++ qt6-base-dev libgl-dev fonts-arphic-uming
# What the tests, the benchmarks and the fuzzers add: the test libraries, clang for the fuzzers
# (its sanitizer runtime follows below, by clang's version), Xvfb and a window manager for the
# real-window test, the CJK fonts most Chinese desktops have, and the desktop entry's validator.
TEST_PACKAGES := clang libgtest-dev libgmock-dev xvfb xauth openbox wmctrl fonts-noto-cjk \
                 desktop-file-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs those of the packages in $(1) that are missing, in one apt-get run.
install_missing = missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

# The fuzz targets: a clang build of the data layer with libFuzzer and the sanitizers.
FUZZ_BUILD := CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
                -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVORA_FUZZ=ON \
              && cmake --build build-fuzz -j $(JOBS) --target kelvora_fuzz

.PHONY: all deps test-deps build run demo install install-desktop test bench fuzz clean

all: build

deps:
	@$(call install_missing,$(PACKAGES))

# The sanitizer runtime of the installed clang's own version (libclang-rt-14-dev on Debian 12).
test-deps: deps
	@$(call install_missing,$(TEST_PACKAGES))
	@major=$$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1); \
	if [ -z "$$major" ]; then echo "Cannot tell the version of clang" >&2; exit 1; fi; \
	$(call install_missing,libclang-rt-$$major-dev)

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

install: build
	cmake --install build --prefix "$(PREFIX)"

run: install
	cd "$(PREFIX)" && ./kelvora

# The program installed in a temporary program folder, on a made-up register of the last three
# years, with settings of its own: the register in $(PREFIX) and ~/.config/Tovi.ini stay untouched.
# The settings go to the Tovi.ini made in that folder, which the program then keeps them in; the
# environment stays the user's, so that input methods and themes work as in a normal start.
demo: build
	@dir=$$(mktemp -d "$${TMPDIR:-/tmp}/kelvora-demo.XXXXXX") && \
	cmake --install build --prefix "$$dir" >/dev/null && \
	./build/tools/sample/kelvora_sample_register "$$dir" 300 && \
	: >"$$dir/Tovi.ini" && \
	echo "Kelvora demo: a sample register in $$dir" && \
	cd "$$dir" && ./kelvora

install-desktop: install
	sh tools/install-desktop.sh "$(PREFIX)"

# The sanitizer build's tests, then a few seconds of each fuzz target over its corpus (which keeps
# the inputs of earlier failures), so that the fuzzers keep building and running clean.
test: test-deps
	cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DKELVORA_TESTS=ON -DKELVORA_WERROR=ON -DKELVORA_SANITIZE=ON
	cmake --build build-test -j $(JOBS)
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(FUZZ_BUILD)
	sh tests/fuzz/run.sh build-fuzz 5

# valgrind's callgrind counts the instructions of the interactions (BENCHMARKS.md).
bench: test-deps
	@$(call install_missing,valgrind)
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVORA_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target kelvora_bench
	cd build-bench && QT_QPA_PLATFORM=offscreen ./bench/kelvora_bench --json bench.json

fuzz: test-deps
	$(FUZZ_BUILD)
	sh tests/fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-test build-bench build-fuzz
