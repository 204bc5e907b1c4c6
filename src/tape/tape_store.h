#pragma once
// The store of every tape: the calculator's (tape 0) and one per memory cell.
// It is a table of text cells with one column per tape and one shared row
// count, as the tape window's grid shows it; row 0 of each tape stays empty.
// It also holds the grid's view state (first visible row and column, title,
// visible height, row height) that ScrollTapeToEnd and SelectTape move, so
// that the window only mirrors it. Lines are kept per tape and only as far as
// they were written: memory follows the text stored, not rows x tapes. What
// the lines say is tape/tape_steps.h's; a step's lines arrive together
// through AppendLines.

#include <string>
#include <string_view>
#include <vector>

#include "tape/tape_steps.h"

namespace mezura {

inline constexpr int kMaxTapeLines = 32767;  ///< a tape's line count is a 16-bit counter
inline constexpr int kMaxTapes = 32767;      ///< so is a tape number
inline constexpr int kSpareTableRows = 10;   ///< the table keeps this many rows past the longest tape
inline constexpr std::string_view kCalculatorTapeName = "Calculator";

/// Told about every change, so that a view can follow without copying text.
class TapeStoreListener {
 public:
  virtual ~TapeStoreListener() = default;
  virtual void TapeTableResized() {}                 ///< row or column count changed, or tapes reset
  virtual void TapeLineChanged(int /*tape*/, int /*row*/) {}
  virtual void TapeViewChanged() {}                  ///< first visible row/column or title moved
};

/// What the tape window shows; geometry in twips.
struct TapeView {
  int firstVisibleRow = 0;
  int firstVisibleColumn = 0;
  std::string title{kCalculatorTapeName};
  double visibleHeight = 1125;  ///< the grid's height
  double rowHeight = 225;       ///< the height of one row
};

/// How far every tape was written at one moment, for undo to go back to.
struct TapeMark {
  std::vector<int> rowCounts;  ///< per tape slot
  int tableRows = kSpareTableRows;
  int cursorColumn = 0;
  int cursorRow = 0;
};

class TapeStore {
 public:
  TapeStore();

  /// Opens tape `tape` titled `title` with no lines, widening the table to it.
  /// Refused (false) for a number outside 1..32767.
  bool AddTape(int tape, std::string title);
  /// Appends one step's lines to `tape`, all of them or, when the tape is
  /// unknown or would pass 32767 lines, none (false).
  bool AppendLines(int tape, const StepLines& lines);
  /// True when `tape` can take `count` more lines.
  bool HasRoomFor(int tape, int count) const;
  /// Reserves `count` more lines at the end of `tape`; the caller then writes
  /// rows TapeRowCount-count+1 .. TapeRowCount. Refused (false, nothing
  /// reserved) for an unknown tape or when the tape would pass 32767 lines.
  bool AddTapeRows(int tape, int count);
  /// Stores `text` in (row, tape) and moves the write cursor there. Cells
  /// outside the table are ignored.
  void SetTapeLine(int tape, int row, std::string_view text);
  /// Appends the clear mark (ClearMark()); nothing is erased.
  bool ClearTape(int tape);
  /// Makes `tape` the current and shown tape under `title`.
  void SelectTape(int tape, std::string title);
  /// Shows `tape` under `title` without making it the current tape.
  void ShowTape(int tape, std::string title);
  /// Scrolls so that the current tape's last line is the bottom visible row.
  void ScrollTapeToEnd();
  /// Drops every memory tape; tape 0 keeps its lines and title.
  void ResetTapes();

  TapeMark Mark() const { return {m_rowCounts, m_tableRows, m_cursorColumn, m_cursorRow}; }
  /// Takes every tape back to the lines `mark` saw (undo): lines written
  /// since are dropped, the table's rows and the write cursor go back too.
  /// Tapes opened since, and tapes that are shorter now, are left alone.
  void TakeBackTo(const TapeMark& mark);

  int TapeRowCount(int tape) const;
  /// Number of tapes that have a title and a row count (TapeNames' size).
  int TapeSlots() const { return static_cast<int>(m_names.size()); }
  const std::vector<std::string>& TapeNames() const { return m_names; }
  std::string_view TapeName(int tape) const;
  void SetTapeName(int tape, std::string title);

  int CurrentTape() const { return m_currentTape; }
  void SetCurrentTape(int tape);

  int RowCount() const { return m_tableRows; }
  int ColumnCount() const { return m_columns; }
  /// The text of one cell; empty outside what was written.
  std::string_view Line(int tape, int row) const;

  int CursorColumn() const { return m_cursorColumn; }
  int CursorRow() const { return m_cursorRow; }
  void SetCursor(int column, int row);

  const TapeView& View() const { return m_view; }
  /// The window reports its grid's height and row height here (twips).
  void SetViewGeometry(double visibleHeight, double rowHeight);
  void SetFirstVisibleRow(int row);
  void SetFirstVisibleColumn(int column);

  void AddListener(TapeStoreListener* listener);
  void RemoveListener(TapeStoreListener* listener);

 private:
  bool ValidTape(int tape) const { return tape >= 0 && tape < TapeSlots(); }
  void NotifyResized();
  void NotifyLine(int tape, int row);
  void NotifyView();

  std::vector<std::string> m_names;
  std::vector<int> m_rowCounts;
  std::vector<std::vector<std::string>> m_lines;  // per column, as far as written
  int m_tableRows = kSpareTableRows;
  int m_columns = 1;
  int m_currentTape = 0;
  int m_cursorColumn = 0;
  int m_cursorRow = 0;
  TapeView m_view;
  std::vector<TapeStoreListener*> m_listeners;
};

}  // namespace mezura
