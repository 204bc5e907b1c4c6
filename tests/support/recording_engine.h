#pragma once
// A calculator engine for tests. Every call is answered as the calculator
// window answers it: the reported beeps, messages, repaints and focus requests
// are added up in an OutcomeLog, and a repaint copies the captions as the
// window would show them. Tests may also start from a given caption or state,
// which the engine itself lets nobody set.
//
//   OutcomeLog log;
//   RecordingEngine engine{tapes, log};
//   engine.KeyPress('5');            // log.focusCalls == 1, log.seenReadout == "5"
//   engine.State().Accumulator = 60;  // a total, without typing one

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/calculator_engine.h"

namespace mezura::testing {

/// What the window did, over every call recorded so far.
struct OutcomeLog {
  int beeps = 0;
  int focusCalls = 0;
  int captionChanges = 0;
  std::vector<std::pair<std::string, std::string>> messages;  ///< text, title
  /// The captions as last repainted: a change that was not reported leaves
  /// these behind the engine's own.
  std::string seenReadout{kClearedEntry};
  std::string seenActionLabel;
  std::string seenLabel1;

  void Take(const EngineOutcome& outcome, const CalculatorEngine& engine) {
    beeps += outcome.beeps;
    if (outcome.message) messages.emplace_back(outcome.message->text, outcome.message->title);
    if (outcome.captionsChanged) Repaint(engine);
    if (outcome.focusEqual) ++focusCalls;
  }
  void Repaint(const CalculatorEngine& engine) {
    ++captionChanges;
    seenReadout = engine.Readout();
    seenActionLabel = engine.ActionLabel();
    seenLabel1 = engine.Label1();
  }
};

class RecordingEngine : public CalculatorEngine {
 public:
  RecordingEngine(TapeStore& tapes, OutcomeLog& log) : CalculatorEngine(tapes), m_log(log) {}

  EngineOutcome Number_Click(int digit) { return Log(CalculatorEngine::Number_Click(digit)); }
  EngineOutcome Decimal_Click() { return Log(CalculatorEngine::Decimal_Click()); }
  EngineOutcome Spacebar_Click() { return Log(CalculatorEngine::Spacebar_Click()); }
  EngineOutcome Foot_Click() { return Log(CalculatorEngine::Foot_Click()); }
  EngineOutcome Inch_Click() { return Log(CalculatorEngine::Inch_Click()); }
  EngineOutcome Backspace_Click() { return Log(CalculatorEngine::Backspace_Click()); }
  EngineOutcome Cancel_Click() { return Log(CalculatorEngine::Cancel_Click()); }
  EngineOutcome CancelEntry_Click() { return Log(CalculatorEngine::CancelEntry_Click()); }
  EngineOutcome Pi_Click() { return Log(CalculatorEngine::Pi_Click()); }
  EngineOutcome Plus_Click() { return Log(CalculatorEngine::Plus_Click()); }
  EngineOutcome Minus_Click() { return Log(CalculatorEngine::Minus_Click()); }
  EngineOutcome Multiply_Click() { return Log(CalculatorEngine::Multiply_Click()); }
  EngineOutcome Divide_Click() { return Log(CalculatorEngine::Divide_Click()); }
  EngineOutcome Equal_Click() { return Log(CalculatorEngine::Equal_Click()); }
  EngineOutcome Square_Click() { return Log(CalculatorEngine::Square_Click()); }
  EngineOutcome SquareRoot_Click() { return Log(CalculatorEngine::SquareRoot_Click()); }
  EngineOutcome KeyPress(int charCode) { return Log(CalculatorEngine::KeyPress(charCode)); }
  EngineOutcome Circumference_Click() { return Log(CalculatorEngine::Circumference_Click()); }
  EngineOutcome CircArea_Click() { return Log(CalculatorEngine::CircArea_Click()); }
  EngineOutcome CylVolume_Click() { return Log(CalculatorEngine::CylVolume_Click()); }
  EngineOutcome mnuDiagonal_Click() { return Log(CalculatorEngine::mnuDiagonal_Click()); }
  EngineOutcome mnuStairs_Click() { return Log(CalculatorEngine::mnuStairs_Click()); }
  EngineOutcome RejectOperation() { return Log(CalculatorEngine::RejectOperation()); }
  ValueOutcome EnterValue(std::string_view text, ValueRole role, TextOrigin origin = TextOrigin::Program) {
    const ValueOutcome outcome = CalculatorEngine::EnterValue(text, role, origin);
    Log(outcome.feedback);
    return outcome;
  }

  // A starting point set by the test is shown as the window would show it.
  void SetReadout(std::string text) {
    CalculatorEngine::SetReadout(std::move(text));
    m_log.Repaint(*this);
  }
  void SetActionLabel(std::string text) {
    CalculatorEngine::SetActionLabel(std::move(text));
    m_log.Repaint(*this);
  }
  void SetLabel1(std::string text) {
    CalculatorEngine::SetLabel1(std::move(text));
    m_log.Repaint(*this);
  }
  EngineState& State() { return EditableState(); }
  const EngineState& State() const { return CalculatorEngine::State(); }

 private:
  EngineOutcome Log(const EngineOutcome& outcome) {
    m_log.Take(outcome, *this);
    return outcome;
  }

  OutcomeLog& m_log;
};

}  // namespace mezura::testing
