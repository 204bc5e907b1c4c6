# The two commands of the README:
#   make run    install what is missing, build, start the calculator
#   make test   install what is missing, build, run every test
# and what CI adds on top of them:
#   make sanitize   the core's tests under AddressSanitizer + UBSan (clang)
#   make fuzz       each fuzz target for FUZZ_SECONDS (default 30)
#   make bench      the benchmarks

BUILD        ?= build
JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CMAKE_FLAGS  ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test sanitize fuzz bench ci clean

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/mezura

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMEZURA_UI=OFF \
	  -DMEZURA_SANITIZE=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEZURA_UI=OFF \
	  -DMEZURA_TESTS=OFF -DMEZURA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	@set -e; for f in $(BUILD)-fuzz/fuzz/fuzz_*; do \
	  [ -x "$$f" ] || continue; name=$$(basename $$f); \
	  mkdir -p $(BUILD)-fuzz/corpus/$$name; \
	  echo "== $$name for $(FUZZ_SECONDS) s"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 -print_final_stats=1 \
	    $(BUILD)-fuzz/corpus/$$name fuzz/seeds/$$name 2>&1 | tail -n 12; \
	done

bench: deps
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMEZURA_UI=OFF \
	  -DMEZURA_TESTS=OFF -DMEZURA_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	@for b in $(BUILD)-bench/bench/bench_*; do [ -x "$$b" ] && $$b; done

ci: test sanitize fuzz

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-bench
