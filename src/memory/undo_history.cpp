#include "memory/undo_history.h"

#include <algorithm>

namespace mezura {

UndoHistory::UndoHistory(CalculatorEngine& engine, MemoryModel& model, std::size_t levels)
    : m_engine(engine), m_model(model), m_tapes(model.Tapes()), m_levels(std::max<std::size_t>(levels, 1)) {
  m_current = Capture();
}

UndoHistory::Point UndoHistory::Capture() const {
  Point point{m_engine.Snapshot(), m_tapes.Mark(), {}, {}};
  point.cells.reserve(m_model.Cells().size());
  for (const MemoryCell& cell : m_model.Cells()) point.cells.push_back({cell.number, cell.value});
  return point;
}

bool UndoHistory::SameShape(const Point& a, const Point& b) {
  return a.tapes.rowCounts.size() == b.tapes.rowCounts.size() &&
         std::equal(a.cells.begin(), a.cells.end(), b.cells.begin(), b.cells.end(),
                    [](const CellValue& x, const CellValue& y) { return x.number == y.number; });
}

bool UndoHistory::SameCalculation(const Point& a, const Point& b) {
  // Where the view or the write cursor stands is no part of the calculation.
  return a.engine == b.engine && a.tapes.rowCounts == b.tapes.rowCounts && a.cells == b.cells;
}

void UndoHistory::Record(bool cleared) {
  Point now = Capture();
  if (cleared || !SameShape(now, m_current)) {
    m_undo.clear();
    m_redo.clear();
    m_current = std::move(now);
    return;
  }
  if (SameCalculation(now, m_current)) return;
  m_undo.push_back(std::move(m_current));
  if (m_undo.size() > m_levels) m_undo.pop_front();
  m_redo.clear();
  m_current = std::move(now);
}

void UndoHistory::Restart() {
  m_undo.clear();
  m_redo.clear();
  m_current = Capture();
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
  if (m_undo.empty()) return false;
  Point before = std::move(m_undo.back());
  m_undo.pop_back();
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
  m_undo.push_back(std::move(m_current));
  if (m_undo.size() > m_levels) m_undo.pop_front();
  m_current = std::move(after);
  return true;
}

}  // namespace mezura
