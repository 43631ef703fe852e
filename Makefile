# The two commands of the README do all the set-up themselves:
#   make run   installs what the desktop program needs, builds and starts it
#   make test  installs the test clients as well, then every test (natively,
#              then the logic tests again as WebAssembly under node, then the
#              web panel's site and its tests in Chromium, Firefox and WebKit)
JOBS ?= $(shell nproc)

.PHONY: all setup setup-test build run test test-wasm sanitize logic format-check bench \
  bench-startup fuzz fuzz-department long-walk seeds screenshot package clean web serve-web \
  bench-web test-web screenshot-web build-tests

all: build

# Package groups of scripts/install-deps.sh: run for building and running the
# desktop program, test for everything the tests and their clients need.
setup:
	@scripts/install-deps.sh run

setup-test:
	@scripts/install-deps.sh test

# The program alone needs none of the test libraries or clients: a first
# configuration leaves the tests out. A build folder configured with them
# (by make test) keeps them.
build: setup
	@if [ -f build/CMakeCache.txt ]; then cmake --preset default >/dev/null; \
	else cmake --preset default -DBUILD_TESTING=OFF >/dev/null; fi
	cmake --build --preset default -j $(JOBS)

# The program and every test of the native build. A test client that is
# missing or too old stops the configuration, naming its Debian package;
# none may be switched off here (VARDEL_SKIP_CLIENTS is for a build
# configured by hand).
build-tests: setup-test
	cmake --preset default -DBUILD_TESTING=ON -DVARDEL_SKIP_CLIENTS= >/dev/null
	cmake --build --preset default -j $(JOBS)

run: build
	@scripts/run.sh build/app/vardel

# The web build is configured before any test runs too, so that a browser
# that is missing or too old stops the run at once.
test: setup-test
	cmake --preset web -DVARDEL_SKIP_CLIENTS= >/dev/null
	@$(MAKE) --no-print-directory build-tests
	ctest --preset default -j $(JOBS)
	@$(MAKE) --no-print-directory test-wasm
	@$(MAKE) --no-print-directory test-web

# The engine and its logic tests compiled by emscripten to WebAssembly, the
# tests run under node: both builds must compute the same.
test-wasm: setup-test
	cmake --preset wasm >/dev/null
	cmake --build --preset wasm -j $(JOBS)
	ctest --preset wasm -j $(JOBS)

sanitize: setup-test
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# The Qt-free layers alone, with the window switched off: proves that core/,
# calc/, department/ and panel/ build and pass their tests without Qt.
logic: setup-test
	cmake --preset logic >/dev/null
	cmake --build --preset logic -j $(JOBS)
	ctest --preset logic -j $(JOBS)

# Every C++ source as .clang-format writes it; `clang-format -i FILE` mends one.
format-check:
	@scripts/install-deps.sh format
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# The key-sequence fuzzer, built with clang in build-fuzz, for FUZZ_SECONDS.
# New finds go to build-fuzz/corpus; the committed seeds in tests/fuzz/corpus
# are read but not written. Crashes land in build-fuzz/ as crash-* files.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps.sh test fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus
	cd build-fuzz && tests/fuzz/key_sequence_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=128 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
	  corpus ../tests/fuzz/corpus

# The random key walk with the honesty model, far longer than in `make test`:
# WALK_ACTIONS actions (10^8 by default), WALK_SEED for another walk.
WALK_ACTIONS ?= 100000000
WALK_SEED ?= 20240611
long-walk: build-tests
	VARDEL_WALK_ACTIONS=$(WALK_ACTIONS) VARDEL_WALK_SEED=$(WALK_SEED) \
	  build/tests/robustness/robustness_tests --gtest_filter='RandomWalk.EveryInvariant*'

# The department file's reader fuzzed for FUZZ_SECONDS, from the documented
# example; new finds go to build-fuzz/department-corpus.
fuzz-department:
	@scripts/install-deps.sh test fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz --target department_file_fuzzer -j $(JOBS)
	mkdir -p build-fuzz/department-corpus
	cd build-fuzz && tests/fuzz/department_file_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=8192 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
	  department-corpus ../tests/fuzz/department-corpus

# Rewrites the fuzzer's seeds, tests/fuzz/corpus/seed-*, from their key
# scripts in tests/robustness/seed_scripts.h.
seeds: build-tests
	cmake --build --preset default --target make_seed_corpus -j $(JOBS)
	build/tests/robustness/make_seed_corpus tests/fuzz/corpus

# Figures of the logic and of a key press through the window (optimised build).
bench:
	@scripts/install-deps.sh bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)
	build-bench/bench/vardel-logic-bench --benchmark_min_time=0.1 --benchmark_repetitions=5 \
	  --benchmark_display_aggregates_only=true
	@if [ -x build-bench/bench/vardel-window-bench ]; then build-bench/bench/vardel-window-bench; \
	else echo "no window benchmark: the build has no Qt window"; fi

# Start-up time and memory against the Qt floor,
# on a private X server. RUNS=n sets the number of counted rounds.
bench-startup: setup-test
	@scripts/bench-startup.sh

# Every build folder that a preset names: build for the default preset,
# build-<preset> for the others.
PRESET_DIRS = $(shell python3 -c 'import json; print(" ".join( \
  p.get("binaryDir", "$${sourceDir}/build-$${presetName}").replace("$${sourceDir}/", "") \
  .replace("$${presetName}", p["name"]) for p in json.load(open("CMakePresets.json"))["configurePresets"] \
  if not p.get("hidden")))')
clean:
	rm -rf $(PRESET_DIRS)

# The web panel: the engine compiled with emscripten and the site around it,
# static files in build-web/site that any web server can host.
# DEPARTMENT=path/to/file puts that department file beside the page, as
# department.json, once the engine's reader has taken it; without it the
# site has none.
DEPARTMENT ?=
web:
	@scripts/install-deps.sh web
	cmake --preset web -DVARDEL_DEPARTMENT=$(if $(DEPARTMENT),$(abspath $(DEPARTMENT))) >/dev/null
	cmake --build --preset web -j $(JOBS)

serve-web: web
	node scripts/serve-web.mjs build-web/site 8080

# playwright-core and puppeteer-core, as pinned in package-lock.json, for the
# browser tests; the browsers themselves are Debian's.
node_modules/.package-lock.json: package.json package-lock.json
	npm ci --no-audit --no-fund

# The site's renderer under node, and the web panel at a desktop and a phone
# size in three engines, Chromium, Firefox and WebKit, as ctest lists them
# (VARDEL_WEB_ENGINES=firefox,webkit picks some).
test-web: web node_modules/.package-lock.json
	ctest --preset web

# The pictures of the web panel in the README: the designed panel and the
# large keys, each in a phone-sized viewport.
screenshot-web: web node_modules/.package-lock.json
	node web/tests/screenshot-web.mjs docs

# Transfer sizes, start-up against the floor page (on a desktop, and on a
# slow phone with its repeat visits offline), and key-press times.
bench-web: web node_modules/.package-lock.json
	node web/tests/bench-web.mjs

# The picture of the panel in the README, taken without a display.
screenshot: build-tests
	cmake --build --preset default --target vardel-screenshot -j $(JOBS)
	QT_QPA_PLATFORM=offscreen build/tests/ui/vardel-screenshot docs/panel.png
	QT_QPA_PLATFORM=offscreen build/tests/ui/vardel-screenshot --department \
	  docs/department-values.png docs/department-mark.png
	rm -rf build/chart-picture && mkdir -p build/chart-picture
	QT_QPA_PLATFORM=offscreen build/tests/ui/vardel-screenshot --working \
	  docs/working.png docs/pump-chart-box.png build/chart-picture
	pdftoppm -png -r 60 -singlefile build/chart-picture/pump-chart.pdf docs/pump-chart-printed
	QT_QPA_PLATFORM=offscreen build/tests/ui/vardel-screenshot --practice docs/practice.png \
	  build/chart-picture
	pdftoppm -png -r 50 build/chart-picture/practice-worksheet.pdf docs/practice-worksheet
	rm -rf build/card-picture && mkdir -p build/card-picture
	QT_QPA_PLATFORM=offscreen build/tests/ui/vardel-screenshot --lays \
	  docs/lays-box.png docs/lay-result.png docs/lay-working.png build/card-picture
	pdftoppm -png -r 60 -singlefile build/card-picture/pump-panel-card.pdf docs/pump-panel-card

# The Debian package of the installed tree, as build/vardel_<version>_<arch>.deb.
package: build-tests
	cd build && cpack -G DEB
