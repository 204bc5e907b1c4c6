// Fuzzes the calculator engine with key sequences. Each input byte below 128
// goes to KeyPress as a character code ("5", "'", "+", "=", Enter, Escape...);
// bytes from 128 pick a key of the table below (every button, the formula
// starters, a dropped value, the accuracy); the rest are ignored characters.
// Invariants after every key: the captions never show "inf" or "nan", the
// accumulator is finite when present, and no tape line shows "inf" or "nan".
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/calculator_engine.h"
#include "fuzz_checks.h"
#include "tape/tape_store.h"

namespace {

using namespace mezura;
using fuzz::CheckShown;

using Key = void (*)(CalculatorEngine&);

constexpr std::array<Key, 36> kKeys = {
    [](CalculatorEngine& e) { e.Number_Click(0); }, [](CalculatorEngine& e) { e.Number_Click(1); },
    [](CalculatorEngine& e) { e.Number_Click(2); }, [](CalculatorEngine& e) { e.Number_Click(3); },
    [](CalculatorEngine& e) { e.Number_Click(4); }, [](CalculatorEngine& e) { e.Number_Click(5); },
    [](CalculatorEngine& e) { e.Number_Click(6); }, [](CalculatorEngine& e) { e.Number_Click(7); },
    [](CalculatorEngine& e) { e.Number_Click(8); }, [](CalculatorEngine& e) { e.Number_Click(9); },
    [](CalculatorEngine& e) { e.Decimal_Click(); }, [](CalculatorEngine& e) { e.Spacebar_Click(); },
    [](CalculatorEngine& e) { e.Foot_Click(); }, [](CalculatorEngine& e) { e.Inch_Click(); },
    [](CalculatorEngine& e) { e.Backspace_Click(); }, [](CalculatorEngine& e) { e.Cancel_Click(); },
    [](CalculatorEngine& e) { e.CancelEntry_Click(); }, [](CalculatorEngine& e) { e.Pi_Click(); },
    [](CalculatorEngine& e) { e.Plus_Click(); }, [](CalculatorEngine& e) { e.Minus_Click(); },
    [](CalculatorEngine& e) { e.Multiply_Click(); }, [](CalculatorEngine& e) { e.Divide_Click(); },
    [](CalculatorEngine& e) { e.Equal_Click(); }, [](CalculatorEngine& e) { e.Square_Click(); },
    [](CalculatorEngine& e) { e.SquareRoot_Click(); }, [](CalculatorEngine& e) { e.Circumference_Click(); },
    [](CalculatorEngine& e) { e.CircArea_Click(); }, [](CalculatorEngine& e) { e.CylVolume_Click(); },
    [](CalculatorEngine& e) { e.mnuDiagonal_Click(); }, [](CalculatorEngine& e) { e.RejectOperation(); },
    [](CalculatorEngine& e) { e.SetAccuracy(e.Accuracy() == kAccuracy16 ? kAccuracy32 : kAccuracy16); },
    // Values dropped onto the display (a memory cell's square, cubic or huge value).
    [](CalculatorEngine& e) { e.SetReadout(" 15'- 0\" sq."); },
    [](CalculatorEngine& e) { e.SetReadout(" 30'- 0\" cu."); },
    [](CalculatorEngine& e) { e.SetReadout("- 2'- 6 1/2\""); },
    [](CalculatorEngine& e) { e.SetReadout(" 1E+300'- 0\""); },
    [](CalculatorEngine& e) { e.SetReadout(" 1E+300'- 0\" cu."); },
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TapeStore tapes;
  fuzz::TapeLineChecker checker(tapes);
  CalculatorEngine engine(tapes);

  for (size_t i = 0; i < size; ++i) {
    const int key = data[i];
    if (key >= 128 && key - 128 < static_cast<int>(kKeys.size()))
      kKeys[key - 128](engine);
    else
      engine.KeyPress(key);

    CheckShown(engine.Readout(), "Readout");
    CheckShown(engine.ActionLabel(), "ActionLabel");
    CheckShown(engine.Label1(), "Label1");
    const auto& accumulator = engine.State().Accumulator;
    fuzz::Check(!accumulator || std::isfinite(*accumulator), "accumulator not finite", std::to_string(key));
  }
  return 0;
}
