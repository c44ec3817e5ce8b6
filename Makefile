# Murkwell: the two everyday commands are `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
ARGS ?=
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test test-quick test-asan bench fuzz preview levelreport soak install package package-check screenshots clean format

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > $(BUILD).configure.log || { cat $(BUILD).configure.log; exit 1; }
	@[ "$(BUILD)" != build ] || ln -sf build/compile_commands.json compile_commands.json

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Starts the game in a window (ARGS="--headless" or other options pass through).
run: build
	@./$(BUILD)/murkwell $(ARGS)

# Installs the game under PREFIX (DESTDIR, when set, is put in front of every path, as packagers expect).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the game in $(BUILD)/, its dependencies read from the libraries it links.
package: build
	@cd $(BUILD) && cpack -G DEB

# That package installed on a clean Debian 12 made in $(BUILD)/debian12 (needs root and the network).
package-check: package
	@packaging/check-clean-install.sh $(BUILD)/debian12 $(BUILD)/murkwell_$$(sed -n 's/^project(Murkwell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)_amd64.deb

# The screenshots the AppStream metainfo names, in $(BUILD)/screenshots/.
screenshots: build
	@packaging/screenshots.sh $(BUILD)/murkwell $(BUILD)/screenshots

# Every test, the slow ones too (CI runs this); `make test-quick` leaves those out while working.
test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-quick: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -LE slow

# The tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	@$(MAKE) --no-print-directory BUILD=build-asan \
	    CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Debug -DMURKWELL_SANITIZE=ON -DMURKWELL_BENCH=OFF" test

# A whole game, a fresh player to the credits, played by the autoplayer under the sanitizers, and the profile
# read back (scripts/soak; about a quarter of an hour).
soak:
	@$(MAKE) --no-print-directory BUILD=build-asan \
	    CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Debug -DMURKWELL_SANITIZE=ON -DMURKWELL_BENCH=OFF" configure
	@cmake --build build-asan -j $(JOBS) --target murkwell murkwell_data
	@scripts/soak build-asan/murkwell

# Contact sheets of the pictures and a listening report of the sounds, in build/data-preview/.
preview: build
	@cmake --build $(BUILD) -j $(JOBS) --target murkwell_preview
	@echo "previews in $(BUILD)/data-preview/"

# Every level played by the autoplayer under SEEDS seeds, timed, in simulated runs on every core: the table
# of runs, a line a level and the chart in $(BUILD)/levelreport/ (LEVELREPORT_ARGS="--relaxed" and others pass through).
SEEDS ?= 5
LEVELREPORT_ARGS ?=
levelreport: build
	@./$(BUILD)/tools/levelreport/levelreport --seeds $(SEEDS) --out $(BUILD)/levelreport $(LEVELREPORT_ARGS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

# Each fuzz target for FUZZ_SECONDS (clang's libFuzzer).
FUZZ_SECONDS ?= 30
fuzz:
	@scripts/install-deps --fuzz
	@CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMURKWELL_FUZZ=ON \
	    -DMURKWELL_TESTS=OFF -DMURKWELL_BENCH=OFF > build-fuzz.configure.log || { cat build-fuzz.configure.log; exit 1; }
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@for f in build-fuzz/fuzz/fuzz_*; do [ -x "$$f" ] || continue; echo "== $$f"; \
	    mkdir -p build-fuzz/corpus/$$(basename $$f); \
	    $$f -max_total_time=$(FUZZ_SECONDS) build-fuzz/corpus/$$(basename $$f) || exit 1; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) build-asan build-fuzz *.configure.log
