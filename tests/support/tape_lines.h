#pragma once
// Writing and reading whole tapes in tests.
//
//   ASSERT_TRUE(AppendTapeLines(store, 0, {" 5'- 3 ", "+ 2' "}));
//   EXPECT_EQ(TapeLinesOf(store, 0), (std::vector<std::string>{" 5'- 3 ", "+ 2' "}));

#include <string>
#include <vector>

#include "tape/tape_store.h"

namespace mezura::testing {

/// Appends the way every writer of the program does: reserve the rows, then
/// fill them in order. False (and nothing written) when the tape refuses that many more lines.
inline bool AppendTapeLines(TapeStore& store, int tape, const std::vector<std::string>& lines) {
  const int count = static_cast<int>(lines.size());
  if (!store.AddTapeRows(tape, count)) return false;
  int row = store.TapeRowCount(tape) - count + 1;
  for (const std::string& line : lines) store.SetTapeLine(tape, row++, line);
  return true;
}

/// Every line of one tape, first to last.
inline std::vector<std::string> TapeLinesOf(const TapeStore& store, int tape) {
  std::vector<std::string> lines;
  for (int row = 1; row <= store.TapeRowCount(tape); ++row) lines.emplace_back(store.Line(tape, row));
  return lines;
}

}  // namespace mezura::testing
