# The two commands of the README do all the set-up themselves:
#   make run   installs missing packages, builds and starts the calculator
#   make test  the same set-up, then every test
JOBS ?= $(shell nproc)

.PHONY: all setup build run test sanitize bench bench-startup fuzz screenshot package clean

all: build

setup:
	@scripts/install-deps.sh

build: setup
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

run: build
	@scripts/run.sh build/app/vardel

test: build
	ctest --preset default -j $(JOBS)

sanitize: setup
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

clean:
	rm -rf build build-sanitize build-bench

# The picture of the panel in the README, taken without a display.
screenshot: build
	cmake --build --preset default --target vardel-screenshot -j $(JOBS)
	QT_QPA_PLATFORM=offscreen build/tests/ui/vardel-screenshot docs/panel.png
