#pragma once
// The drag-and-drop transfers between the calculator's display and the memory
// cells: which half of a target a value lands on (the right half adds, the
// left half subtracts), the drag image that says so, and the cells' own sums
// with the lines they write on a cell's tape. A value dropped on the display
// is handed to the engine's one way in (CalculatorEngine::EnterValue), which
// owns what it does there. Each drop returns what became of it and what the
// windows must do (beeps, captions, the focus for "="); the widgets (memory/ui
// and the calculator window) decode the drag, call in with the drop position,
// and act on that. Positions are in any one unit as long as x, left and width
// agree.
//
// Sound behaviour kept on purpose where the old program went wrong:
// - a refused add or subtract never leaves its announcing line on a tape;
// - a drop onto a cell never disturbs the calculator (its pending operation,
//   display and operation marker stay);
// - text from outside the program is taken only as ReadOutsideText
//   (measure/outside_text.h) reads it.

#include <optional>
#include <string>
#include <string_view>

#include "engine/calculator_engine.h"
#include "memory/drag_image.h"
#include "memory/memory_model.h"

namespace mezura {

/// Where a dragged value came from.
struct DragSource {
  enum class Kind { Readout, Cell, External };
  Kind kind = Kind::External;
  int cell = 0;  ///< the cell's number when kind is Cell

  static DragSource Readout() { return {Kind::Readout, 0}; }
  static DragSource Cell(int number) { return {Kind::Cell, number}; }
  static DragSource External() { return {Kind::External, 0}; }
};

class MemoryTransfers {
 public:
  /// `engine.Tapes()` and `model.Tapes()` must be the same store.
  MemoryTransfers(CalculatorEngine& engine, MemoryModel& model);

  /// A value dropped on the calculator's display (`Readout_DragDrop`). What
  /// the windows must do about it (beeps, captions, the focus for "=") comes
  /// back with the result.
  ValueOutcome DropOnReadout(std::string_view text, DragSource source, int x, int left, int width);
  /// A value dropped on cell `target`'s value label (`Label1_DragDrop`).
  ValueOutcome DropOnCell(int target, std::string_view text, DragSource source, int x, int left, int width);

  /// The memory keys: the display's text added to (or subtracted from) cell
  /// `target` exactly as the display dropped on the cell's right (left) half.
  ValueOutcome DisplayToCell(int target, std::string_view display, bool subtract);
  /// Cell `source`'s value into the display, exactly as the cell dropped on
  /// the display's right half; an unknown cell is refused with a beep.
  ValueOutcome RecallCell(int source);

  /// The image for a value held over the display (the Readout's drag-image
  /// rule); nothing when the pointer is outside it.
  std::optional<DragImage> ReadoutDragImage(int x, int left, int width) const;
  /// The image for a value held over a cell (every ValueLabel's default rule).
  static DragImage CellDragImage(int x, int left, int width);

  /// True when the drop position lies in the left (subtracting) half.
  static bool LeftHalf(int x, int left, int width);

 private:
  std::optional<std::string> SourceText(std::string_view text, DragSource source) const;

  CalculatorEngine& m_engine;
  MemoryModel& m_model;
};

}  // namespace mezura
