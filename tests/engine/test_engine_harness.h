#pragma once
// A calculator engine on a fresh tape store, driven like a user at the keypad,
// with a host that records what the window would have done.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/calculator_engine.h"
#include "tape/tape_store.h"

namespace mezura::testing {

class RecordingHost : public EngineHost {
 public:
  void Beep() override { ++beeps; }
  void ShowMessage(std::string_view text, std::string_view title) override {
    messages.emplace_back(std::string(text), std::string(title));
  }
  void FocusEqual() override { ++focusCalls; }
  void CaptionsChanged() override {
    ++captionChanges;
    if (watched) {
      seenReadout = watched->Readout();
      seenActionLabel = watched->ActionLabel();
      seenLabel1 = watched->Label1();
    }
  }

  /// The captions as the window last repainted them: a change that was not
  /// announced leaves these behind the engine's own.
  const CalculatorEngine* watched = nullptr;
  std::string seenReadout{kClearedEntry};
  std::string seenActionLabel;
  std::string seenLabel1;

  int beeps = 0;
  int focusCalls = 0;
  int captionChanges = 0;
  std::vector<std::pair<std::string, std::string>> messages;
};

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() { host.watched = &engine; }

  /// Presses keys as typed on the keyboard ("5'3 1/2\"="). Keys the keyboard
  /// does not reach go in braces: {sq} {sqrt} {pi} {ce} {bs} {esc} {enter}
  /// {circ} {area} {cyl} {diag} {plus} {minus} {times} {div} {equal}
  /// {dot} {space} {foot} {inch} {clear}.
  void Press(std::string_view keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] != '{') {
        engine.KeyPress(static_cast<unsigned char>(keys[i]));
        ExpectCaptionsAnnounced();
        continue;
      }
      const size_t close = keys.find('}', i);
      ASSERT_NE(close, std::string_view::npos) << "unclosed key name in " << keys;
      PressNamed(keys.substr(i + 1, close - i - 1));
      i = close;
      ExpectCaptionsAnnounced();
    }
  }

  void ExpectCaptionsAnnounced() const {
    EXPECT_EQ(host.seenReadout, engine.Readout());
    EXPECT_EQ(host.seenActionLabel, engine.ActionLabel());
    EXPECT_EQ(host.seenLabel1, engine.Label1());
  }

  void PressNamed(std::string_view name) {
    if (name == "sq") return engine.Square_Click();
    if (name == "sqrt") return engine.SquareRoot_Click();
    if (name == "pi") return engine.Pi_Click();
    if (name == "ce") return engine.CancelEntry_Click();
    if (name == "bs") return engine.Backspace_Click();
    if (name == "esc") return engine.KeyPress(27);
    if (name == "enter") return engine.KeyPress(13);
    if (name == "circ") return engine.Circumference_Click();
    if (name == "area") return engine.CircArea_Click();
    if (name == "cyl") return engine.CylVolume_Click();
    if (name == "diag") return engine.mnuDiagonal_Click();
    if (name == "plus") return engine.Plus_Click();
    if (name == "minus") return engine.Minus_Click();
    if (name == "times") return engine.Multiply_Click();
    if (name == "div") return engine.Divide_Click();
    if (name == "equal") return engine.Equal_Click();
    if (name == "dot") return engine.Decimal_Click();
    if (name == "space") return engine.Spacebar_Click();
    if (name == "foot") return engine.Foot_Click();
    if (name == "inch") return engine.Inch_Click();
    if (name == "clear") return engine.Cancel_Click();
    ADD_FAILURE() << "unknown key {" << name << "}";
  }

  /// Every line of tape 0, from row 1.
  std::vector<std::string> Tape() const {
    std::vector<std::string> lines;
    for (int row = 1; row <= tapes.TapeRowCount(0); ++row) lines.emplace_back(tapes.Line(0, row));
    return lines;
  }

  /// The lines written after the first `skip` ones.
  std::vector<std::string> TapeFrom(size_t skip) const {
    auto lines = Tape();
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(skip, lines.size())));
    return lines;
  }

  const std::string& Display() const { return engine.Readout(); }
  const EngineState& State() const { return engine.State(); }

  TapeStore tapes;
  RecordingHost host;
  CalculatorEngine engine{tapes, host};
};

}  // namespace mezura::testing
