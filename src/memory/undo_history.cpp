#include "memory/undo_history.h"

#include <algorithm>

namespace mezura {

UndoHistory::UndoHistory(CalculatorEngine& engine, MemoryModel& model, std::size_t levels)
    : m_engine(engine), m_model(model), m_tapes(model.Tapes()), m_levels(std::max<std::size_t>(levels, 1)) {
  Capture(m_current);
}

void UndoHistory::Capture(Point& point) const {
  point.engine.state = m_engine.State();
  point.engine.readout = m_engine.Readout();
  point.engine.actionLabel = m_engine.ActionLabel();
  point.engine.label1 = m_engine.Label1();
  TapeMark& mark = point.tapes;
  mark.rowCounts.resize(static_cast<std::size_t>(m_tapes.TapeSlots()));
  for (std::size_t tape = 0; tape < mark.rowCounts.size(); ++tape)
    mark.rowCounts[tape] = m_tapes.TapeRowCount(static_cast<int>(tape));
  mark.tableRows = m_tapes.RowCount();
  mark.cursorColumn = m_tapes.CursorColumn();
  mark.cursorRow = m_tapes.CursorRow();
  const std::vector<MemoryCell>& cells = m_model.Cells();
  point.cells.resize(cells.size());
  for (std::size_t i = 0; i < cells.size(); ++i) {
    point.cells[i].number = cells[i].number;
    point.cells[i].value = cells[i].value;
  }
  point.laterLines.clear();
}

bool UndoHistory::SameShapeNow(const Point& point) const {
  const std::vector<MemoryCell>& cells = m_model.Cells();
  return point.tapes.rowCounts.size() == static_cast<std::size_t>(m_tapes.TapeSlots()) &&
         std::equal(point.cells.begin(), point.cells.end(), cells.begin(), cells.end(),
                    [](const CellValue& then, const MemoryCell& now) { return then.number == now.number; });
}

bool UndoHistory::SameCalculationNow(const Point& point) const {
  if (point.engine.state != m_engine.State() || point.engine.readout != m_engine.Readout() ||
      point.engine.actionLabel != m_engine.ActionLabel() || point.engine.label1 != m_engine.Label1())
    return false;
  for (std::size_t tape = 0; tape < point.tapes.rowCounts.size(); ++tape)
    if (point.tapes.rowCounts[tape] != m_tapes.TapeRowCount(static_cast<int>(tape))) return false;
  const std::vector<MemoryCell>& cells = m_model.Cells();
  return std::equal(point.cells.begin(), point.cells.end(), cells.begin(), cells.end(),
                    [](const CellValue& then, const MemoryCell& now) { return then.value == now.value; });
}

void UndoHistory::PushUndo(Point& point) {
  if (m_undoCount < m_ring.size()) {
    std::swap(m_ring[(m_ringStart + m_undoCount) % m_ring.size()], point);
    ++m_undoCount;
  } else if (m_ring.size() < m_levels) {
    // Not full yet, so the ring starts at 0 and grows at its end.
    m_ring.push_back(std::move(point));
    ++m_undoCount;
  } else {
    // Full: the newest point takes the oldest one's slot.
    std::swap(m_ring[m_ringStart], point);
    m_ringStart = (m_ringStart + 1) % m_ring.size();
  }
}

void UndoHistory::Record(bool cleared) {
  if (cleared || !SameShapeNow(m_current)) {
    Restart();
    return;
  }
  if (SameCalculationNow(m_current)) return;
  PushUndo(m_current);
  Capture(m_current);
  m_redo.clear();
}

void UndoHistory::Restart() {
  m_ringStart = 0;
  m_undoCount = 0;
  m_redo.clear();
  Capture(m_current);
}

std::vector<std::pair<int, StepLines>> UndoHistory::LinesAfter(const TapeMark& mark) const {
  std::vector<std::pair<int, StepLines>> later;
  const int tapes = std::min(m_tapes.TapeSlots(), static_cast<int>(mark.rowCounts.size()));
  for (int tape = 0; tape < tapes; ++tape) {
    const int from = mark.rowCounts[static_cast<std::size_t>(tape)];
    const int to = m_tapes.TapeRowCount(tape);
    if (to <= from) continue;
    StepLines lines;
    lines.reserve(static_cast<std::size_t>(to - from));
    for (int row = from + 1; row <= to; ++row) lines.emplace_back(m_tapes.Line(tape, row));
    later.emplace_back(tape, std::move(lines));
  }
  return later;
}

void UndoHistory::PutBack(const Point& point) {
  m_engine.Restore(point.engine);
  for (const CellValue& cell : point.cells) {
    const MemoryCell* now = m_model.Cell(cell.number);
    if (now && now->value != cell.value) m_model.SetValue(cell.number, cell.value);
  }
  m_tapes.TakeBackTo(point.tapes);
  for (const auto& [tape, lines] : point.laterLines) m_tapes.AppendLines(tape, lines);
  // The appends moved the table and the cursor on; they end where the point had them.
  if (!point.laterLines.empty()) m_tapes.TakeBackTo(point.tapes);
  m_tapes.ScrollTapeToEnd();
}

bool UndoHistory::Undo() {
  Record();
  if (m_undoCount == 0) return false;
  Point& before = NewestUndo();
  --m_undoCount;
  m_current.laterLines = LinesAfter(before.tapes);
  PutBack(before);
  m_redo.push_back(std::move(m_current));
  m_current = std::move(before);
  return true;
}

bool UndoHistory::Redo() {
  Record();
  if (m_redo.empty()) return false;
  Point after = std::move(m_redo.back());
  m_redo.pop_back();
  PutBack(after);
  after.laterLines.clear();
  PushUndo(m_current);
  m_current = std::move(after);
  return true;
}

}  // namespace mezura
