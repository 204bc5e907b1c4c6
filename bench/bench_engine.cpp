// One evaluation of a pending addition through the equals key, including its
// three tape lines and the scroll to the tape's end. Target: under 2 us.
// Only the Equal_Click is timed; setting up the addition (plus key, second
// operand) and replacing the store before the tape's 32767 lines run out are
// not.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "addition_steps.h"
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
  const auto calculator =
      bench::RunAdditions<Calculator, bench::Timed::EqualOnly>(state, [](Calculator&, const EngineOutcome&) {});
  if (calculator->tapes.TapeRowCount(0) < 3) state.SkipWithError("the addition wrote no tape lines");
}
BENCHMARK(BM_EqualClickPendingAddition)->UseManualTime();

// The same with the setup inside the timing, as an upper bound that does not
// depend on the clock calls.
void BM_PlusOperandEqual(benchmark::State& state) {
  bench::RunAdditions<Calculator, bench::Timed::AllThreeKeys>(state, [](Calculator&, const EngineOutcome&) {});
}
BENCHMARK(BM_PlusOperandEqual);

}  // namespace
