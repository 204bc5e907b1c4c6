#include "tape/tape_store.h"

#include <algorithm>
#include <cmath>

namespace mezura {

TapeStore::TapeStore()
    : m_names{std::string(kCalculatorTapeName)}, m_rowCounts{0}, m_lines(1) {}

bool TapeStore::AddTape(int tape, std::string title) {
  if (tape < 1 || tape > kMaxTapes) return false;
  if (tape >= TapeSlots()) {
    m_names.resize(tape + 1);
    m_rowCounts.resize(tape + 1, 0);
  }
  m_names[tape] = std::move(title);
  m_rowCounts[tape] = 0;
  if (m_columns < tape + 1) m_columns = tape + 1;
  if (static_cast<int>(m_lines.size()) < m_columns) m_lines.resize(m_columns);
  m_lines[tape].clear();
  NotifyResized();
  return true;
}

bool TapeStore::AppendLines(int tape, const StepLines& lines) {
  const int count = static_cast<int>(lines.size());
  if (!AddTapeRows(tape, count)) return false;
  const int first = m_rowCounts[tape] - count + 1;
  for (int i = 0; i < count; ++i) SetTapeLine(tape, first + i, lines[static_cast<size_t>(i)]);
  return true;
}

bool TapeStore::HasRoomFor(int tape, int count) const {
  return ValidTape(tape) && count >= 0 && m_rowCounts[tape] <= kMaxTapeLines - count;
}

bool TapeStore::AddTapeRows(int tape, int count) {
  if (!HasRoomFor(tape, count)) return false;
  m_rowCounts[tape] += count;
  if (m_tableRows < m_rowCounts[tape] + kSpareTableRows) {
    m_tableRows = m_rowCounts[tape] + kSpareTableRows;
    NotifyResized();
  }
  return true;
}

void TapeStore::SetTapeLine(int tape, int row, std::string_view text) {
  if (tape < 0 || tape >= m_columns || row < 0 || row >= m_tableRows) return;
  m_cursorColumn = tape;
  m_cursorRow = row;
  auto& lines = m_lines[tape];
  if (static_cast<int>(lines.size()) <= row) {
    if (text.empty()) {
      NotifyLine(tape, row);
      return;
    }
    lines.resize(row + 1);
  }
  lines[row].assign(text);
  NotifyLine(tape, row);
}

bool TapeStore::ClearTape(int tape) { return AppendLines(tape, ClearMark()); }

void TapeStore::SelectTape(int tape, std::string title) {
  if (tape < 0 || tape >= m_columns) return;
  m_currentTape = tape;
  ShowTape(tape, std::move(title));
}

void TapeStore::ShowTape(int tape, std::string title) {
  if (tape < 0 || tape >= m_columns) return;
  m_cursorColumn = tape;
  m_view.firstVisibleColumn = tape;
  m_view.title = std::move(title);
  NotifyView();
}

void TapeStore::ScrollTapeToEnd() {
  if (!ValidTape(m_currentTape) || m_view.rowHeight < 1) return;
  // Done in doubles: a height the window reports wrongly (huge, NaN) must not
  // overflow an int conversion.
  const double visibleRows = std::floor(std::nearbyint(m_view.visibleHeight) / m_view.rowHeight);
  if (std::isnan(visibleRows)) return;
  const int lines = m_rowCounts[m_currentTape];
  const int first = lines - visibleRows < 0 ? 0 : static_cast<int>(lines - visibleRows + 1);
  if (first != m_view.firstVisibleRow) {
    m_view.firstVisibleRow = first;
    NotifyView();
  }
}

void TapeStore::ResetTapes() {
  m_columns = 1;
  m_names.resize(1);
  m_rowCounts.resize(1);
  m_lines.resize(1);
  m_lines.shrink_to_fit();
  m_currentTape = 0;
  m_cursorColumn = 0;
  if (m_view.firstVisibleColumn != 0) {
    m_view.firstVisibleColumn = 0;
    m_view.title = m_names[0];
  }
  NotifyResized();
  NotifyView();
}

void TapeStore::TakeBackTo(const TapeMark& mark) {
  const int tapes = std::min(TapeSlots(), static_cast<int>(mark.rowCounts.size()));
  for (int tape = 0; tape < tapes; ++tape) {
    const int rows = mark.rowCounts[static_cast<size_t>(tape)];
    if (rows < 0 || rows >= m_rowCounts[tape]) continue;
    m_rowCounts[tape] = rows;
    auto& lines = m_lines[tape];
    if (static_cast<int>(lines.size()) > rows + 1) lines.resize(rows + 1);
  }
  int longest = 0;
  for (int rows : m_rowCounts) longest = std::max(longest, rows);
  m_tableRows = std::max(mark.tableRows, longest + kSpareTableRows);
  SetCursor(mark.cursorColumn, mark.cursorRow);
  NotifyResized();
}

int TapeStore::TapeRowCount(int tape) const { return ValidTape(tape) ? m_rowCounts[tape] : 0; }

std::string_view TapeStore::TapeName(int tape) const {
  return ValidTape(tape) ? std::string_view(m_names[tape]) : std::string_view();
}

void TapeStore::SetTapeName(int tape, std::string title) {
  if (ValidTape(tape)) m_names[tape] = std::move(title);
}

void TapeStore::SetCurrentTape(int tape) {
  if (tape >= 0 && tape < m_columns) m_currentTape = tape;
}

std::string_view TapeStore::Line(int tape, int row) const {
  if (tape < 0 || tape >= static_cast<int>(m_lines.size()) || row < 0) return {};
  const auto& lines = m_lines[tape];
  return row < static_cast<int>(lines.size()) ? std::string_view(lines[row]) : std::string_view();
}

void TapeStore::SetCursor(int column, int row) {
  if (column >= 0 && column < m_columns) m_cursorColumn = column;
  if (row >= 0 && row < m_tableRows) m_cursorRow = row;
}

void TapeStore::SetViewGeometry(double visibleHeight, double rowHeight) {
  m_view.visibleHeight = visibleHeight;
  m_view.rowHeight = rowHeight;
}

void TapeStore::SetFirstVisibleRow(int row) {
  row = std::clamp(row, 0, std::max(0, m_tableRows - 1));
  if (row == m_view.firstVisibleRow) return;
  m_view.firstVisibleRow = row;
  NotifyView();
}

void TapeStore::SetFirstVisibleColumn(int column) {
  if (column < 0 || column >= m_columns) return;
  m_view.firstVisibleColumn = column;
  NotifyView();
}

void TapeStore::AddListener(TapeStoreListener* listener) { m_listeners.push_back(listener); }

void TapeStore::RemoveListener(TapeStoreListener* listener) {
  std::erase(m_listeners, listener);
}

// Backwards by index rather than by iterator: a listener may remove itself (a
// window closing) while it is being told about a change, and the others must
// still hear of it.
namespace {
template <typename Call>
void ForEachListener(const std::vector<TapeStoreListener*>& listeners, Call call) {
  for (size_t i = listeners.size(); i-- > 0;)
    if (i < listeners.size()) call(*listeners[i]);
}
}  // namespace

void TapeStore::NotifyResized() {
  ForEachListener(m_listeners, [](TapeStoreListener& l) { l.TapeTableResized(); });
}
void TapeStore::NotifyLine(int tape, int row) {
  ForEachListener(m_listeners, [=](TapeStoreListener& l) { l.TapeLineChanged(tape, row); });
}
void TapeStore::NotifyView() {
  ForEachListener(m_listeners, [](TapeStoreListener& l) { l.TapeViewChanged(); });
}

}  // namespace mezura
