#include "memory/memory_model.h"

#include <algorithm>

#include "measure/measurement.h"
#include "tape/tape_steps.h"

namespace mezura {
namespace {
// A cell narrower than its value label's margins could not show its value.
constexpr int kMinMemoryWidth = 405;
}  // namespace

MemoryModel::MemoryModel(TapeStore& tapes) : m_tapes(tapes) {}

std::string MemoryModel::DefaultName(int number) {
  return std::string(kDefaultCellName) + ShortNumber(number);
}

bool MemoryModel::CanCreate() const {
  return m_nextMemoryNumber < kMaxMemoryCounter && m_tapeCount < kMaxMemoryCounter;
}

int MemoryModel::CreateCell() { return Create(NextDefaultName(), std::string(kEmptyCellValue), false); }

int MemoryModel::CreateNamedCell(std::string name) {
  return Create(std::move(name), std::string(kEmptyCellValue), false);
}

int MemoryModel::LoadCell(std::string name, std::string value) {
  return Create(std::move(name), std::move(value), true);
}

int MemoryModel::Create(std::string name, std::string value, bool valueOnTape) {
  if (!CanCreate()) return 0;
  const int n = m_nextMemoryNumber;
  if (!m_tapes.AddTape(n, name)) return 0;
  if (valueOnTape) m_tapes.SetTapeLine(n, 0, LoadedValueLine(value));
  // A memory file brings its own common width; a new first cell starts afresh.
  if (n == 1 && !valueOnTape) m_memoryWidth = kFirstMemoryWidth;
  m_cells.push_back(MemoryCell{std::move(name), std::move(value), n});
  ++m_tapeCount;
  ++m_nextMemoryNumber;
  const MemoryCell cell = m_cells.back();
  Notify([&](MemoryModelListener* l) { l->CellCreated(cell); });
  return n;
}

bool MemoryModel::Rename(int number, std::string name) {
  MemoryCell* cell = FindCell(number);
  if (!cell) return false;
  cell->name = std::move(name);
  m_tapes.SetCurrentTape(number);
  m_tapes.SetTapeName(number, cell->name);
  const MemoryCell copy = *cell;
  Notify([&](MemoryModelListener* l) { l->CellChanged(copy); });
  return true;
}

bool MemoryModel::SetValue(int number, std::string value) {
  MemoryCell* cell = FindCell(number);
  if (!cell) return false;
  cell->value = std::move(value);
  const MemoryCell copy = *cell;
  Notify([&](MemoryModelListener* l) { l->CellChanged(copy); });
  return true;
}

bool MemoryModel::ResetValue(int number) { return SetValue(number, std::string(kEmptyCellValue)); }

bool MemoryModel::CloseCell(int number) {
  const int index = IndexOf(number);
  if (index < 0) return false;
  m_cells.erase(m_cells.begin() + index);
  --m_tapeCount;
  Notify([&](MemoryModelListener* l) { l->CellClosed(number); });
  return true;
}

void MemoryModel::ClearAll() {
  // Copy the numbers: a listener may react to a change by reading the cells.
  std::vector<int> numbers;
  for (const MemoryCell& cell : m_cells) numbers.push_back(cell.number);
  for (int n : numbers) {
    ResetValue(n);
    m_tapes.ClearTape(n);
  }
}

void MemoryModel::EraseAll() {
  // Last to first, as the windows close.
  while (!m_cells.empty()) CloseCell(m_cells.back().number);
  m_tapes.ResetTapes();
  m_tapeCount = 1;
  m_nextMemoryNumber = 1;
  Notify([](MemoryModelListener* l) { l->CellsErased(); });
}

const MemoryCell* MemoryModel::Cell(int number) const {
  const int index = IndexOf(number);
  return index < 0 ? nullptr : &m_cells[index];
}

MemoryCell* MemoryModel::FindCell(int number) {
  const int index = IndexOf(number);
  return index < 0 ? nullptr : &m_cells[index];
}

int MemoryModel::IndexOf(int number) const {
  for (std::size_t i = 0; i < m_cells.size(); ++i)
    if (m_cells[i].number == number) return static_cast<int>(i);
  return -1;
}

void MemoryModel::SetMemoryWidth(int twips) {
  m_memoryWidth = std::clamp(twips, kMinMemoryWidth, kMaxMemoryCounter);
}

void MemoryModel::AddListener(MemoryModelListener* listener) {
  if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
    m_listeners.push_back(listener);
}

void MemoryModel::RemoveListener(MemoryModelListener* listener) {
  m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

template <typename F>
void MemoryModel::Notify(F&& call) {
  // A copy: a listener may remove itself while being told.
  const auto listeners = m_listeners;
  for (MemoryModelListener* l : listeners) call(l);
}

}  // namespace mezura
