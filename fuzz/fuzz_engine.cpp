// Fuzzes the calculator engine with key sequences. Each input byte below 128
// goes to KeyPress as a character code ("5", "'", "+", "=", Enter, Escape...);
// bytes from 128 pick a key of the table below (every button, the formula
// starters, a value dropped on either half or pasted, the accuracy); the rest
// are ignored characters.
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

// A memory cell's square, cubic, negative or huge value, or another
// program's text, entering the engine in every role.
template <ValueRole role, TextOrigin origin = TextOrigin::Program>
constexpr std::array<Key, 6> kValues = {
    [](CalculatorEngine& e) { e.EnterValue(" 15'- 0\" sq.", role, origin); },
    [](CalculatorEngine& e) { e.EnterValue(" 30'- 0\" cu.", role, origin); },
    [](CalculatorEngine& e) { e.EnterValue("- 2'- 6 1/2\"", role, origin); },
    [](CalculatorEngine& e) { e.EnterValue(" 1E+300'- 0\"", role, origin); },
    [](CalculatorEngine& e) { e.EnterValue(" 1E+300'- 0\" cu.", role, origin); },
    [](CalculatorEngine& e) { e.EnterValue("\t3/4 sq\r\n", role, origin); },
};

constexpr std::array<Key, 31> kKeys = {
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
};

// Every key, then every value in every role.
Key Pick(int index) {
  if (index < static_cast<int>(kKeys.size())) return kKeys[index];
  index -= static_cast<int>(kKeys.size());
  const int per = static_cast<int>(kValues<ValueRole::Add>.size());
  switch (index / per) {
    case 0: return kValues<ValueRole::Add>[index % per];
    case 1: return kValues<ValueRole::Subtract>[index % per];
    case 2: return kValues<ValueRole::Entry>[index % per];
    case 3: return kValues<ValueRole::Add, TextOrigin::Outside>[index % per];
    case 4: return kValues<ValueRole::Entry, TextOrigin::Outside>[index % per];
    default: return nullptr;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TapeStore tapes;
  fuzz::TapeLineChecker checker(tapes);
  CalculatorEngine engine(tapes);

  for (size_t i = 0; i < size; ++i) {
    const int key = data[i];
    const Key picked = key >= 128 ? Pick(key - 128) : nullptr;
    if (picked)
      picked(engine);
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
