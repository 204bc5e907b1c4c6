#pragma once
// Appends lines to a tape the way every writer of the program does: reserve
// the rows, then fill them in order. For the tests of the tape and its views.
//
//   ASSERT_TRUE(AppendTapeLines(store, 0, {" 5'- 3 ", "+ 2' "}));

#include <string>
#include <vector>

#include "tape/tape_store.h"

namespace mezura::testing {

/// False (and nothing written) when the tape refuses that many more lines.
inline bool AppendTapeLines(TapeStore& store, int tape, const std::vector<std::string>& lines) {
  const int count = static_cast<int>(lines.size());
  if (!store.AddTapeRows(tape, count)) return false;
  int row = store.TapeRowCount(tape) - count + 1;
  for (const std::string& line : lines) store.SetTapeLine(tape, row++, line);
  return true;
}

}  // namespace mezura::testing
