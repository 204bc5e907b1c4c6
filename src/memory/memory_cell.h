#pragma once
// One memory cell as the program keeps it: its number (which is also its tape
// number), its name (the window caption) and its value text. The window that
// shows it lives in memory/ui and holds no data of its own.

#include <string>
#include <string_view>

namespace mezura {

/// A new or reset cell shows this value.
inline constexpr std::string_view kEmptyCellValue = "0.";

struct MemoryCell {
  int number = 0;      ///< n from 1; the cell owns tape n
  std::string name;    ///< the caption, e.g. "Memory 1"
  std::string value{kEmptyCellValue};  ///< a measurement text; transfers leave a trailing blank
};

}  // namespace mezura
