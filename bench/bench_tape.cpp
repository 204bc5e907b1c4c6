// Appending to a tape when the store is as large as it gets: 100 memory tapes
// of 32767 lines each beside the calculator's tape. Target: under 1 us per
// line. Also reports the process's resident memory, to show that it follows
// the text stored, not the table's rows x tapes: a store whose 101 columns
// share 32777 rows but hold text on one tape only stays small.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "tape/tape_store.h"

namespace {

using namespace mezura;

constexpr int kMemoryTapes = 100;
// The tape the benchmark appends to, opened afresh whenever it is full: lines
// on a tape are never taken back.
constexpr int kAppendTape = kMemoryTapes + 1;
constexpr std::array<std::string_view, 4> kLines = {" 5'- 3 1/2\" ", "+ 2'- 6 1/2\" ", "--------------- ",
                                                     " 7'- 10\" "};

// Resident set size of this process in MiB, from /proc/self/status.
double ResidentMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kib = 0;
      status >> kib;
      return kib / 1024;
    }
    status.ignore(4096, '\n');
  }
  return 0;
}

void Fill(TapeStore& store, int tape, int lines) {
  StepLines all;
  for (int row = 1; row <= lines; ++row) all.emplace_back(kLines[row % kLines.size()]);
  store.AppendLines(tape, all);
}

std::unique_ptr<TapeStore> MakeStore(bool fillMemoryTapes) {
  auto store = std::make_unique<TapeStore>();
  for (int tape = 1; tape <= kAppendTape; ++tape) store->AddTape(tape, "Memory " + std::to_string(tape));
  Fill(*store, 0, kMaxTapeLines);
  if (fillMemoryTapes)
    for (int tape = 1; tape <= kMemoryTapes; ++tape) Fill(*store, tape, kMaxTapeLines);
  return store;
}

void AppendLoop(benchmark::State& state, TapeStore& store) {
  const StepLines line = {"+ 2'- 6 1/2\" "};
  for (auto _ : state) {
    if (!store.HasRoomFor(kAppendTape, 1)) store.AddTape(kAppendTape, "again");  // not timed
    const auto start = std::chrono::steady_clock::now();
    store.AppendLines(kAppendTape, line);
    const auto stop = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
  }
}

void BM_AppendOneTapeFilled(benchmark::State& state) {
  const double before = ResidentMiB();
  auto store = MakeStore(false);
  state.counters["rss_growth_MiB"] = ResidentMiB() - before;
  state.counters["table_cells"] = static_cast<double>(store->RowCount()) * store->ColumnCount();
  AppendLoop(state, *store);
}
BENCHMARK(BM_AppendOneTapeFilled)->UseManualTime()->Iterations(200000);

void BM_AppendAllTapesFilled(benchmark::State& state) {
  const double before = ResidentMiB();
  auto store = MakeStore(true);
  const double growth = ResidentMiB() - before;
  state.counters["rss_growth_MiB"] = growth;
  state.counters["rss_MiB"] = ResidentMiB();
  state.counters["lines_stored"] = static_cast<double>(kMemoryTapes + 1) * kMaxTapeLines;
  state.counters["bytes_per_line"] = growth * 1024 * 1024 / ((kMemoryTapes + 1) * double{kMaxTapeLines});
  AppendLoop(state, *store);
}
BENCHMARK(BM_AppendAllTapesFilled)->UseManualTime()->Iterations(200000);

void BM_AppendRefusedOnFullTape(benchmark::State& state) {
  TapeStore store;
  Fill(store, 0, kMaxTapeLines);
  const StepLines line = {"+ 2'- 6 1/2\" "};
  for (auto _ : state) benchmark::DoNotOptimize(store.AppendLines(0, line));
  if (store.TapeRowCount(0) != kMaxTapeLines) state.SkipWithError("a full tape grew");
}
BENCHMARK(BM_AppendRefusedOnFullTape);

}  // namespace
