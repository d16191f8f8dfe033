# The two commands a newcomer needs: `make run` and `make test`. Both install what is missing.
BUILD := build
CMAKE_NATIVE := cmake -S . -B $(BUILD)/native -G Ninja
CMAKE_WIN := cmake -S . -B $(BUILD)/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
CMAKE_FUZZ := cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DLARKIT_FUZZ=ON
# Seconds each fuzz target runs: `make fuzz` takes FUZZ_SECONDS (60 by default); `make test` runs
# every target for FUZZ_SMOKE_SECONDS, enough to replay the seeds and try a little more.
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 5

.PHONY: all setup build test test-core test-win run bench dist dist-check screenshots fuzz fuzz-build clean

all: build

setup:
	@sh scripts/setup.sh

build: setup
	@test -f $(BUILD)/native/build.ninja || $(CMAKE_NATIVE) >/dev/null
	@test -f $(BUILD)/win/build.ninja || $(CMAKE_WIN) >/dev/null
	cmake --build $(BUILD)/native
	cmake --build $(BUILD)/win

test: build fuzz-build
	python3 scripts/check_layers.py
	ctest --test-dir $(BUILD)/native --output-on-failure
	sh scripts/fuzz.sh $(BUILD)/fuzz $(FUZZ_SMOKE_SECONDS)
	sh scripts/with_wine.sh ctest --test-dir $(BUILD)/win --output-on-failure

run: build
	sh scripts/with_wine.sh sh scripts/run.sh

# Prints load, rebuild and save figures for a 65,535-line list, and import, find and clipboard
# figures, each with the platform's floor.
bench: setup
	@test -f $(BUILD)/win/build.ninja || $(CMAKE_WIN) >/dev/null
	cmake --build $(BUILD)/win --target larkit_bench larkit_bench_commands
	sh scripts/with_wine.sh sh -c 'scripts/wine-run $(BUILD)/win/larkit_bench.exe && scripts/wine-run $(BUILD)/win/larkit_bench_commands.exe'

# The release: dist/larkit-VERSION-win64.zip from a stripped release build, dated by the commit.
dist: setup
	@mkdir -p dist
	cp "$$(sh scripts/build_release.sh $(BUILD)/dist)" dist/
	@ls -l dist/*.zip

# Builds the release twice from scratch and compares the bytes; then starts the program from
# the unpacked release zip under Wine.
dist-check: setup
	sh scripts/dist_check.sh
	@test -f $(BUILD)/win/build.ninja || $(CMAKE_WIN) >/dev/null
	cmake --build $(BUILD)/win --target larkit_ctl
	sh scripts/with_wine.sh sh tests/release/start_from_zip.sh "$$(ls $(BUILD)/dist-check/first/larkit-*-win64.zip)" $(BUILD)/win/larkit_ctl.exe

# Pictures for the README (docs/*.png) at 100 % and 150 %, taken under Xvfb.
screenshots: build
	sh scripts/screenshots.sh

# Each fuzz target (fuzz/*.cpp) with libFuzzer, ASan and UBSan for FUZZ_SECONDS seconds.
fuzz: fuzz-build
	sh scripts/fuzz.sh $(BUILD)/fuzz $(FUZZ_SECONDS)

fuzz-build: setup
	@test -f $(BUILD)/fuzz/build.ninja || $(CMAKE_FUZZ) >/dev/null
	cmake --build $(BUILD)/fuzz

clean:
	rm -rf $(BUILD) dist
