#pragma once
// Everything undo must put back, taken whole so that one comparison checks it:
// the engine's state and captions, every line of every tape, every cell.
//
//   const CalculationPicture before = CalculationPicture::Take(engine, model);
//   ... a step, then undo ...
//   EXPECT_EQ(CalculationPicture::Take(engine, model), before);

#include <ostream>
#include <string>
#include <vector>

#include "engine/calculator_engine.h"
#include "memory/memory_model.h"

namespace mezura::testing {

struct CalculationPicture {
  EngineSnapshot engine;
  std::vector<std::vector<std::string>> tapes;  ///< every row of the table, as the tape window shows it
  std::vector<MemoryCell> cells;
  bool operator==(const CalculationPicture&) const = default;

  static CalculationPicture Take(const CalculatorEngine& engine, MemoryModel& model) {
    CalculationPicture picture{engine.Snapshot(), {}, model.Cells()};
    const TapeStore& store = model.Tapes();
    for (int tape = 0; tape < store.TapeSlots(); ++tape) {
      auto& lines = picture.tapes.emplace_back();
      for (int row = 0; row < store.RowCount(); ++row) lines.emplace_back(store.Line(tape, row));
    }
    return picture;
  }
};

// So that a failed comparison shows what differs.
inline void PrintTo(const CalculationPicture& p, std::ostream* os) {
  *os << "[" << p.engine.readout << "] [" << p.engine.actionLabel << "] [" << p.engine.label1 << "]";
  for (const auto& tape : p.tapes) {
    *os << "\n tape:";
    for (const std::string& line : tape) *os << (line.empty() ? "" : " [" + line + "]");
  }
  for (const MemoryCell& cell : p.cells) *os << "\n cell " << cell.number << " [" << cell.value << "]";
}

}  // namespace mezura::testing
