// One evaluation of a pending addition through the equals key, including its
// three tape lines and the scroll to the tape's end. Target: under 2 us.
// Only the Equal_Click is timed; setting up the addition (plus key, second
// operand) and replacing the store before the tape's 32767 lines run out are
// not.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "engine/calculator_engine.h"
#include "tape/tape_store.h"

namespace {

using namespace mezura;

struct Calculator {
  TapeStore tapes;
  CalculatorEngine engine{tapes};
  Calculator() {
    engine.EnterValue("5'- 3", ValueRole::Entry);
    engine.Equal_Click();  // the first operand
  }
};

void BM_EqualClickPendingAddition(benchmark::State& state) {
  auto calculator = std::make_unique<Calculator>();
  int evaluations = 0;
  for (auto _ : state) {
    if (++evaluations == 10000) {  // 3 lines each: stays clear of the 32767-line limit
      calculator = std::make_unique<Calculator>();
      evaluations = 0;
    }
    CalculatorEngine& engine = calculator->engine;
    engine.Plus_Click();
    engine.EnterValue("2'- 6 1/2\"", ValueRole::Entry);
    const auto start = std::chrono::steady_clock::now();
    engine.Equal_Click();
    const auto stop = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
  }
  if (calculator->tapes.TapeRowCount(0) < 3) state.SkipWithError("the addition wrote no tape lines");
}
BENCHMARK(BM_EqualClickPendingAddition)->UseManualTime();

// The same with the setup inside the timing, as an upper bound that does not
// depend on the clock calls.
void BM_PlusOperandEqual(benchmark::State& state) {
  auto calculator = std::make_unique<Calculator>();
  int evaluations = 0;
  for (auto _ : state) {
    if (++evaluations == 10000) {
      state.PauseTiming();
      calculator = std::make_unique<Calculator>();
      evaluations = 0;
      state.ResumeTiming();
    }
    CalculatorEngine& engine = calculator->engine;
    engine.Plus_Click();
    engine.EnterValue("2'- 6 1/2\"", ValueRole::Entry);
    engine.Equal_Click();
  }
}
BENCHMARK(BM_PlusOperandEqual);

}  // namespace
