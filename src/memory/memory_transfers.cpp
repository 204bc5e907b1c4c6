#include "memory/memory_transfers.h"

#include <cstdint>

#include "measure/measurement.h"
#include "measure/outside_text.h"
#include "tape/tape_steps.h"

namespace mezura {
namespace {

constexpr std::string_view kMultiplyMarker = "x";
constexpr std::string_view kDivideMarker = "\u00f7";  // ÷

// A target two units wide: 0 lies in its left half, 1 in its right half.
constexpr int kKeyLeft = 0;
constexpr int kKeyWidth = 2;
constexpr int kKeySubtractX = 0;
constexpr int kKeyAddX = 1;

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

  // The cell's own sum: the calculator's pending operation is not involved.
  const bool subtract = LeftHalf(x, left, width);
  const AddSubtractResult result = AddSubtractMeasurements(
      cell->value, *dropped, subtract ? AddSubtract::Subtract : AddSubtract::Add, m_engine.Accuracy());
  const StepLines lines = TransferLines(subtract, *dropped, result.text);
  // A transfer the tape cannot record is not made.
  if (!tapes.HasRoomFor(target, static_cast<int>(lines.size()))) {
    ++out.feedback.beeps;
    out.result = ValueResult::Refused;
    return out;
  }
  if (result.refused) {
    out.feedback.beeps += 2;
    out.result = ValueResult::Refused;
    return out;
  }
  m_model.SetValue(target, result.text + " ");
  tapes.AppendLines(target, lines);
  tapes.ScrollTapeToEnd();
  out.result = ValueResult::Done;
  return out;
}

ValueOutcome MemoryTransfers::DisplayToCell(int target, std::string_view display, bool subtract) {
  return DropOnCell(target, display, DragSource::Readout(), subtract ? kKeySubtractX : kKeyAddX, kKeyLeft, kKeyWidth);
}

ValueOutcome MemoryTransfers::RecallCell(int source) {
  const MemoryCell* cell = m_model.Cell(source);
  if (!cell) {
    ValueOutcome refused{ValueResult::Refused, {}};
    refused.feedback.beeps = 1;
    return refused;
  }
  // A copy: the drop may change the cells' tapes, never the cell itself.
  const std::string value = cell->value;
  return DropOnReadout(value, DragSource::Cell(source), kKeyAddX, kKeyLeft, kKeyWidth);
}

}  // namespace mezura
