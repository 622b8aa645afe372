# Kelvora: one command to run, one to test. See README.md.
PREFIX       ?= $(HOME)/Kelvora
FUZZ_SECONDS ?= 60
JOBS         ?= $(shell nproc)

# Debian packages the build, the tests and the program's fonts need.
PACKAGES := cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev \
            libgtest-dev libgmock-dev fonts-arphic-uming xvfb xauth openbox wmctrl

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The fuzz targets: a clang build of the data layer with libFuzzer and the sanitizers.
FUZZ_BUILD := CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
                -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVORA_FUZZ=ON \
              && cmake --build build-fuzz -j $(JOBS) --target kelvora_fuzz

.PHONY: all deps build run demo install install-desktop test bench fuzz clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

install: build
	cmake --install build --prefix "$(PREFIX)"

run: install
	cd "$(PREFIX)" && ./kelvora

# The program installed in a temporary program folder, on a made-up register of the last three
# years, with settings of its own: the register in $(PREFIX) and ~/.config/Tovi.ini stay untouched.
demo: build
	@dir=$$(mktemp -d "$${TMPDIR:-/tmp}/kelvora-demo.XXXXXX") && \
	cmake --install build --prefix "$$dir" >/dev/null && \
	./build/tools/sample/kelvora_sample_register "$$dir" 300 && \
	echo "Kelvora demo: a sample register in $$dir" && \
	cd "$$dir" && XDG_CONFIG_HOME="$$dir/.config" ./kelvora

install-desktop: install
	sh tools/install-desktop.sh "$(PREFIX)"

# The sanitizer build's tests, then a few seconds of each fuzz target over its corpus (which keeps
# the inputs of earlier failures), so that the fuzzers keep building and running clean.
test: deps
	cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DKELVORA_TESTS=ON -DKELVORA_WERROR=ON -DKELVORA_SANITIZE=ON
	cmake --build build-test -j $(JOBS)
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(FUZZ_BUILD)
	sh tests/fuzz/run.sh build-fuzz 5

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVORA_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target kelvora_bench
	cd build-bench && QT_QPA_PLATFORM=offscreen ./bench/kelvora_bench --json bench.json

fuzz: deps
	$(FUZZ_BUILD)
	sh tests/fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-test build-bench build-fuzz
