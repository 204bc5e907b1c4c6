#pragma once
// One memory cell as the program keeps it: its name (the window caption), its
// value text and its number (which is also its tape number). The same type
// travels to and from the memory file (storage/memory_file_codec.h), which
// keeps names and values only: a cell read from a file gets its number when
// the model opens it. The window that shows a cell lives in memory/ui and
// holds no data of its own.

#include <string>
#include <string_view>

namespace mezura {

/// A new or reset cell shows this value.
inline constexpr std::string_view kEmptyCellValue = "0.";

struct MemoryCell {
  std::string name;   ///< the caption, e.g. "Memory 1"; may be empty
  std::string value;  ///< a measurement text, verbatim; transfers leave a trailing blank
  int number = 0;     ///< n from 1, the cell's tape; 0 until the model opens the cell
  bool operator==(const MemoryCell&) const = default;
};

}  // namespace mezura
