#include "memory/memory_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace mezura {
namespace {

int Clamp(std::int64_t twips) {
  return static_cast<int>(std::clamp<std::int64_t>(twips, -kMaxLayoutTwips, kMaxLayoutTwips));
}

// Cells per row or column that fit: halves to even, at least 1.
int FitCount(int inner, int step) {
  if (step <= 0) return 1;
  const double fit = std::nearbyint(static_cast<double>(inner) / step);
  return fit < 1 ? 1 : static_cast<int>(std::min(fit, static_cast<double>(kMaxLayoutTwips)));
}

// The largest width wins and every cell takes it. (Doing it in one pass in
// window order would leave cells before the widest one narrower.)
int EqualizeWidths(std::vector<TwipRect>& cells, int memoryWidth) {
  for (const TwipRect& cell : cells) memoryWidth = std::max(memoryWidth, WholeTwips(cell.width));
  for (TwipRect& cell : cells) cell.width = memoryWidth;
  return memoryWidth;
}

// Grows the grid until every cell has a place, widening while the next column
// still fits on the screen and lengthening while the next row does.
void GrowToFit(int& columns, int& rows, int count, int memoryWidth, int rowCheckHeight, int screenWidth,
               int screenHeight) {
  while (static_cast<std::int64_t>(columns) * rows < count) {
    if (rows < columns) {
      if ((static_cast<std::int64_t>(columns) + 2) * memoryWidth < screenWidth)
        ++columns;
      else
        ++rows;
    } else {
      if ((static_cast<std::int64_t>(rows) + 2) * rowCheckHeight < screenHeight)
        ++rows;
      else
        ++columns;
    }
  }
}

// Column by column: cells 1..rows fill column 1, and so on.
void Place(std::vector<TwipRect>& cells, int columns, int rows, int memoryWidth, int rowHeight) {
  const std::int64_t count = static_cast<std::int64_t>(cells.size());
  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r < rows; ++r) {
      const std::int64_t k = static_cast<std::int64_t>(c) * rows + r;
      if (k >= count) return;
      cells[k].left = Clamp(static_cast<std::int64_t>(c) * memoryWidth);
      cells[k].top = Clamp(static_cast<std::int64_t>(r) * rowHeight);
    }
  }
}

void FitContainer(MemoryLayout& layout, const ContainerMetrics& container, int rowHeight) {
  if (!container.normalState) return;
  const int frameWidth = container.width - container.innerWidth;
  const int frameHeight = container.height - container.innerHeight;
  layout.resizeContainer = true;
  layout.containerWidth = Clamp(static_cast<std::int64_t>(layout.memoryWidth) * layout.columns + frameWidth);
  layout.containerHeight = Clamp(static_cast<std::int64_t>(layout.rows) * rowHeight + frameHeight);
}

MemoryLayout GridLayout(const ContainerMetrics& container, std::vector<TwipRect> cells, int memoryWidth,
                        int rowHeight, int rowCheckHeight) {
  MemoryLayout layout;
  layout.memoryWidth = memoryWidth;
  const int count = static_cast<int>(cells.size());
  layout.columns = FitCount(container.innerWidth, memoryWidth);
  layout.rows = FitCount(container.innerHeight, rowHeight);
  GrowToFit(layout.columns, layout.rows, count, memoryWidth, rowCheckHeight, container.screenWidth,
            container.screenHeight);
  FitContainer(layout, container, rowHeight);
  Place(cells, layout.columns, layout.rows, memoryWidth, rowHeight);
  layout.cells = std::move(cells);
  return layout;
}

}  // namespace

int LabelWidthFor(int cellWidth) { return std::max(0, cellWidth - kCellLabelMargin); }

MemoryLayout ArrangeLayout(const ContainerMetrics& container, const std::vector<TwipRect>& cells,
                           int memoryWidth, int nextMemoryNumber, int cellHeight) {
  MemoryLayout layout;
  layout.memoryWidth = memoryWidth;
  if (cells.empty()) return layout;
  std::vector<TwipRect> sized = cells;
  memoryWidth = EqualizeWidths(sized, memoryWidth);
  if (nextMemoryNumber == 2) {
    layout.memoryWidth = memoryWidth;
    layout.resizeContainer = true;
    // The design's size, with the container's real frame in place of the one
    // it was drawn with: a thicker frame must not leave the cell half hidden.
    const int frameWidth = container.width - container.innerWidth;
    const int frameHeight = container.height - container.innerHeight;
    const int innerHeight =
        std::max({kSingleCellContainerHeight - kContainerDesignFrameHeight, WholeTwips(sized.front().height), cellHeight});
    layout.containerWidth =
        Clamp(static_cast<std::int64_t>(memoryWidth) + kSingleCellExtraWidth - kContainerDesignFrameWidth + frameWidth);
    layout.containerHeight = Clamp(static_cast<std::int64_t>(innerHeight) + frameHeight);
    layout.columns = layout.rows = 1;
    layout.cells = std::move(sized);
    return layout;
  }
  // Rows are measured in the real height of the cells (the last one stands for all).
  const int rowHeight = sized.back().height > 0 ? WholeTwips(sized.back().height) : cellHeight;
  return GridLayout(container, std::move(sized), memoryWidth, rowHeight, cellHeight + kRowCheckExtra);
}

MemoryLayout RelayoutAfterCellChange(const ContainerMetrics& container, const std::vector<TwipRect>& cells,
                                     int memoryWidth, int cellHeight) {
  if (cells.empty()) {
    MemoryLayout layout;
    layout.memoryWidth = memoryWidth;
    return layout;
  }
  return GridLayout(container, cells, memoryWidth, cellHeight, cellHeight);
}

MemoryLayout ContainerResizeLayout(const ContainerMetrics& container, const std::vector<TwipRect>& cells,
                                   int memoryWidth, int cellHeight) {
  MemoryLayout layout;
  layout.memoryWidth = memoryWidth;
  if (cells.empty()) return layout;
  std::vector<TwipRect> sized = cells;
  layout.memoryWidth = memoryWidth = EqualizeWidths(sized, memoryWidth);
  layout.columns = FitCount(container.innerWidth, memoryWidth);
  layout.rows = FitCount(container.innerHeight, cellHeight);
  // One step at a time, alternating as the user's shape suggests, until every
  // cell has a place: a cell left outside the grid would keep its old place and
  // could lie under another.
  while (static_cast<std::int64_t>(layout.columns) * layout.rows < static_cast<std::int64_t>(sized.size())) {
    if (layout.rows < layout.columns)
      ++layout.columns;
    else
      ++layout.rows;
  }
  FitContainer(layout, container, cellHeight);
  Place(sized, layout.columns, layout.rows, memoryWidth, cellHeight);
  layout.cells = std::move(sized);
  return layout;
}

CellSizeResult ApplyCellSizeRule(const std::vector<TwipRect>& cells, int resizedIndex, int memoryWidth,
                                 int cellHeight) {
  CellSizeResult result;
  if (cells.size() >= 2 && resizedIndex >= 0 && resizedIndex < static_cast<int>(cells.size()))
    memoryWidth = WholeTwips(cells[resizedIndex].width);
  result.memoryWidth = std::clamp(memoryWidth, 1, kMaxLayoutTwips);
  result.labelWidth = LabelWidthFor(result.memoryWidth);
  result.cells = cells;
  for (TwipRect& cell : result.cells) {
    cell.width = result.memoryWidth;
    cell.height = cellHeight;
  }
  return result;
}

std::optional<int> WidenToLongestValue(const std::vector<int>& textWidths, int labelWidth) {
  int widest = 0;
  for (int w : textWidths) widest = std::max(widest, w);
  if (widest > labelWidth) return std::min(widest + kCellLabelMargin, kMaxLayoutTwips);
  return std::nullopt;
}

}  // namespace mezura
