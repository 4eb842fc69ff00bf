# Thin entry point: every target makes sure the Debian packages are there,
# then drives CMake presets (see CMakePresets.json).

.PHONY: all deps build run test bench clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev

# Until the tray application exists, "running Pacewise" means showing the
# current usage. Exit status 3 only says there is no usage data yet.
run: build
	@build/dev/pacewisectl/pacewisectl status || [ $$? -eq 3 ]

SHELL_SCRIPTS = resources/EngineScripts/*.sh tests/fakes/claude scripts/install-deps bench/bench_engine.sh

# The engine scripts first, so that CTest's summary closes the output.
test: deps
	shellcheck $(SHELL_SCRIPTS)
	bats tests/engine
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps
	cmake --preset release
	cmake --build --preset release
	@for b in $$(find build/release/bench -maxdepth 1 -type f -name 'bench_*' -perm -u+x | sort) bench/bench_engine.sh; do \
		echo "== $$b"; "$$b" || exit 1; \
	done

clean:
	rm -rf build
