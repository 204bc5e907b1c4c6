#pragma once
// The memory cells and their counters: the cells in window order (the order
// in which they were opened), NextMemoryNumber, TapeCount, the common cell
// width, and the commands on them (create, rename, reset, close one, Clear All,
// Erase All). Each cell's tape lives in the TapeStore it is given; this model
// opens, clears and resets those tapes. Windows, layout and drag and drop are
// left to others: windows follow the model through MemoryModelListener.
//
// Counters are 16-bit in the program's file format and tape store, so creating
// a cell that would take NextMemoryNumber or TapeCount past 32767 is refused
// (the caller beeps); the counters never wrap.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "measure/colour_number.h"
#include "memory/memory_cell.h"
#include "tape/tape_store.h"

namespace mezura {

inline constexpr int kMaxMemoryCounter = 32767;
inline constexpr int kFirstMemoryWidth = 1935;  ///< twips, the common width when the first cell opens
inline constexpr std::string_view kDefaultCellName = "Memory";

/// Told about every change so that the windows can follow.
class MemoryModelListener {
 public:
  virtual ~MemoryModelListener() = default;
  virtual void CellCreated(const MemoryCell& /*cell*/) {}
  virtual void CellChanged(const MemoryCell& /*cell*/) {}  ///< name or value
  virtual void CellClosed(int /*number*/) {}
  virtual void CellsErased() {}
};

class MemoryModel {
 public:
  explicit MemoryModel(TapeStore& tapes);

  /// "Memory" followed by the short number form of `number`: "Memory 1".
  static std::string DefaultName(int number);
  /// The name the next default cell gets.
  std::string NextDefaultName() const { return DefaultName(m_nextMemoryNumber); }

  /// True while another cell may be created without passing 32767.
  bool CanCreate() const;
  /// Creates a cell named "Memory n"; returns its number, 0 when refused.
  int CreateCell();
  /// Creates a cell with the given name; returns its number, 0 when refused.
  int CreateNamedCell(std::string name);
  /// A cell read back from a memory file: its value is also line 0 of its new tape.
  int LoadCell(std::string name, std::string value);

  bool Rename(int number, std::string name);
  bool SetValue(int number, std::string value);
  /// Back to "0."; nothing is written to the tape.
  bool ResetValue(int number);
  /// One cell window closed: its number and tape stay, TapeCount goes down.
  bool CloseCell(int number);
  /// Every cell back to "0." with a clear mark on its tape.
  void ClearAll();
  /// Every cell closed, memory tapes dropped, both counters back to 1.
  void EraseAll();

  const std::vector<MemoryCell>& Cells() const { return m_cells; }
  const MemoryCell* Cell(int number) const;
  /// Position of the cell in window order, -1 if it is not open.
  int IndexOf(int number) const;
  int CellCount() const { return static_cast<int>(m_cells.size()); }

  int NextMemoryNumber() const { return m_nextMemoryNumber; }
  /// 1 plus the open cells.
  int TapeCount() const { return m_tapeCount; }

  /// Common width of all cells, twips.
  int MemoryWidth() const { return m_memoryWidth; }
  void SetMemoryWidth(int twips);

  /// A new cell takes the configured colours only when their bitwise AND is non-zero.
  static bool UsesConfiguredColours(ColourNumber memoryBackground, ColourNumber memoryReadout) {
    return (memoryBackground & memoryReadout) != 0;
  }

  TapeStore& Tapes() { return m_tapes; }

  void AddListener(MemoryModelListener* listener);
  void RemoveListener(MemoryModelListener* listener);

 private:
  MemoryCell* FindCell(int number);
  int Create(std::string name, std::string value, bool valueOnTape);
  template <typename F>
  void Notify(F&& call);

  TapeStore& m_tapes;
  std::vector<MemoryCell> m_cells;
  int m_nextMemoryNumber = 1;
  int m_tapeCount = 1;
  int m_memoryWidth = kFirstMemoryWidth;
  std::vector<MemoryModelListener*> m_listeners;
};

}  // namespace mezura
