#include "tape/tape_layout.h"

#include <algorithm>
#include <cmath>

namespace mezura {

TwipRect DockTapeWindow(const TwipRect& calculator, double tapeHeight) {
  return {calculator.left + kTapeDockInset, calculator.top - tapeHeight + kTapeDockOverlap,
          calculator.width - 2 * kTapeDockInset, tapeHeight};
}

TapeDock DockTapeOnScreen(const TwipRect& calculator, int rows, double rowHeight, const TwipRect& screen,
                          double chrome) {
  if (!(rowHeight >= 1)) rowHeight = kTapeRowHeight;
  TapeDock dock;
  dock.rows = std::max(rows, 1);
  const bool onScreen = screen.width > 0 && screen.height > 0;
  if (onScreen) {
    const double room = calculator.top + kTapeDockOverlap - screen.top;
    const double fit = std::floor((room - chrome) / rowHeight);
    if (fit < dock.rows) dock.rows = fit >= 1 ? static_cast<int>(fit) : 1;
  }
  dock.rect = DockTapeWindow(calculator, dock.rows * rowHeight + chrome);
  if (!onScreen) return dock;
  TwipRect& r = dock.rect;
  if (r.width <= screen.width) r.left = std::clamp(r.left, screen.left, screen.left + screen.width - r.width);
  if (r.height <= screen.height) r.top = std::clamp(r.top, screen.top, screen.top + screen.height - r.height);
  return dock;
}

TapeSnap SnapTapeHeight(double windowHeight, double rowHeight, double chrome) {
  if (!(rowHeight >= 1)) rowHeight = kTapeRowHeight;  // also catches NaN
  double rows = std::nearbyint((windowHeight - chrome) / rowHeight);
  // A window dragged to nothing still shows one line; the upper clamp only
  // keeps the count inside an int for absurd inputs.
  if (!(rows >= 1)) rows = 1;
  rows = std::min(rows, 32767.0);
  TapeSnap snap;
  snap.rows = static_cast<int>(rows);
  snap.gridHeight = snap.rows * rowHeight;
  snap.windowHeight = snap.gridHeight + chrome;
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
