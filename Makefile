# Front door: make run | make test | make bench
.PHONY: all setup native windows run test test-native test-windows bench screenshots clean

all: native windows

setup:
	@scripts/setup

native: setup
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j2

windows: setup
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j2

run: windows
	@scripts/run

test: native windows
	ctest --preset native
	scripts/with-wine ctest --preset windows

test-native: native
	ctest --preset native

test-windows: windows
	scripts/with-wine ctest --preset windows

# The bench seeds its registry into a prefix of its own, kept between runs.
bench: windows
	SUITE_WINEPREFIX=$(CURDIR)/build/bench-prefix scripts/with-wine scripts/wine-exec build/windows/tests/scan_bench.exe

clean:
	rm -rf build

# PNGs of tidemark's window on a virtual display, in build/screenshots/.
screenshots: windows
	scripts/screenshots build/windows
