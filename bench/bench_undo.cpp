// The "=" step of bench_engine with the undo history recording it, as the
// calculator window records every key: the step must stay under 2 us with
// the recording included. Three memory cells are open, each with a value, so
// that a point copies what a user's session holds. Also timed: one undo and
// its redo of such a step.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "addition_steps.h"
#include "engine/calculator_engine.h"
#include "memory/memory_model.h"
#include "memory/undo_history.h"
#include "tape/tape_store.h"

namespace {

using namespace mezura;

struct Calculator {
  TapeStore tapes;
  CalculatorEngine engine{tapes};
  MemoryModel model{tapes};
  UndoHistory history{engine, model};
  Calculator() {
    for (int i = 0; i < 3; ++i) model.SetValue(model.CreateCell(), " 12'- 7 3/4\" ");
    engine.EnterValue("5'- 3", ValueRole::Entry);
    history.Record(engine.Equal_Click().cleared);  // the first operand
  }
};

void RecordStep(Calculator& calculator, const EngineOutcome& outcome) { calculator.history.Record(outcome.cleared); }

void BM_EqualClickRecorded(benchmark::State& state) {
  const auto calculator = bench::RunAdditions<Calculator, bench::Timed::EqualOnly>(state, RecordStep);
  if (!calculator->history.CanUndo()) state.SkipWithError("nothing was recorded");
}
BENCHMARK(BM_EqualClickRecorded)->UseManualTime();

// bench_engine's BM_PlusOperandEqual with each of its three keys recorded:
// the setup is timed too, so that the figure does not depend on clock calls.
void BM_PlusOperandEqualRecorded(benchmark::State& state) {
  bench::RunAdditions<Calculator, bench::Timed::AllThreeKeys>(state, RecordStep);
}
BENCHMARK(BM_PlusOperandEqualRecorded);

void BM_UndoRedoEqual(benchmark::State& state) {
  Calculator calculator;
  for (int i = 0; i < 200; ++i) {
    calculator.history.Record(calculator.engine.Plus_Click().cleared);
    calculator.history.Record(calculator.engine.EnterValue("1\"", ValueRole::Entry).feedback.cleared);
    calculator.history.Record(calculator.engine.Equal_Click().cleared);
  }
  for (auto _ : state) {
    if (!calculator.history.Undo() || !calculator.history.Redo()) state.SkipWithError("undo or redo refused");
  }
}
BENCHMARK(BM_UndoRedoEqual);

}  // namespace
