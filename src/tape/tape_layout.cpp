#include "tape/tape_layout.h"

#include <algorithm>
#include <cmath>

namespace mezura {

TwipRect DockTapeWindow(const TwipRect& calculator, double tapeHeight) {
  return {calculator.left + kTapeDockInset, calculator.top - tapeHeight + kTapeDockOverlap,
          calculator.width - 2 * kTapeDockInset, tapeHeight};
}

TapeSnap SnapTapeHeight(double windowHeight, double rowHeight) {
  if (!(rowHeight >= 1)) rowHeight = kTapeRowHeight;  // also catches NaN
  double rows = std::nearbyint((windowHeight - kTapeChromeHeight) / rowHeight);
  // A window dragged to nothing still shows one line; the upper clamp only
  // keeps the count inside an int for absurd inputs.
  if (!(rows >= 1)) rows = 1;
  rows = std::min(rows, 32767.0);
  TapeSnap snap;
  snap.rows = static_cast<int>(rows);
  snap.gridHeight = snap.rows * rowHeight;
  snap.windowHeight = snap.gridHeight + kTapeChromeHeight;
  return snap;
}

int NextTapeColumn(int current, int columnCount, TapeStep step) {
  if (columnCount < 1) return 0;
  const int last = columnCount - 1;
  current = std::clamp(current, 0, last);
  if (step == TapeStep::Left) return current > 0 ? current - 1 : last;
  return current == last ? 0 : current + 1;
}

}  // namespace mezura
