# The two commands of the README:
#   make run    install what is missing, build, start the calculator
#   make test   install what is missing, build, run every test
# and what CI adds on top of them:
#   make install-check  install into a temporary prefix and validate what got there
#   make sanitize   the core's tests under AddressSanitizer + UBSan (clang)
#   make fuzz       each fuzz target for FUZZ_SECONDS (default 30), or
#                   FUZZ_TOTAL_SECONDS shared out among the targets
#   make bench      the benchmarks

BUILD        ?= build
JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 30
# When set, the fuzz targets share this budget (at least 10 s each) instead of
# FUZZ_SECONDS each, so that adding a target does not lengthen CI.
FUZZ_TOTAL_SECONDS ?=
CMAKE_FLAGS  ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test install-check sanitize fuzz bench ci clean

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

# The launcher and metainfo through their validators, the installed program's
# help lookup and start, and the uninstall list (see tools/install-check.sh).
install-check: build
	tools/install-check.sh $(BUILD)

# Sanitizer and fuzz builds use clang; UBSan findings abort, so they fail the run.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The whole core is instrumented for coverage, not only the fuzz targets.
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined

sanitize: deps
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMEZURA_UI=OFF \
	  -DMEZURA_SANITIZE=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# Each target runs FUZZ_SECONDS (or its share of FUZZ_TOTAL_SECONDS) from its
# seeds (fuzz/seeds/<target>, if any) and its growing corpus; a crash keeps
# its input in $(BUILD)-fuzz/artifacts and fails make once every target has
# had its turn.
fuzz: deps
	cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEZURA_UI=OFF \
	  -DMEZURA_TESTS=OFF -DMEZURA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)"
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_all
	@status=0; mkdir -p $(BUILD)-fuzz/artifacts; \
	targets=; for f in $(BUILD)-fuzz/fuzz/fuzz_*; do [ -f "$$f" ] && [ -x "$$f" ] && targets="$$targets $$f"; done; \
	seconds=$(FUZZ_SECONDS); total="$(FUZZ_TOTAL_SECONDS)"; \
	if [ -n "$$total" ]; then \
	  count=$$(echo $$targets | wc -w); seconds=$$(( total / (count > 0 ? count : 1) )); \
	  [ $$seconds -ge 10 ] || seconds=10; \
	fi; \
	for f in $$targets; do \
	  name=$$(basename $$f); \
	  corpus=$(BUILD)-fuzz/corpus/$$name; log=$(BUILD)-fuzz/$$name.log; mkdir -p $$corpus; \
	  seeds=; [ -d fuzz/seeds/$$name ] && seeds=fuzz/seeds/$$name; \
	  echo "== $$name for $$seconds s"; \
	  if $(SANITIZE_ENV) $$f -max_total_time=$$seconds -max_len=4096 -timeout=10 \
	      -print_final_stats=1 -artifact_prefix=$(BUILD)-fuzz/artifacts/$$name- \
	      $$corpus $$seeds >$$log 2>&1; then \
	    tail -n 12 $$log; \
	  else \
	    tail -n 60 $$log; echo "== $$name FAILED (full log: $$log)"; status=1; \
	  fi; \
	done; exit $$status

bench: deps
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMEZURA_UI=OFF \
	  -DMEZURA_TESTS=OFF -DMEZURA_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS) --target bench_all
	@for b in $(BUILD)-bench/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; $$b || exit 1; \
	done

ci: test install-check sanitize fuzz

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-bench
