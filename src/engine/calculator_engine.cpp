#include "engine/calculator_engine.h"

#include <cmath>
#include <utility>

#include "engine/operand_class.h"
#include "engine/stair_layout.h"
#include "measure/outside_text.h"
#include "tape/tape_steps.h"

namespace mezura {
namespace {

constexpr char kInchMark = '"';
constexpr char kFootMark = '\'';
constexpr std::string_view kFootKeyText = "'- ";  // foot mark, separator, blank
constexpr std::string_view kDivisionSign = "\xC3\xB7";         // U+00F7 in UTF-8
constexpr std::string_view kSquaredR = "Pi(r\xC2\xB2)";        // U+00B2 in UTF-8
constexpr std::string_view kDivideByZeroText = "Can't divide by zero!";
constexpr std::string_view kErrorTitle = "Error";

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }
bool HasFootOrInchMark(std::string_view text) { return Contains(text, kFootMark) || Contains(text, kInchMark); }
bool HasDimensionMark(std::string_view text) { return IsSquareText(text) || IsCubicText(text); }

// The decimal point may follow a decimal foot count, but the inches (or a
// number without feet) take at most one.
bool AcceptsDecimalPoint(std::string_view text) {
  const auto foot = text.find(kFootMark);
  const std::string_view inches = foot == std::string_view::npos ? text : text.substr(foot + 1);
  return !Contains(inches, '.');
}

// Captions are UTF-8: drop a whole character, not a byte of one.
void DropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

}  // namespace

CalculatorEngine::CalculatorEngine(TapeStore& tapes) : m_tapes(tapes) {}

template <typename Step>
EngineOutcome CalculatorEngine::Run(Step&& step) {
  if (m_running) {
    step();
    return {};
  }
  m_running = true;
  m_report = {};
  step();
  m_running = false;
  return std::exchange(m_report, {});
}

void CalculatorEngine::Restore(EngineSnapshot snapshot) {
  m_state = std::move(snapshot.state);
  SetReadout(std::move(snapshot.readout));
  SetActionLabel(std::move(snapshot.actionLabel));
  SetLabel1(std::move(snapshot.label1));
}

void CalculatorEngine::SetReadout(std::string text) {
  m_readout = std::move(text);
  m_report.captionsChanged = true;
}

void CalculatorEngine::SetActionLabel(std::string text) {
  m_actionLabel = std::move(text);
  m_report.captionsChanged = true;
}

void CalculatorEngine::SetLabel1(std::string text) {
  m_label1 = std::move(text);
  m_report.captionsChanged = true;
}

void CalculatorEngine::SetAccuracy(int accuracy) { m_accuracy = IsAccuracy(accuracy) ? accuracy : kAccuracy16; }

void CalculatorEngine::AppendToReadout(std::string_view text) { SetReadout(m_readout + std::string(text)); }

// ---- Keypad entry ---------------------------------------------------------

EngineOutcome CalculatorEngine::Number_Click(int digit) {
  return Run([&] {
    if (digit < 0 || digit > 9 || m_readout == kPiText) return;
    if (m_state.ActiveFormula == Formula::None) SetLabel1("");
    const char d = static_cast<char>('0' + digit);
    if (m_readout == kClearedEntry)
      SetReadout(std::string(1, d));
    else if (!Contains(m_readout, kInchMark))
      AppendToReadout(std::string_view(&d, 1));
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Decimal_Click() {
  return Run([&] {
    if (m_readout == kPiText) return;
    if (m_readout == kClearedEntry)
      SetReadout(".");
    else if (!Contains(m_readout, kInchMark) && AcceptsDecimalPoint(m_readout))
      AppendToReadout(".");
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Spacebar_Click() {
  return Run([&] {
    if (m_readout == kPiText) return;
    if (m_readout != kClearedEntry && !m_readout.empty() && !Contains(m_readout, kInchMark)) AppendToReadout(" ");
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Foot_Click() {
  return Run([&] {
    if (m_readout == kPiText) return;
    if (!Contains(m_readout, kFootMark) && !Contains(m_readout, kInchMark)) AppendToReadout(kFootKeyText);
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Inch_Click() {
  return Run([&] {
    if (m_readout == kPiText) return;
    if (!Contains(m_readout, kInchMark)) AppendToReadout(std::string_view(&kInchMark, 1));
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Backspace_Click() {
  return Run([&] {
    if (m_readout.empty() || m_readout == kClearedEntry) return;
    std::string text = m_readout;
    if (text.ends_with(kFootKeyText))
      text.resize(text.size() - kFootKeyText.size());
    else
      DropLastCharacter(text);
    SetReadout(text.empty() ? std::string(kClearedEntry) : std::move(text));
  });
}

EngineOutcome CalculatorEngine::Cancel_Click() {
  return Run([&] {
    SetReadout(std::string(kClearedEntry));
    m_state.Accumulator.reset();
    m_state.SecondOperand.reset();
    m_state.PendingOperation = Operation::None;
    SetActionLabel("");
    SetLabel1("");
    m_state.ActiveFormula = Formula::None;
    if (!m_tapes.ClearTape(0)) Beep();  // tape 0 is full: the clear mark is not recorded
    m_report.cleared = true;
    m_tapes.ScrollTapeToEnd();
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::CancelEntry_Click() {
  return Run([&] {
    SetReadout(std::string(kClearedEntry));
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Pi_Click() {
  return Run([&] {
    if (!(m_readout.empty() || m_readout == kClearedEntry || m_readout == "0" || m_readout == "0\"")) return;
    const std::string shown = m_readout;
    const bool hadTotal = m_state.Accumulator.has_value();
    SetReadout(std::string(kPiText));
    m_state.DisplayText = m_readout;
    Evaluate();
    // With a total, an accepted π leaves a result in the display; π still shown
    // means the sum was refused, and a π left there would block the digit keys.
    if (hadTotal && m_readout == kPiText) SetReadout(shown);
  });
}

EngineOutcome CalculatorEngine::KeyPress(int charCode) {
  if (charCode >= '0' && charCode <= '9') return Number_Click(charCode - '0');
  switch (charCode) {
    case ' ': return Spacebar_Click();
    case 27:  // Escape: twice clears everything
      return m_readout == kClearedEntry ? Cancel_Click() : CancelEntry_Click();
    case 13:
    case '=':
      return Run([&] {
        Equal_Click();
        SetActionLabel("");
      });
    case '\'': return Foot_Click();
    case '"': return Inch_Click();
    case '+': return Plus_Click();
    case '-': return Minus_Click();
    case '*':
    case 'x':
    case 'X': return Multiply_Click();
    case '/': return Divide_Click();
    case '.': return Decimal_Click();
    case 8: return Backspace_Click();
    case 'c':
    case 'C': return Cancel_Click();
    default: return {};
  }
}

// ---- Operation keys -------------------------------------------------------

bool CalculatorEngine::TotalReady() const {
  // While a formula waits for its second value the accumulator holds the
  // formula's partial result, and the formula sets the operation itself: the
  // keys then serve the entry (minus sign, fraction bar) instead of emptying it,
  // and plus and times, which have nothing to serve, do nothing.
  return m_state.Accumulator && m_state.ActiveFormula != Formula::CylinderLength &&
         m_state.ActiveFormula != Formula::DiagonalSide2 && m_state.ActiveFormula != Formula::StairsRun;
}

bool CalculatorEngine::EnterEntryAsTotal() {
  // Without this, "5 + 3 =" would leave the 5 in the display and show 53.
  // The divide key needs no such step: with no total it is the fraction bar.
  if (m_state.Accumulator || m_state.ActiveFormula != Formula::None) return true;
  if (m_readout.empty() || m_readout == " " || m_readout == kClearedEntry || m_readout == "-") return true;
  Equal_Click();
  return m_state.Accumulator.has_value();  // an entry that reads as no number is refused
}

EngineOutcome CalculatorEngine::Plus_Click() {
  return Run([&] {
    if (HasDimensionMark(m_readout)) {
      Beep();  // areas and volumes are added by dropping, where dimensions are checked
      return;
    }
    if (EnterEntryAsTotal() && TotalReady() &&
        (m_actionLabel.empty() || m_actionLabel == " " || m_readout.empty())) {
      SetActionLabel("+");
      SetReadout("");
      m_state.PendingOperation = Operation::Add;
    }
    SetLabel1("");
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Minus_Click() {
  return Run([&] {
    if (HasDimensionMark(m_readout)) {
      Beep();
      return;
    }
    // A refused entry leaves the display cleared, and it stays so: no new entry is started unasked.
    const bool entered = EnterEntryAsTotal();
    if (entered && TotalReady() && m_state.PendingOperation == Operation::None) {
      SetActionLabel("--");
      SetReadout("");
      m_state.PendingOperation = Operation::Subtract;
    } else if (entered && (m_readout.empty() || m_readout == " " || m_readout == kClearedEntry)) {
      SetReadout("-");  // starts a negative entry
    }
    SetLabel1("");
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Multiply_Click() {
  return Run([&] {
    if (EnterEntryAsTotal() && TotalReady() &&
        (m_actionLabel.empty() || m_actionLabel == " " || m_readout.empty())) {
      SetActionLabel("x");
      SetReadout("");
      m_state.PendingOperation = Operation::Multiply;
    }
    SetLabel1("");
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Divide_Click() {
  return Run([&] {
    if (m_actionLabel.empty() && TotalReady()) {
      SetActionLabel(std::string(kDivisionSign));
      SetReadout("");
      m_state.PendingOperation = Operation::Divide;
    } else if (!Contains(m_readout, '/')) {
      AppendToReadout("/");  // no division can start: the key is the fraction bar
    }
    SetLabel1("");
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::Equal_Click() {
  return Run([&] {
    SetActionLabel("");
    m_state.DisplayText = m_readout;
    Evaluate();
  });
}

EngineOutcome CalculatorEngine::Square_Click() {
  return Run([&] {
    if (!HasDimensionMark(m_readout)) ApplyToItself(Operation::Multiply, "x");
    FocusEqual();
  });
}

EngineOutcome CalculatorEngine::SquareRoot_Click() {
  return Run([&] {
    if (!IsCubicText(m_readout)) ApplyToItself(Operation::SquareRoot, "Sqt");
    FocusEqual();
  });
}

void CalculatorEngine::ApplyToItself(Operation operation, const char* marker) {
  if (m_state.Accumulator) {
    // Right after a result the display shows the total, so it is squared.
    SetActionLabel(marker);
    m_state.PendingOperation = operation;
    m_state.DisplayText = m_readout;
    Evaluate();
    return;
  }
  // No total yet: the display becomes it (with its tape line), then the
  // operation applies to it.
  const std::string entry = m_readout;
  m_state.DisplayText = entry;
  Evaluate();
  if (!m_state.Accumulator) return;  // the entry was refused: nothing to apply to
  m_state.PendingOperation = operation;
  m_state.DisplayText = entry;
  Evaluate();
}

// ---- Evaluation -----------------------------------------------------------

void CalculatorEngine::Evaluate() {
  // Every refusal puts the state back as it was before this evaluation, so a
  // value that is not finite never reaches the accumulator, the tape or the
  // display.
  const EngineState before = m_state;
  EngineState& s = m_state;

  std::string entry(TrimBlanks(s.DisplayText));
  if (!entry.empty() && entry.back() == '-') entry.pop_back();  // "5'-": the foot key's separator
  s.DisplayText = entry;
  const double value = ParseByDimension(entry);
  if (!std::isfinite(value)) return RefuseEvaluation(before);
  s.EntryValue = value;

  StepLines lines;                    // a formula's header, ahead of the result block
  std::optional<std::string> label1;  // written only once the step stands
  bool diagonal = false;

  if (!s.Accumulator) {
    s.Accumulator = value;
    s.FirstOperandText = entry;
    switch (s.ActiveFormula) {
      case Formula::Circumference:
        s.SecondOperand = kPi;
        s.SecondOperandText.clear();  // pi is a plain number
        s.PendingOperation = Operation::Multiply;
        s.ActiveFormula = Formula::None;
        label1 = "Circumference =";
        lines = CircumferenceHeader(kPi);
        break;
      case Formula::CircleArea:
        s.Accumulator = value * value;
        s.FirstOperandText = kSquareMarker;
        s.SecondOperand = kPi;
        s.SecondOperandText.clear();
        s.PendingOperation = Operation::Multiply;
        s.ActiveFormula = Formula::None;
        label1 = std::string(kSquaredR) + " Area of circle =";
        lines = CircleAreaHeader(kPi, entry);
        break;
      case Formula::CylinderVolume: {
        const double base = value * value * kPi;
        if (!std::isfinite(base)) return RefuseEvaluation(before);
        s.Accumulator = base;
        s.FirstOperandText = kSquareMarker;
        s.ActiveFormula = Formula::CylinderLength;
        AppendTape(CylinderHeader(kPi, entry));
        SetLabel1("Enter length of cylinder");
        SetReadout("");
        FocusEqual();
        return;
      }
      case Formula::Diagonal: {
        const double side1Squared = value * value;
        if (!std::isfinite(side1Squared)) return RefuseEvaluation(before);
        s.Accumulator = side1Squared;
        s.FirstOperandText = kLinearMarker;
        s.ActiveFormula = Formula::DiagonalSide2;
        AppendTape(DiagonalHeader(FormatLinear(value, m_accuracy)));
        SetLabel1("Enter length of side 2");
        SetReadout("");
        FocusEqual();
        return;
      }
      case Formula::Stairs:
        // A height: an area, a volume or nothing to climb is no rise.
        if (HasDimensionMark(entry) || !IsStairLength(value)) return RefuseEvaluation(before);
        s.FirstOperandText = kLinearMarker;
        s.ActiveFormula = Formula::StairsRun;
        AppendTape(StairsHeader(FormatLinear(value, m_accuracy)));
        SetLabel1("Enter total run");
        SetReadout("");
        FocusEqual();
        return;
      default:
        // A first operand: recorded, and the display keeps the entry.
        AppendTape(FirstOperandLines(entry));
        return;
    }
  } else if (s.ActiveFormula == Formula::CylinderLength) {
    s.SecondOperand = value;
    s.SecondOperandText = kLinearMarker;
    s.PendingOperation = Operation::Multiply;
    s.ActiveFormula = Formula::None;
    label1 = "Volume of cylinder =";
  } else if (s.ActiveFormula == Formula::StairsRun) {
    if (HasDimensionMark(entry) || !FinishStairs(value)) return RefuseEvaluation(before);
    return;
  } else if (s.ActiveFormula == Formula::DiagonalSide2) {
    s.SecondOperand = value * value;
    s.SecondOperandText = kLinearMarker;
    s.PendingOperation = Operation::Add;
    label1 = "Diagonal =";
    diagonal = true;
  } else {
    s.SecondOperand = value;
    s.SecondOperandText = entry;
  }

  const double first = *s.Accumulator;
  const double second = s.SecondOperand.value_or(0.0);
  const OperandClass firstClass = ClassOfOperand(s.FirstOperandText);
  const OperandClass secondClass = ClassOfOperand(s.SecondOperandText);
  double result = 0.0;
  std::string text;
  std::string_view symbol;

  switch (s.PendingOperation) {
    case Operation::None:
    case Operation::Add:
    case Operation::Subtract: {
      // A sum keeps its dimension; an area plus a length means nothing.
      const Dimension dimension = SumDimension(firstClass);
      if (dimension != SumDimension(secondClass)) {
        if (s.PendingOperation == Operation::None) {
          m_state = before;  // the equals key refuses it as the plus key refuses an area
          Beep();
          return;
        }
        return RefuseEvaluation(before);
      }
      const bool subtract = s.PendingOperation == Operation::Subtract;
      result = subtract ? first - second : first + second;
      symbol = subtract ? "-" : "+";
      if (diagonal) result = std::sqrt(result);  // a² + b², never negative
      text = FormatWithSuffix(result, dimension, m_accuracy);
      break;
    }
    case Operation::Multiply: {
      const ResultClass resultClass = ProductClass(firstClass, secondClass);
      if (resultClass == ResultClass::Rejected) {
        SetReadout("");
        return RefuseEvaluation(before);
      }
      result = first * second;
      symbol = "x";
      text = ResultClassText(result, resultClass, m_accuracy);
      break;
    }
    case Operation::Divide: {
      if (second == 0) {
        // The box comes first, then the display shows the total: the window
        // shows the message before it repaints the captions.
        m_report.message =
            EngineMessage{std::string(kDivideByZeroText), std::string(kErrorTitle), m_readout, m_actionLabel, m_label1};
        s.SecondOperand.reset();
        s.PendingOperation = Operation::None;
        // The accumulator as a bare number of its unit; the next equals reads it so.
        std::string shown = ShortNumber(first);
        if (!shown.empty() && shown.front() == ' ') shown.erase(0, 1);
        SetActionLabel("");
        SetReadout(std::move(shown));
        FocusEqual();
        return;
      }
      result = first / second;
      symbol = "/";
      text = ResultClassText(result, QuotientClass(firstClass, secondClass), m_accuracy);
      break;
    }
    case Operation::SquareRoot:
      if (first < 0) return RefuseEvaluation(before);
      result = std::sqrt(first);
      symbol = "SQT";
      text = FormatLinear(result, m_accuracy);
      s.DisplayText.clear();
      break;
    default:
      m_state = before;  // an operation code the evaluation does not know
      return;
  }
  if (!std::isfinite(result)) return RefuseEvaluation(before);

  s.ResultValue = result;
  s.ResultText = text;
  if (diagonal) s.ActiveFormula = Formula::None;
  const StepLines block = diagonal ? DiagonalResultLines(FormatLinear(value, m_accuracy), text)
                                   : OperationLines(symbol, s.DisplayText, text);
  lines.insert(lines.end(), block.begin(), block.end());
  AppendTape(lines);

  s.Accumulator = result;
  s.SecondOperand.reset();
  s.PendingOperation = Operation::None;
  s.FirstOperandText = text;
  s.SecondOperandText.clear();
  FocusEqual();
  SetActionLabel("");
  SetReadout(std::move(text));
  if (label1) SetLabel1(std::move(*label1));
}

EngineOutcome CalculatorEngine::RejectOperation() {
  return Run([&] {
    Beep();
    Beep();
    SetActionLabel("");
    SetReadout(FirstOperandShown());
    m_state.PendingOperation = Operation::None;
    m_state.SecondOperandText.clear();
  });
}

void CalculatorEngine::RefuseEvaluation(const EngineState& before) {
  m_state = before;
  m_state.SecondOperand.reset();
  RejectOperation();
}

std::string CalculatorEngine::FirstOperandShown() const {
  // Without an accumulator the text is stale (left from before a Clear), and
  // the formulas' markers are no entry to show.
  const std::string& text = m_state.FirstOperandText;
  if (!m_state.Accumulator || text.empty() || text == kLinearMarker || text == kSquareMarker)
    return std::string(kClearedEntry);
  return text;
}

bool CalculatorEngine::AppendTape(const StepLines& lines) {
  if (!m_tapes.AppendLines(0, lines)) {
    Beep();  // tape 0 is full: the step is done but not recorded
    return false;
  }
  m_tapes.ScrollTapeToEnd();
  return true;
}

// ---- Values from outside ---------------------------------------------------

ValueOutcome CalculatorEngine::EnterValue(std::string_view text, ValueRole role, TextOrigin origin) {
  ValueOutcome outcome;
  outcome.feedback = Run([&] { outcome.result = Enter(text, role, origin); });
  return outcome;
}

ValueResult CalculatorEngine::Enter(std::string_view text, ValueRole role, TextOrigin origin) {
  std::string t;
  if (origin == TextOrigin::Outside) {
    std::optional<std::string> read = ReadOutsideText(text);
    if (!read) {
      Beep();
      return ValueResult::Refused;
    }
    t = std::move(*read);
  } else {
    t = text;
  }

  if (role == ValueRole::Entry) {
    // Whatever the display held (a result, π, half a number) makes way, as
    // "Cancel Entry" and typing would.
    if (m_state.ActiveFormula == Formula::None) SetLabel1("");
    SetReadout(std::string(TrimBlanks(t)));
    FocusEqual();
    return ValueResult::Done;
  }

  if (!DimensionsAllowValue(t)) {
    RejectOperation();
    return ValueResult::Refused;
  }

  EngineState& s = m_state;
  // The lines go to the calculator's tape, so that is the tape shown and
  // scrolled to its end (showing it while the scroll follows a cell's tape
  // left the new lines out of view).
  m_tapes.SelectTape(0, std::string(kCalculatorTapeName));

  const std::string shown = m_readout;
  const std::string trimmed(TrimBlanks(t));
  std::string display = trimmed;
  if (!display.empty() && display.back() == '-') display.pop_back();
  double v = 0.0;
  if (!display.empty() && display.front() == '-')
    v = -ParseByDimension(std::string_view(display).substr(1));
  else
    v = ParseByDimension(display);
  const bool subtract = role == ValueRole::Subtract;

  if (!s.Accumulator) {
    if (!std::isfinite(v)) {
      // Refused like every other value that is not a number: two beeps. The
      // display is left alone, so RejectOperation (which rewrites it) is not used.
      Beep();
      Beep();
      return ValueResult::Refused;
    }
    s.DisplayText = display;
    AppendTape(TransferFirstLines(subtract, trimmed));
    const std::string first = subtract ? "-" + t : t;
    SetReadout(first);
    s.FirstOperandText = first;
    s.Accumulator = subtract ? -v : v;
    s.PendingOperation = Operation::None;
  } else if (s.PendingOperation == Operation::None || s.PendingOperation == Operation::Add ||
             s.PendingOperation == Operation::Subtract) {
    s.DisplayText = display;
    const AddSubtractResult result = AddSubtractMeasurements(
        shown, trimmed, subtract ? AddSubtract::Subtract : AddSubtract::Add, m_accuracy);
    if (result.refused) {
      RejectOperation();
      return ValueResult::Refused;
    }
    SetReadout(std::string(TrimBlanks(result.text)) + " ");
    s.FirstOperandText = result.text;
    s.SecondOperandText.clear();
    s.Accumulator = result.value;
    s.ResultValue = result.value;
    s.PendingOperation = Operation::None;
    // The sum used up the pending operation; its marker must not stay behind.
    SetActionLabel("");
    AppendTape(TransferLines(subtract, trimmed, result.text));
  } else if (s.PendingOperation == Operation::Multiply || s.PendingOperation == Operation::Divide) {
    s.DisplayText = display;
    SetReadout(t);
    Equal_Click();
  } else {
    return ValueResult::Ignored;
  }
  m_tapes.ScrollTapeToEnd();
  FocusEqual();
  return ValueResult::Done;
}

bool CalculatorEngine::DimensionsAllowValue(std::string_view t) const {
  const EngineState& s = m_state;
  const std::string& f = s.FirstOperandText;
  const bool tSquare = IsSquareText(t), tCubic = IsCubicText(t);
  switch (s.PendingOperation) {
    case Operation::Multiply:
      if (IsSquareText(f)) return !tSquare && !tCubic;
      if (HasFootOrInchMark(f)) return !tCubic;
      return true;
    case Operation::Divide:
      if (IsCubicText(f)) return true;
      if (IsSquareText(f)) return !tCubic;
      return !tSquare && !tCubic;
    case Operation::None:
    case Operation::Add:
    case Operation::Subtract:
      if (!s.Accumulator) return true;
      if (IsCubicText(f)) return tCubic;
      if (IsSquareText(f)) return tSquare;
      return !tSquare && !tCubic;
    case Operation::SquareRoot:
      break;
  }
  return true;
}

// ---- Formulas -------------------------------------------------------------

void CalculatorEngine::StartFormula(Formula formula, std::string_view prompt) {
  if (m_state.ActiveFormula != Formula::None) return;  // one formula at a time
  m_state.ActiveFormula = formula;
  SetLabel1(std::string(prompt));
  SetReadout("");
  m_state.Accumulator.reset();
  m_state.SecondOperand.reset();
  m_state.PendingOperation = Operation::None;
  SetActionLabel("");  // nothing is pending any more, so no sign either
  FocusEqual();
}

EngineOutcome CalculatorEngine::Circumference_Click() {
  return Run([&] { StartFormula(Formula::Circumference, " Enter diameter of circle"); });
}
EngineOutcome CalculatorEngine::CircArea_Click() {
  return Run([&] { StartFormula(Formula::CircleArea, " Enter radius of circle"); });
}
EngineOutcome CalculatorEngine::CylVolume_Click() {
  return Run([&] { StartFormula(Formula::CylinderVolume, " Enter radius of cylinder"); });
}
EngineOutcome CalculatorEngine::mnuDiagonal_Click() {
  return Run([&] { StartFormula(Formula::Diagonal, " Enter length of side 1"); });
}
EngineOutcome CalculatorEngine::mnuStairs_Click() {
  return Run([&] { StartFormula(Formula::Stairs, " Enter total rise"); });
}

bool CalculatorEngine::FinishStairs(double totalRun) {
  EngineState& s = m_state;
  const std::optional<StairLayout> stairs = LayOutStairs(*s.Accumulator, totalRun);
  if (!stairs) return false;
  std::string stringer = FormatLinear(stairs->stringer, m_accuracy);
  AppendTape(StairsResultLines({FormatLinear(totalRun, m_accuracy), ShortNumber(stairs->risers),
                                FormatLinear(stairs->riserHeight, m_accuracy), ShortNumber(stairs->treads),
                                FormatLinear(stairs->treadDepth, m_accuracy), stringer}));
  // The stringer stays as an ordinary linear result, as the diagonal does.
  s.ResultValue = stairs->stringer;
  s.ResultText = stringer;
  s.Accumulator = stairs->stringer;
  s.SecondOperand.reset();
  s.PendingOperation = Operation::None;
  s.FirstOperandText = stringer;
  s.SecondOperandText.clear();
  s.ActiveFormula = Formula::None;
  FocusEqual();
  SetActionLabel("");
  SetReadout(std::move(stringer));
  SetLabel1("Stringer =");
  return true;
}

}  // namespace mezura
