# Talvex Studio: the two set-up commands are "make run" and "make test".

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 20
GENERATOR  := -G Ninja

# Let ccache share results between clones in different folders (CI builds a
# fresh clone elsewhere on the same machine).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps configure build run test bench fuzz asan install package clean

all: build

deps:
	@sh scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/TalvexStudio $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@set -e; for b in $(BUILD)/benchmarks/*; do \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen TALVEX_BUILD_DIR=$(CURDIR)/$(BUILD) $$b; \
	done

$(FUZZ_BUILD)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTALVEX_FUZZ=ON -DTALVEX_BUILD_TESTS=OFF

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@set -e; for f in $(FUZZ_BUILD)/fuzzers/*; do \
		name=$$(basename $$f); corpus=$(FUZZ_BUILD)/corpus/$$name; mkdir -p $$corpus; \
		seeds=fuzz/corpus/$$name; [ -d $$seeds ] || seeds=; \
		echo "== $$name ($(FUZZ_SECONDS) s)"; \
		QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $$corpus $$seeds; \
	done

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DTALVEX_SANITIZE=ON

asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/opt/talvex-studio)

# The Debian package talvex-studio_<version>_amd64.deb in $(BUILD).
package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
