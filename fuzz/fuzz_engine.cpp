// Fuzzes the calculator engine with key sequences. Each input byte below 128
// goes to KeyPress as a character code ("5", "'", "+", "=", Enter, Escape...);
// bytes from 128 pick a key of the table below (every button, the formula
// starters, a dropped value, the accuracy); the rest are ignored characters.
// Invariants after every key: the captions never show "inf" or "nan", the
// accumulator is finite when present, and no tape line shows "inf" or "nan".
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/calculator_engine.h"
#include "tape/tape_store.h"

namespace {

using namespace mezura;

bool ShowsNonFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

[[noreturn]] void Fail(const char* what, std::string_view text, int key) {
  std::fprintf(stderr, "after key %d: %s [%.*s]\n", key, what, static_cast<int>(text.size()), text.data());
  std::abort();
}

// Checks every line the engine writes as it is written.
class LineChecker : public TapeStoreListener {
 public:
  explicit LineChecker(const TapeStore& store) : m_store(store) {}
  void TapeLineChanged(int tape, int row) override {
    if (ShowsNonFinite(m_store.Line(tape, row))) Fail("tape line", m_store.Line(tape, row), -1);
  }

 private:
  const TapeStore& m_store;
};

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
  LineChecker checker(tapes);
  tapes.AddListener(&checker);
  NullEngineHost host;
  CalculatorEngine engine(tapes, host);

  for (size_t i = 0; i < size; ++i) {
    const int key = data[i];
    if (key >= 128 && key - 128 < static_cast<int>(kKeys.size()))
      kKeys[key - 128](engine);
    else
      engine.KeyPress(key);

    if (ShowsNonFinite(engine.Readout())) Fail("Readout", engine.Readout(), key);
    if (ShowsNonFinite(engine.ActionLabel())) Fail("ActionLabel", engine.ActionLabel(), key);
    if (ShowsNonFinite(engine.Label1())) Fail("Label1", engine.Label1(), key);
    const auto& accumulator = engine.State().Accumulator;
    if (accumulator && !std::isfinite(*accumulator))
      Fail("accumulator not finite", std::to_string(*accumulator), key);
  }
  return 0;
}
