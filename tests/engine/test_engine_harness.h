#pragma once
// A calculator engine on a fresh tape store, driven like a user at the keypad,
// with a log of what the window would have done (support/recording_engine.h).

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/calculator_engine.h"
#include "support/recording_engine.h"
#include "tape/tape_store.h"

namespace mezura::testing {

class EngineTest : public ::testing::Test {
 protected:
  /// Presses keys as typed on the keyboard ("5'3 1/2\"="). Keys the keyboard
  /// does not reach go in braces: {sq} {sqrt} {pi} {ce} {bs} {esc} {enter}
  /// {circ} {area} {cyl} {diag} {stairs} {plus} {minus} {times} {div} {equal}
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
    using Key = EngineOutcome (RecordingEngine::*)();
    static const std::pair<std::string_view, Key> kNamed[] = {
        {"sq", &RecordingEngine::Square_Click},      {"sqrt", &RecordingEngine::SquareRoot_Click},
        {"pi", &RecordingEngine::Pi_Click},          {"ce", &RecordingEngine::CancelEntry_Click},
        {"bs", &RecordingEngine::Backspace_Click},   {"circ", &RecordingEngine::Circumference_Click},
        {"area", &RecordingEngine::CircArea_Click},  {"cyl", &RecordingEngine::CylVolume_Click},
        {"diag", &RecordingEngine::mnuDiagonal_Click}, {"plus", &RecordingEngine::Plus_Click},
        {"stairs", &RecordingEngine::mnuStairs_Click},
        {"minus", &RecordingEngine::Minus_Click},    {"times", &RecordingEngine::Multiply_Click},
        {"div", &RecordingEngine::Divide_Click},     {"equal", &RecordingEngine::Equal_Click},
        {"dot", &RecordingEngine::Decimal_Click},    {"space", &RecordingEngine::Spacebar_Click},
        {"foot", &RecordingEngine::Foot_Click},      {"inch", &RecordingEngine::Inch_Click},
        {"clear", &RecordingEngine::Cancel_Click},
    };
    if (name == "esc") {
      engine.KeyPress(27);
      return;
    }
    if (name == "enter") {
      engine.KeyPress(13);
      return;
    }
    for (const auto& [keyName, key] : kNamed) {
      if (keyName == name) {
        (engine.*key)();
        return;
      }
    }
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
  OutcomeLog host;  // what the window did
  RecordingEngine engine{tapes, host};
};

}  // namespace mezura::testing
