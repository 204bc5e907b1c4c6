#include "memory/memory_transfers.h"

#include <cmath>
#include <cstdint>

#include "measure/measurement.h"
#include "measure/outside_text.h"

namespace mezura {
namespace {

constexpr std::string_view kMultiplyMarker = "x";
constexpr std::string_view kDivideMarker = "\u00f7";  // ÷

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

ValueOutcome MemoryTransfers::DropOnReadout(std::string_view text, DragSource source, int x, int left,
                                            int width) {
  // The engine reads text from outside itself, so the source only says which.
  return m_engine.EnterValue(text, LeftHalf(x, left, width) ? ValueRole::Subtract : ValueRole::Add,
                             source.kind == DragSource::Kind::External ? TextOrigin::Outside : TextOrigin::Program);
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
