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

bench: windows
	scripts/with-wine build/windows/bench/scan_bench.exe

clean:
	rm -rf build
