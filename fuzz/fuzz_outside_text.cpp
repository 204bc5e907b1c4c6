// Fuzzes text from outside the program: the one rule that reads it, then the
// same text dropped on the display and on a memory cell while the calculator
// holds a total (or waits with an operation) and the cell holds a value. The
// first byte picks that state, the second the half dropped on; the rest is
// the text.
// Invariants: what the rule takes is trimmed, in the program's own form,
// reads back as itself and as a finite value; a drop of text it refuses beeps
// once and changes no display, total, cell or tape; whatever a drop does, no
// caption, cell or tape line shows "inf" or "nan" and the total stays finite.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculator_engine.h"
#include "fuzz_checks.h"
#include "measure/measurement.h"
#include "measure/outside_text.h"
#include "memory/memory_model.h"
#include "memory/memory_transfers.h"

namespace {

using namespace mezura;
using fuzz::Check;
using fuzz::CheckShown;

// Calculator states, typed as the keyboard would, and cell values.
constexpr std::array<std::string_view, 8> kTyped = {
    "", "5'3=", "5'3=+", "5'3=-", "5'3=x", "5'3=/", "5'=x5'=", "5'=x5'=x5'=",
};
constexpr std::array<std::string_view, 4> kCellValues = {"0.", " 3'- 0\" ", " 1'- 0\" sq.", " 2'- 0\" cu."};

void CheckAccepted(std::string_view text, const std::string& value) {
  Check(!value.empty() && value.front() != ' ' && value.back() != ' ', "value not trimmed", value);
  Check(value.size() <= kMaxOutsideTextBytes + 2, "value grew", value);
  std::string_view body = value;
  if (body.ends_with(" sq.") || body.ends_with(" cu.")) body.remove_suffix(4);
  Check(body.find_first_not_of("0123456789 .'\"-/E+") == std::string_view::npos, "value not in our form", value);
  Check(ReadOutsideText(value) == value, "value does not read back as itself", value);
  Check(std::isfinite(ParseByDimension(value)), "value not finite", text);
}

struct Snapshot {
  std::string readout;
  std::optional<double> accumulator;
  std::string cell;
  int calculatorRows = 0;
  int cellRows = 0;
  bool operator==(const Snapshot&) const = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t state = data[0];
  const int x = data[1] % 2 ? 25 : 75;  // left or right half of a target 100 wide
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  const std::optional<std::string> value = ReadOutsideText(text);
  if (value) CheckAccepted(text, *value);

  TapeStore tapes;
  CalculatorEngine engine(tapes);
  MemoryModel model(tapes);
  MemoryTransfers transfers(engine, model);
  for (const char key : kTyped[state % kTyped.size()]) engine.KeyPress(key);
  const int cell = model.CreateCell();
  model.SetValue(cell, std::string(kCellValues[(state / kTyped.size()) % kCellValues.size()]));
  fuzz::TapeLineChecker checker(tapes);

  const auto snapshot = [&] {
    return Snapshot{engine.Readout(), engine.State().Accumulator, model.Cell(cell)->value, tapes.TapeRowCount(0),
                    tapes.TapeRowCount(cell)};
  };
  const auto checkShown = [&] {
    CheckShown(engine.Readout(), "Readout");
    CheckShown(engine.ActionLabel(), "ActionLabel");
    CheckShown(model.Cell(cell)->value, "cell");
    const auto& total = engine.State().Accumulator;
    Check(!total || std::isfinite(*total), "total not finite", text);
  };

  for (const bool onCell : {false, true}) {
    const Snapshot before = snapshot();
    const ValueOutcome outcome = onCell ? transfers.DropOnCell(cell, text, DragSource::External(), x, 0, 100)
                                        : transfers.DropOnReadout(text, DragSource::External(), x, 0, 100);
    if (!value) {
      Check(outcome.result == ValueResult::Refused, "refused text was dropped", text);
      Check(outcome.feedback.beeps == 1, "refused text did not beep once", text);
      Check(snapshot() == before, "refused text changed something", text);
    }
    checkShown();
  }
  return 0;
}
