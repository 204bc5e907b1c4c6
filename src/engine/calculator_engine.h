#pragma once
// The calculator's engine: the entry being typed (the display caption), the
// running total and the pending operation, the evaluation with its dimension
// rules, the four guided formulas, and the lines all of that writes on the
// calculator's tape (tape 0). It is driven exactly like the keypad: one public
// method per key, named after the key's handler. What only a window can do
// (beep, show a message box, give the "=" key the focus, repaint the captions)
// goes through EngineHost, which the calculator window implements and tests
// record.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
};

inline constexpr std::string_view kClearedEntry = "0.";
inline constexpr std::string_view kPiText = "3.14159265";
inline constexpr double kPi = 3.14159265;  ///< the calculator's π, exactly this decimal

/// What the engine needs from the window that shows it.
class EngineHost {
 public:
  virtual ~EngineHost() = default;
  virtual void Beep() = 0;
  /// A modal message box with an exclamation icon and an OK button.
  virtual void ShowMessage(std::string_view text, std::string_view title) = 0;
  /// The "=" key gets the keyboard focus.
  virtual void FocusEqual() = 0;
  /// Readout, ActionLabel or Label1 changed.
  virtual void CaptionsChanged() {}
};

/// A host that does nothing, for callers that need none.
class NullEngineHost : public EngineHost {
 public:
  void Beep() override {}
  void ShowMessage(std::string_view, std::string_view) override {}
  void FocusEqual() override {}
};

/// The engine state. Field names are the ones the rest of the program (the
/// transfers, the formulas) talks about.
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
};

class CalculatorEngine {
 public:
  CalculatorEngine(TapeStore& tapes, EngineHost& host);

  // Keypad entry.
  void Number_Click(int digit);
  void Decimal_Click();
  void Spacebar_Click();
  void Foot_Click();
  void Inch_Click();
  void Backspace_Click();
  void Cancel_Click();        ///< "C", Clear
  void CancelEntry_Click();   ///< "CE", Cancel Entry
  void Pi_Click();

  // Operations.
  void Plus_Click();
  void Minus_Click();
  void Multiply_Click();
  void Divide_Click();
  void Equal_Click();
  void Square_Click();
  void SquareRoot_Click();
  void Evaluate();

  /// The computer keyboard: one character code per key press.
  void KeyPress(int charCode);

  // Formula starters (menu and pop-up menu).
  void Circumference_Click();
  void CircArea_Click();
  void CylVolume_Click();
  void mnuDiagonal_Click();

  /// Two beeps; the display shows the first operand again (the cleared entry
  /// when there is no total or only a formula's marker); nothing pending.
  void RejectOperation();

  // Captions of the calculator window.
  const std::string& Readout() const { return m_readout; }
  const std::string& ActionLabel() const { return m_actionLabel; }
  const std::string& Label1() const { return m_label1; }
  void SetReadout(std::string text);
  void SetActionLabel(std::string text);
  void SetLabel1(std::string text);

  EngineState& State() { return m_state; }
  const EngineState& State() const { return m_state; }

  /// 16 or 32: the finest fraction of linear results.
  int Accuracy() const { return m_accuracy; }
  void SetAccuracy(int accuracy);

  TapeStore& Tapes() { return m_tapes; }
  EngineHost& Host() { return m_host; }

 private:
  void StartFormula(Formula formula, std::string_view prompt);
  /// Square and square root: `operation` on the total, or on the entry made the total.
  void ApplyToItself(Operation operation, const char* marker);
  /// Appends `lines` to tape 0 in one reservation; one beep when the tape is full.
  bool AppendTape(const std::vector<std::string>& lines);
  /// Undoes a refused evaluation back to `before` and rejects it (two beeps).
  void RefuseEvaluation(const EngineState& before);
  /// What the display goes back to when an operation is rejected.
  std::string FirstOperandShown() const;
  void AppendToReadout(std::string_view text);
  /// An operation key may start an operation on the accumulator.
  bool TotalReady() const;
  /// "+", "−" and "×" with no total and no formula: a typed entry in the
  /// display becomes the total first, exactly as the equals key makes it.
  /// False when that entry was refused.
  bool EnterEntryAsTotal();

  TapeStore& m_tapes;
  EngineHost& m_host;
  EngineState m_state;
  std::string m_readout{kClearedEntry};
  std::string m_actionLabel;
  std::string m_label1;
  int m_accuracy = kAccuracy16;
};

}  // namespace mezura
