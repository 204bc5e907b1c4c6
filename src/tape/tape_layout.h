#pragma once
// The arithmetic of the tape window's place and size: docked on the
// calculator window's top edge, inset on both sides, its height a whole number
// of grid rows plus the title strip and frame, and the wrap-around order in
// which the arrow keys walk through the tapes. Pure functions over twips; the
// window applies them.

#include "measure/twips.h"

namespace mezura {

inline constexpr double kTapeDockInset = 240;     ///< from each side of the calculator
inline constexpr double kTapeDockOverlap = 60;    ///< the tape's bottom overlaps the calculator's top
inline constexpr double kTapeTitleHeight = 280;   ///< the title strip above the grid
inline constexpr double kTapeEdge = 60;           ///< the window's frame on each side
inline constexpr double kTapeFrameHeight = 2 * kTapeEdge;  ///< top and bottom together
inline constexpr double kTapeChromeHeight = kTapeTitleHeight + kTapeFrameHeight;  // 400
inline constexpr double kTapeStartGridHeight = 1125;  ///< five rows of 225
inline constexpr double kTapeStartHeight = kTapeStartGridHeight + kTapeChromeHeight;  // 1525
inline constexpr double kTapeRowHeight = 225;     ///< one grid row
inline constexpr double kTapeArrowWidth = 210;    ///< the two tape arrow buttons
inline constexpr double kTapeArrowHeight = 195;

/// Where the tape window goes for a calculator window at `calculator` (outer
/// geometry) when the tape window is `tapeHeight` high: left + 240, width - 480,
/// its bottom 60 below the calculator's top.
TwipRect DockTapeWindow(const TwipRect& calculator, double tapeHeight);

/// Where the tape window goes when it must stay wholly on `screen` (a screen's
/// work area): docked as above with `rows` rows when there is room; with fewer
/// rows, one at least, when the room above the calculator is short; and when
/// not even one row fits, moved down onto the screen, overlapping the
/// calculator further (it stays above the calculator, so its newest line still
/// shows). Sideways it is moved onto the screen the same way. `chrome` is the
/// height beyond the rows. An empty `screen` keeps the plain rule.
struct TapeDock {
  TwipRect rect;
  int rows = 1;
};
TapeDock DockTapeOnScreen(const TwipRect& calculator, int rows, double rowHeight, const TwipRect& screen,
                          double chrome = kTapeChromeHeight);

/// A tape window height snapped to whole rows.
struct TapeSnap {
  int rows = 1;             ///< visible grid rows, at least one
  double gridHeight = 0;    ///< rows x row height
  double windowHeight = 0;  ///< gridHeight + the title strip and frame
};

/// Snaps a tape window `windowHeight` high to the nearest whole number of rows
/// (halves to even), `chrome` being the height beyond the rows. Any height,
/// zero or negative included, keeps one row at least, so the window never
/// turns inside out; a row height below one twip counts as the standard row.
TapeSnap SnapTapeHeight(double windowHeight, double rowHeight, double chrome = kTapeChromeHeight);

enum class TapeStep { Left, Right };

/// The column the arrow keys move to from `current` among `columnCount`
/// tapes: one step, wrapping from the first to the last and back.
int NextTapeColumn(int current, int columnCount, TapeStep step);

}  // namespace mezura
