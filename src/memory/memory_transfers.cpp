#include "memory/memory_transfers.h"

#include <cmath>
#include <cstdint>

#include "measure/measurement.h"
#include "measure/outside_text.h"

namespace mezura {
namespace {

constexpr std::string_view kMultiplyMarker = "x";
constexpr std::string_view kDivideMarker = "\u00f7";  // ÷

bool HasFootOrInchMark(std::string_view text) {
  return text.find('\'') != std::string_view::npos || text.find('"') != std::string_view::npos;
}

}  // namespace

MemoryTransfers::MemoryTransfers(CalculatorEngine& engine, MemoryModel& model)
    : m_engine(engine), m_model(model) {}

bool MemoryTransfers::LeftHalf(int x, int left, int width) {
  // x < left + width / 2, without rounding the half.
  return 2 * static_cast<std::int64_t>(x) < 2 * static_cast<std::int64_t>(left) + width;
}

DragImage MemoryTransfers::CellDragImage(int x, int left, int width) {
  return LeftHalf(x, left, width) ? DragImage::Subtract : DragImage::Add;
}

std::optional<DragImage> MemoryTransfers::ReadoutDragImage(int x, int left, int width) const {
  if (m_engine.ActionLabel() == kMultiplyMarker) return DragImage::Multiply;
  if (m_engine.ActionLabel() == kDivideMarker) return DragImage::Divide;
  if (x < left || static_cast<std::int64_t>(x) > static_cast<std::int64_t>(left) + width) return std::nullopt;
  return CellDragImage(x, left, width);
}

std::optional<std::string> MemoryTransfers::SourceText(std::string_view text, DragSource source) const {
  if (source.kind == DragSource::Kind::External) return ReadOutsideText(text);
  return std::string(text);
}

bool MemoryTransfers::AppendTapeLine(int tape, std::string_view line) {
  TapeStore& tapes = m_model.Tapes();
  if (!tapes.AddTapeRows(tape, 1)) return false;
  tapes.SetTapeLine(tape, tapes.TapeRowCount(tape), line);
  return true;
}

bool MemoryTransfers::DimensionsAllowReadoutDrop(std::string_view t) const {
  const EngineState& s = m_engine.State();
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

ValueOutcome MemoryTransfers::DropOnReadout(std::string_view text, DragSource source, int x, int left,
                                            int width) {
  ValueOutcome out;
  const std::optional<std::string> dropped = SourceText(text, source);
  if (!dropped) {
    ++out.feedback.beeps;
    out.result = ValueResult::Refused;
    return out;
  }
  const std::string& t = *dropped;
  EngineState& s = m_engine.State();

  if (!DimensionsAllowReadoutDrop(t)) {
    out.feedback += m_engine.RejectOperation();
    out.result = ValueResult::Refused;
    return out;
  }

  TapeStore& tapes = m_model.Tapes();
  // The lines go to the calculator's tape, so that is the tape shown and
  // scrolled to its end (showing it while the scroll follows a cell's tape
  // left the new lines out of view).
  tapes.SelectTape(0, std::string(kCalculatorTapeName));

  const std::string r = m_engine.Readout();
  const std::string trimmed(TrimBlanks(t));
  std::string display = trimmed;
  if (!display.empty() && display.back() == '-') display.pop_back();
  double v = 0.0;
  if (!display.empty() && display.front() == '-')
    v = -ParseByDimension(std::string_view(display).substr(1));
  else
    v = ParseByDimension(display);
  const bool leftHalf = LeftHalf(x, left, width);
  const std::string line = std::string(leftHalf ? " - " : " + ") + trimmed + " ";

  if (!s.Accumulator) {
    if (!std::isfinite(v)) {
      // Refused like every other value that is not a number: two beeps. The
      // display is left alone, so RejectOperation (which rewrites it) is not used.
      out.feedback.beeps += 2;
      out.result = ValueResult::Refused;
      return out;
    }
    s.DisplayText = display;
    AppendTapeLine(0, line);
    if (leftHalf) {
      v = -v;
      m_engine.SetReadout("-" + t);
      s.FirstOperandText = "-" + t;
    } else {
      m_engine.SetReadout(t);
      s.FirstOperandText = t;
    }
    s.Accumulator = v;
    s.PendingOperation = Operation::None;
  } else if (s.PendingOperation == Operation::None || s.PendingOperation == Operation::Add ||
             s.PendingOperation == Operation::Subtract) {
    s.DisplayText = display;
    const bool announced = AppendTapeLine(0, line);
    const AddSubtractResult result = AddSubtractMeasurements(
        r, trimmed, leftHalf ? AddSubtract::Subtract : AddSubtract::Add, m_engine.Accuracy());
    if (result.refused) {
      // The transfer did not happen, so its line must not stay on the tape
      // (and on a full tape, where nothing was announced, nothing is removed).
      if (announced) tapes.RemoveLastLine(0);
      out.feedback += m_engine.RejectOperation();
      out.result = ValueResult::Refused;
      return out;
    }
    m_engine.SetReadout(std::string(TrimBlanks(result.text)) + " ");
    s.FirstOperandText = result.text;
    s.SecondOperandText.clear();
    s.Accumulator = result.value;
    s.ResultValue = result.value;
    s.PendingOperation = Operation::None;
    // The sum used up the pending operation; its marker must not stay behind.
    m_engine.SetActionLabel("");
    if (tapes.AddTapeRows(0, 2)) {
      const int last = tapes.TapeRowCount(0);
      tapes.SetTapeLine(0, last - 1, kTransferSeparator);
      tapes.SetTapeLine(0, last, result.text + " ");
    }
  } else if (s.PendingOperation == Operation::Multiply || s.PendingOperation == Operation::Divide) {
    s.DisplayText = display;
    m_engine.SetReadout(t);
    out.feedback += m_engine.Equal_Click();
  } else {
    out.result = ValueResult::Ignored;
    return out;
  }
  out.feedback.captionsChanged = true;
  tapes.ScrollTapeToEnd();
  out.feedback.focusEqual = true;
  out.result = ValueResult::Done;
  return out;
}

ValueOutcome MemoryTransfers::DropOnCell(int target, std::string_view text, DragSource source, int x, int left,
                                         int width) {
  ValueOutcome out;
  const MemoryCell* cell = m_model.Cell(target);
  if (!cell) return out;
  const std::optional<std::string> dropped = SourceText(text, source);
  if (!dropped) {
    ++out.feedback.beeps;
    out.result = ValueResult::Refused;
    return out;
  }
  TapeStore& tapes = m_model.Tapes();
  tapes.SelectTape(target, cell->name);

  if (source.kind == DragSource::Kind::Cell && source.cell == target) {
    m_model.ResetValue(target);
    tapes.ClearTape(target);
    tapes.ScrollTapeToEnd();
    out.result = ValueResult::Done;
    return out;
  }

  // A transfer the tape cannot record is not made.
  if (tapes.TapeRowCount(target) > kMaxTapeLines - 3) {
    ++out.feedback.beeps;
    out.result = ValueResult::Refused;
    return out;
  }
  const std::string m = cell->value;
  const bool leftHalf = LeftHalf(x, left, width);
  AppendTapeLine(target, std::string(leftHalf ? " - " : " + ") + std::string(TrimTrailingBlanks(*dropped)) + " ");

  // The cell's own sum: the calculator's pending operation is not involved.
  const AddSubtractResult result =
      AddSubtractMeasurements(m, *dropped, leftHalf ? AddSubtract::Subtract : AddSubtract::Add, m_engine.Accuracy());
  if (result.refused) {
    tapes.RemoveLastLine(target);
    out.feedback.beeps += 2;
    out.result = ValueResult::Refused;
    return out;
  }
  m_model.SetValue(target, result.text + " ");
  if (tapes.AddTapeRows(target, 2)) {
    const int last = tapes.TapeRowCount(target);
    tapes.SetTapeLine(target, last - 1, kTransferSeparator);
    tapes.SetTapeLine(target, last, std::string(TrimTrailingBlanks(result.text)) + " ");
  }
  tapes.ScrollTapeToEnd();
  out.result = ValueResult::Done;
  return out;
}

}  // namespace mezura
