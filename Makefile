# The two commands a new user runs: `make run` and `make test`. Each installs
# what it needs, builds and runs.

.PHONY: run test install build-release build-test bench fuzz fuzz-replay clean package

DEMO := build/release/samples/demo.op6

# Opens the demo in the window; without a display, draws its screens into pictures.
run: install build-release
	bash packaging/run-demo.sh build/release

# A Debian package of the release build, in build/release/packages/.
package: install build-release
	cd build/release && cpack -G DEB

test: install build-test
	ctest --preset test
	bash scripts/check-test-names.sh test

install:
	bash scripts/install-deps.sh

build-release:
	cmake --preset release >/dev/null
	cmake --build --preset release

build-test:
	cmake --preset test >/dev/null
	cmake --build --preset test

bench: install
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	bash bench/run.sh build/bench

fuzz:
	bash scripts/install-deps.sh --fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz --target fuzzers

clean:
	rm -rf build
