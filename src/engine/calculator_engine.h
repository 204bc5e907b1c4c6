#pragma once
// The calculator's engine: the entry being typed (the display caption), the
// running total and the pending operation, the evaluation with its dimension
// rules, the guided formulas, and the lines all of that writes on the
// calculator's tape (tape 0). It is driven exactly like the keypad: one public
// method per key, named after the key's handler. Each call returns what only
// a window can do about it (beeps, a message box, captions to repaint, the
// focus for "="; engine/engine_outcome.h), and the calculator window acts on
// it: the engine never calls a window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_outcome.h"
#include "measure/measurement.h"
#include "tape/tape_store.h"

namespace mezura {

/// The pending operation, with the codes the tape and the transfers rely on.
enum class Operation : int {
  None = 0,
  Add = 1,
  Subtract = 2,
  Multiply = 3,
  Divide = 4,
  SquareRoot = 9,
};

/// The guided formula in progress and the value it waits for.
enum class Formula : int {
  None = 0,
  Circumference = 1,    ///< waits for the diameter
  CircleArea = 2,       ///< waits for the radius
  CylinderVolume = 3,   ///< waits for the radius
  CylinderLength = 33,  ///< waits for the cylinder's length
  Diagonal = 4,         ///< waits for side 1
  DiagonalSide2 = 44,   ///< waits for side 2
  Stairs = 5,           ///< waits for the total rise
  StairsRun = 55,       ///< waits for the total run
};

/// What a value from outside the engine does when it enters.
enum class ValueRole {
  Add,       ///< dropped on the display's right half: added to the total, or becomes it
  Subtract,  ///< dropped on the left half: subtracted, or becomes the total negated
  Entry,     ///< pasted: becomes the entry, as if typed after "Cancel Entry"
};

/// Where the text of such a value comes from.
enum class TextOrigin {
  Program,  ///< one of our own windows (the display, a memory cell): taken as it is
  Outside,  ///< another program: taken only as ReadOutsideText reads it
};

inline constexpr std::string_view kClearedEntry = "0.";
inline constexpr std::string_view kPiText = "3.14159265";
inline constexpr double kPi = 3.14159265;  ///< the calculator's π, exactly this decimal

/// The engine state, under the names the formulas and the transfers' rules
/// talk about.
struct EngineState {
  std::string DisplayText;                ///< the operand text handed to Evaluate
  double EntryValue = 0.0;                ///< what Evaluate read from DisplayText
  std::optional<double> Accumulator;      ///< first operand and running total; empty != 0
  std::optional<double> SecondOperand;
  Operation PendingOperation = Operation::None;
  std::string FirstOperandText;           ///< its marks decide the accumulator's dimension
  std::string SecondOperandText;
  double ResultValue = 0.0;
  std::string ResultText;
  Formula ActiveFormula = Formula::None;
  bool operator==(const EngineState&) const = default;
};

/// All the engine holds of a calculation, for undo and redo to take back: the
/// state and the three captions (the tapes are their store's).
struct EngineSnapshot {
  EngineState state;
  std::string readout;
  std::string actionLabel;
  std::string label1;
  bool operator==(const EngineSnapshot&) const = default;
};

class CalculatorEngine {
 public:
  explicit CalculatorEngine(TapeStore& tapes);

  // Keypad entry.
  EngineOutcome Number_Click(int digit);
  EngineOutcome Decimal_Click();
  EngineOutcome Spacebar_Click();
  EngineOutcome Foot_Click();
  EngineOutcome Inch_Click();
  EngineOutcome Backspace_Click();
  EngineOutcome Cancel_Click();        ///< "C", Clear
  EngineOutcome CancelEntry_Click();   ///< "CE", Cancel Entry
  EngineOutcome Pi_Click();

  // Operations.
  EngineOutcome Plus_Click();
  EngineOutcome Minus_Click();
  EngineOutcome Multiply_Click();
  EngineOutcome Divide_Click();
  EngineOutcome Equal_Click();
  EngineOutcome Square_Click();
  EngineOutcome SquareRoot_Click();

  /// The computer keyboard: one character code per key press.
  EngineOutcome KeyPress(int charCode);

  // Formula starters (menu and pop-up menu).
  EngineOutcome Circumference_Click();
  EngineOutcome CircArea_Click();
  EngineOutcome CylVolume_Click();
  EngineOutcome mnuDiagonal_Click();
  /// Stairs: the total rise, then the total run; writes the risers, their
  /// height, the treads (one fewer than the risers), their depth and the
  /// stringer, and leaves the stringer's length as the result.
  EngineOutcome mnuStairs_Click();

  /// Two beeps; the display shows the first operand again (the cleared entry
  /// when there is no total or only a formula's marker); nothing pending.
  EngineOutcome RejectOperation();

  /// The one way in for a value from outside the engine. Added or subtracted
  /// (a drop on the display's halves): with no total it becomes the total
  /// and is recorded as " + T " or " - T "; with a sum pending or none, the
  /// sum is taken in the value's dimension and recorded as a transfer; with a
  /// multiplication or division pending it becomes the second operand and
  /// completes it as "=" would. A value whose dimension does not fit the
  /// total is rejected (two beeps); a square root pending ignores it. As the
  /// entry (a paste) it only takes the display's place, as if typed.
  ValueOutcome EnterValue(std::string_view text, ValueRole role, TextOrigin origin = TextOrigin::Program);

  // Captions of the calculator window.
  const std::string& Readout() const { return m_readout; }
  const std::string& ActionLabel() const { return m_actionLabel; }
  const std::string& Label1() const { return m_label1; }

  /// Read-only: a value from outside changes it through EnterValue.
  const EngineState& State() const { return m_state; }

  EngineSnapshot Snapshot() const { return {m_state, m_readout, m_actionLabel, m_label1}; }
  /// Puts back what Snapshot gave earlier (undo, redo); writes no tape line.
  void Restore(EngineSnapshot snapshot);

  /// One of kAccuracies (4, 8, 16, 32 or 64): the finest fraction of linear results.
  int Accuracy() const { return m_accuracy; }
  void SetAccuracy(int accuracy);

  TapeStore& Tapes() { return m_tapes; }

 protected:
  // Only the engine writes its captions and state; tests start from a given
  // one through these.
  void SetReadout(std::string text);
  void SetActionLabel(std::string text);
  void SetLabel1(std::string text);
  EngineState& EditableState() { return m_state; }

 private:
  /// Runs one public call: `step` changes the state and notes what the window
  /// must do; the call returns that note. A public call made from within
  /// another adds to the outer call's note.
  template <typename Step>
  EngineOutcome Run(Step&& step);
  void Beep() { ++m_report.beeps; }
  void FocusEqual() { m_report.focusEqual = true; }
  void Evaluate();
  void StartFormula(Formula formula, std::string_view prompt);
  /// The stairs' last step, from the total run; false when it is refused.
  bool FinishStairs(double totalRun);
  /// Square and square root: `operation` on the total, or on the entry made the total.
  void ApplyToItself(Operation operation, const char* marker);
  /// Appends one step's `lines` to tape 0, whole or not at all; one beep when
  /// they do not fit (the step itself stands).
  bool AppendTape(const StepLines& lines);
  /// Undoes a refused evaluation back to `before` and rejects it (two beeps).
  void RefuseEvaluation(const EngineState& before);
  /// What the display goes back to when an operation is rejected.
  std::string FirstOperandShown() const;
  void AppendToReadout(std::string_view text);
  /// An operation key may start an operation on the accumulator.
  bool TotalReady() const;
  ValueResult Enter(std::string_view text, ValueRole role, TextOrigin origin);
  /// The dimension rule of a value added to, subtracted from, multiplied
  /// with or dividing the total.
  bool DimensionsAllowValue(std::string_view text) const;
  /// "+", "−" and "×" with no total and no formula: a typed entry in the
  /// display becomes the total first, exactly as the equals key makes it.
  /// False when that entry was refused.
  bool EnterEntryAsTotal();

  TapeStore& m_tapes;
  EngineOutcome m_report;  // what the public call under way will return
  bool m_running = false;
  EngineState m_state;
  std::string m_readout{kClearedEntry};
  std::string m_actionLabel;
  std::string m_label1;
  int m_accuracy = kAccuracy16;
};

}  // namespace mezura
