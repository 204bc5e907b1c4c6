#pragma once
// The addition every "=" benchmark repeats: "+", an operand, then "=", on a
// calculator that holds a first operand. The calculator is replaced before
// its tape's 32767 lines run out, outside the timing. `after` sees each key's
// outcome: the undo benchmarks record it, the engine's ignore it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "engine/calculator_engine.h"

namespace mezura::bench {

enum class Timed {
  EqualOnly,     // manual time around "=" alone
  AllThreeKeys,  // the setup keys too: an upper bound free of clock calls
};

template <typename Calculator, Timed timed, typename After>
std::unique_ptr<Calculator> RunAdditions(benchmark::State& state, After after) {
  auto calculator = std::make_unique<Calculator>();
  int evaluations = 0;
  for (auto _ : state) {
    if (++evaluations == 10000) {  // 3 lines each: stays clear of the line limit
      state.PauseTiming();
      calculator = std::make_unique<Calculator>();
      evaluations = 0;
      state.ResumeTiming();
    }
    CalculatorEngine& engine = calculator->engine;
    after(*calculator, engine.Plus_Click());
    after(*calculator, engine.EnterValue("2'- 6 1/2\"", ValueRole::Entry).feedback);
    if constexpr (timed == Timed::EqualOnly) {
      const auto start = std::chrono::steady_clock::now();
      after(*calculator, engine.Equal_Click());
      const auto stop = std::chrono::steady_clock::now();
      state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    } else {
      after(*calculator, engine.Equal_Click());
    }
  }
  return calculator;
}

}  // namespace mezura::bench
