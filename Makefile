# Quick start on a fresh Debian machine:
#   make run    build, scan a throwaway Wine prefix, then open Nimbrel on it
#   make test   build, then run every test under Wine
#   make dist   build the Windows installer build/dist/Nimbrel-<version>-setup.exe
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test dist run bench format clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_FLAGS) >/dev/null

build: configure
	@env -u MAKEFLAGS -u MAKELEVEL -u MFLAGS cmake --build $(BUILD) -j $(JOBS)

test: build
	@./scripts/run-tests.sh $(BUILD)

dist: configure
	@env -u MAKEFLAGS -u MAKELEVEL -u MFLAGS cmake --build $(BUILD) -j $(JOBS) --target nimbrel_installer
	@ls $(BUILD)/dist/*-setup.exe

run: build
	@./scripts/demo.sh $(BUILD) $(ARGS)

bench: build
	@./scripts/run-bench.sh $(BUILD) $(ARGS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
