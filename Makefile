# Thin entry point: every target makes sure the Debian packages are there,
# then drives CMake presets (see CMakePresets.json).

.PHONY: all deps package-deps test-deps build run screenshots test bench install package clean

all: build

# Running needs less than packaging, and packaging less than testing: a
# user who only runs Pacewise gets no test tool and no other desktop's panel.
deps:
	@scripts/install-deps

package-deps:
	@scripts/install-deps --package

test-deps:
	@scripts/install-deps --tests

build: deps
	cmake --preset dev
	cmake --build --preset dev

# The tray application; without a display it shows `pacewisectl status`
# instead, whose exit status 3 only says there is no usage data yet. Only
# the two programs are built, not the tests.
run: deps
	cmake --preset dev
	cmake --build --preset dev --target pacewise pacewisectl
	@build/dev/bin/pacewise || [ $$? -eq 3 ]

# The pictures in docs/screenshots, drawn offscreen from the tests' fakes;
# the Japanese ones need CJK fonts.
screenshots: build
	@scripts/install-deps fonts-noto-cjk
	LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen build/dev/tools/render_screenshots docs/screenshots

SHELL_SCRIPTS = resources/EngineScripts/*.sh tests/fakes/claude tests/fakes/systemctl scripts/install-deps bench/bench_engine.sh bench/bench_idle.sh \
	tests/package/check-deb.sh tests/desktop/*.sh scripts/desktops/*.sh scripts/desktops/scripts/*.sh

# The version as CMakeLists.txt names it ("project(" would unbalance make's parentheses).
open_paren := (
VERSION := $(shell sed -n 's/^project$(open_paren)Pacewise VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
PACKAGE_DIR = build/package

# The engine scripts and the package first, so that CTest's summary closes
# the output.
test: test-deps package
	shellcheck $(SHELL_SCRIPTS)
	bats tests/engine
	tests/package/check-deb.sh $(PACKAGE_DIR) $(VERSION)
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps
	cmake --preset release
	cmake --build --preset release
	@for b in $$(find build/release/bench -maxdepth 1 -type f -name 'bench_*' -perm -u+x | sort) bench/bench_engine.sh bench/bench_idle.sh; do \
		echo "== $$b"; "$$b" || exit 1; \
	done

# `make install PREFIX=/usr/local DESTDIR=/tmp/stage` stages an install.
PREFIX ?= /usr/local
install: deps
	cmake --preset package -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build --preset package
	cmake --install build/package

package: package-deps
	cmake --preset package -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build --preset package
	cd build/package && cpack

clean:
	rm -rf build
