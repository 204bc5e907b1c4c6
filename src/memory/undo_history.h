#pragma once
// Undo and redo of the calculation: the engine's state and captions, the
// lines the steps wrote on the tapes, and the memory cells' values. A step is
// whatever one key or drop changed; the window records after each one
// (Record), and the history keeps the point the calculation was at before it.
// Points are whole copies of the engine's small state, the tapes' line counts
// and the cells' values, so recording costs the same however long the tapes
// are; the lines a step wrote are copied only when it is undone, so that redo
// can write them again. The points live in a ring whose slots are written
// over in place, so that a step recorded costs no allocation once the ring is
// full (a step of the keypad must stay within a couple of microseconds).
//
// The history starts over, rather than taking back what it cannot:
// - at Clear (the step reports `cleared`): nothing before it is undone;
// - when cells were opened or closed, or tapes added, since the last point
//   (a cell's window and tape cannot be brought back by a value);
// - on Restart, for commands that are not steps (the memory's Clear All and
//   Erase All, a memory file read).
// A change nobody recorded is not lost: Undo and Redo record it first, as a
// step of its own; a key recorded after it takes it into its own step.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculator_engine.h"
#include "memory/memory_model.h"
#include "tape/tape_store.h"

namespace mezura {

inline constexpr std::size_t kUndoLevels = 1000;

class UndoHistory {
 public:
  /// `engine.Tapes()` and `model.Tapes()` must be the same store.
  UndoHistory(CalculatorEngine& engine, MemoryModel& model, std::size_t levels = kUndoLevels);

  /// After a key or a drop: keeps the point before it when it changed the
  /// calculation, and drops what could be redone. `cleared`: the step was
  /// Clear, and the history starts over after it.
  void Record(bool cleared = false);
  /// Forgets every point; the calculation as it is now is the first.
  void Restart();

  /// Back one step; false when there is nothing to undo.
  bool Undo();
  /// Forward again one undone step; false when there is none.
  bool Redo();

  bool CanUndo() const { return m_undoCount > 0; }
  bool CanRedo() const { return !m_redo.empty(); }
  std::size_t UndoLevels() const { return m_undoCount; }

 private:
  struct CellValue {
    int number;
    std::string value;
    bool operator==(const CellValue&) const = default;
  };
  struct Point {
    EngineSnapshot engine;
    TapeMark tapes;
    std::vector<CellValue> cells;
    /// Lines past `tapes` that the point had (tape, lines), kept once it is undone.
    std::vector<std::pair<int, StepLines>> laterLines;
  };

  /// Writes the calculation as it is now over `point`, reusing its storage.
  void Capture(Point& point) const;
  /// The same cells and tapes now as at `point`, so that it can be put back.
  bool SameShapeNow(const Point& point) const;
  /// Nothing of the calculation changed since `point` (where the view or the
  /// write cursor stands is no part of it).
  bool SameCalculationNow(const Point& point) const;
  /// Swaps `point` into the ring as the newest point to undo; `point` gets
  /// the slot's old storage (the oldest point's, when the ring is full).
  void PushUndo(Point& point);
  Point& NewestUndo() { return m_ring[(m_ringStart + m_undoCount - 1) % m_ring.size()]; }
  /// The lines the store holds past `mark`, per tape.
  std::vector<std::pair<int, StepLines>> LinesAfter(const TapeMark& mark) const;
  void PutBack(const Point& point);

  CalculatorEngine& m_engine;
  MemoryModel& m_model;
  TapeStore& m_tapes;
  std::size_t m_levels;
  Point m_current;  // where the calculation stood when last recorded
  std::vector<Point> m_ring;   // the points to undo, oldest at m_ringStart
  std::size_t m_ringStart = 0;
  std::size_t m_undoCount = 0;
  std::vector<Point> m_redo;
};

}  // namespace mezura
