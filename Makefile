# Front door. `make run` starts HUEX under Wine; `make test` builds everything and runs every test.
BUILD      ?= build
BUILD_TYPE ?= Release
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

CMAKE_CONFIGURE = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

.PHONY: all deps build run test bench fuzz format tidy clean

all: build

deps:
	@tools/deps.sh

build: deps
	@$(CMAKE_CONFIGURE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run.sh $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BUILD)/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DHUEX_WINDOWS=OFF >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS) --target huex_bench
	@$(BUILD)/bench/huex_bench --benchmark_min_time=0.2

fuzz: deps
	@CXX=clang++ cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUEX_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)/fuzz -j $(JOBS)
	@tools/fuzz.sh $(BUILD)/fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

MINGW_CXX_INCLUDE = $(shell ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix/include/c++ 2>/dev/null | head -n 1)

tidy: build
	@git ls-files 'src/color/*.cpp' 'src/pattern/*.cpp' tools/artgen | grep '\.cpp$$' | xargs clang-tidy -p $(BUILD) --quiet
	@git ls-files 'src/*.cpp' | grep -v -E '^src/(color|pattern)/' | xargs clang-tidy -p $(BUILD)/win --quiet \
	  --extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-isystem$(MINGW_CXX_INCLUDE) \
	  --extra-arg=-isystem$(MINGW_CXX_INCLUDE)/x86_64-w64-mingw32

clean:
	rm -rf $(BUILD)
