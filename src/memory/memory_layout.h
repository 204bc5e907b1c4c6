#pragma once
// The arithmetic that places memory cells in their container: the Arrange
// command, the re-layout after a cell changed size, the pass after the
// container was resized, the common size of all cells and the widening to the
// longest value. Pure functions: sizes in, positions and sizes out, all in
// twips. The windows (memory/ui) measure themselves, call these and apply the
// result; the re-entry guards of the resize events stay with them.
//
// Products such as width x columns are computed in 64 bits and every result is
// clamped to kMaxLayoutTwips, so hundreds of cells never overflow a size.

#include <optional>
#include <vector>

#include "measure/twips.h"

namespace mezura {

inline constexpr int kCellHeight = 585;          ///< every cell window's height
inline constexpr int kCellLabelMargin = 375;     ///< cell width minus its value label's width
/// A container holding its one cell is MemoryWidth + 120 by 1040 on the
/// frame it was designed with (120 across, 410 down), which leaves an inner
/// area MemoryWidth by 630; a real frame takes the place of that one.
inline constexpr int kSingleCellExtraWidth = 120;
inline constexpr int kSingleCellContainerHeight = 1040;
inline constexpr int kContainerDesignFrameWidth = 120;
inline constexpr int kContainerDesignFrameHeight = 410;
inline constexpr int kRowCheckExtra = 45;        ///< Arrange tests rows against the screen in steps of 630
inline constexpr int kMaxLayoutTwips = 16777215;

/// What the container reports about itself.
struct ContainerMetrics {
  int width = 0;          ///< outer size, frame included
  int height = 0;
  int innerWidth = 0;     ///< the client area that holds the cells
  int innerHeight = 0;
  bool normalState = true;  ///< neither minimized nor maximized
  int screenWidth = 0;
  int screenHeight = 0;
};

/// A computed arrangement; `cells` is in the order the cells were given.
struct MemoryLayout {
  int memoryWidth = 0;
  bool resizeContainer = false;  ///< move the container to its Left/Top with this size
  int containerWidth = 0;
  int containerHeight = 0;
  int columns = 0;
  int rows = 0;
  std::vector<TwipRect> cells;
};

/// The Arrange command. With exactly one cell created since the last erase
/// (nextMemoryNumber 2) the container is sized to the cell (its inner area
/// at least the cell's size) and the cell stays.
MemoryLayout ArrangeLayout(const ContainerMetrics& container, const std::vector<TwipRect>& cells,
                           int memoryWidth, int nextMemoryNumber, int cellHeight = kCellHeight);

/// The re-layout after a cell was resized or widened: widths are left alone.
MemoryLayout RelayoutAfterCellChange(const ContainerMetrics& container, const std::vector<TwipRect>& cells,
                                     int memoryWidth, int cellHeight = kCellHeight);

/// The pass after the user resized the container: the grid follows the new
/// inner size and the container is fitted to it.
MemoryLayout ContainerResizeLayout(const ContainerMetrics& container, const std::vector<TwipRect>& cells,
                                   int memoryWidth, int cellHeight = kCellHeight);

struct CellSizeResult {
  int memoryWidth = 0;
  int labelWidth = 0;
  std::vector<TwipRect> cells;
};

/// A cell was resized: with two or more cells its width becomes everyone's,
/// with one it snaps back. Every cell gets the common width and `cellHeight`.
CellSizeResult ApplyCellSizeRule(const std::vector<TwipRect>& cells, int resizedIndex, int memoryWidth,
                                 int cellHeight = kCellHeight);

/// The window width that shows the longest value text, or nothing when the
/// value label is already wide enough.
std::optional<int> WidenToLongestValue(const std::vector<int>& textWidths, int labelWidth);

/// Value label width for a cell width.
int LabelWidthFor(int cellWidth);

}  // namespace mezura
