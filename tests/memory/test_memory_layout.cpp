// The arrangement of memory cells in their container, in twips.

#include <gtest/gtest.h>

#include "memory/memory_layout.h"

namespace mezura {
namespace {

constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 410;

ContainerMetrics Container(int innerWidth, int innerHeight, bool normal = true) {
  ContainerMetrics c;
  c.innerWidth = innerWidth;
  c.innerHeight = innerHeight;
  c.width = innerWidth + kFrameWidth;
  c.height = innerHeight + kFrameHeight;
  c.normalState = normal;
  c.screenWidth = 28800;   // 1920 x 1080 pixels
  c.screenHeight = 16200;
  return c;
}

std::vector<TwipRect> Cells(int count, int width = 1935) {
  return std::vector<TwipRect>(count, TwipRect{0, 0, static_cast<double>(width), kCellHeight});
}

void ExpectNoOverlapInside(const MemoryLayout& layout) {
  const auto& cells = layout.cells;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    ASSERT_GE(cells[i].left, 0);
    ASSERT_GE(cells[i].top, 0);
    if (layout.resizeContainer) {
      ASSERT_LE(cells[i].left + cells[i].width, layout.containerWidth - kFrameWidth) << i;
      ASSERT_LE(cells[i].top + cells[i].height, layout.containerHeight - kFrameHeight) << i;
    }
    for (std::size_t j = i + 1; j < cells.size(); ++j) {
      const bool apart = cells[i].left + cells[i].width <= cells[j].left ||
                         cells[j].left + cells[j].width <= cells[i].left ||
                         cells[i].top + cells[i].height <= cells[j].top ||
                         cells[j].top + cells[j].height <= cells[i].top;
      ASSERT_TRUE(apart) << "cells " << i << " and " << j << " overlap";
    }
  }
}

TEST(MemoryLayoutTest, SingleCellSizesTheContainerAndStays) {
  std::vector<TwipRect> cells{{300, 200, 1935, kCellHeight}};
  const MemoryLayout layout = ArrangeLayout(Container(5000, 5000), cells, 1935, 2);
  EXPECT_TRUE(layout.resizeContainer);
  EXPECT_EQ(layout.containerWidth, 1935 + 120);
  EXPECT_EQ(layout.containerHeight, 1040);
  EXPECT_EQ(layout.cells[0], cells[0]);
  // Another window manager's frame (thin sides, a tall title bar) and a cell
  // taller than the design's: the inside still holds the whole cell.
  ContainerMetrics other = Container(5000, 5000);
  other.width = 5000 + 30;
  other.height = 5000 + 390;
  cells[0].height = 765;
  const MemoryLayout framed = ArrangeLayout(other, cells, 1935, 2, 765);
  EXPECT_EQ(framed.containerWidth, 1935 + 30);
  EXPECT_EQ(framed.containerHeight, 765 + 390);
}

TEST(MemoryLayoutTest, FiveCellsInATwoByTwoContainerGrowARow) {
  const MemoryLayout layout = ArrangeLayout(Container(2 * 1935, 2 * kCellHeight), Cells(5), 1935, 6);
  EXPECT_EQ(layout.columns, 2);
  EXPECT_EQ(layout.rows, 3);
  const std::vector<TwipRect> expected{{0, 0, 1935, 585},    {0, 585, 1935, 585}, {0, 1170, 1935, 585},
                                        {1935, 0, 1935, 585}, {1935, 585, 1935, 585}};
  EXPECT_EQ(layout.cells, expected);
  EXPECT_EQ(layout.containerWidth, 2 * 1935 + kFrameWidth);
  EXPECT_EQ(layout.containerHeight, 3 * 585 + kFrameHeight);
}

TEST(MemoryLayoutTest, GridGrowsRowsWhileTheScreenHasRoomThenColumns) {
  ContainerMetrics c = Container(1935, 585);
  c.screenHeight = 4 * 630 + 1;  // (rows + 2) x 630 fits up to rows = 2
  const MemoryLayout layout = ArrangeLayout(c, Cells(7), 1935, 8);
  EXPECT_EQ(layout.rows, 3);
  EXPECT_EQ(layout.columns, 3);
  ExpectNoOverlapInside(layout);
}

TEST(MemoryLayoutTest, ArrangeGivesEveryCellTheWidestWidth) {
  std::vector<TwipRect> cells = Cells(3);
  cells[2].width = 2500;
  const MemoryLayout layout = ArrangeLayout(Container(8000, 2000), cells, 1935, 4);
  EXPECT_EQ(layout.memoryWidth, 2500);
  for (const TwipRect& cell : layout.cells) EXPECT_EQ(cell.width, 2500);
  ExpectNoOverlapInside(layout);
}

TEST(MemoryLayoutTest, MaximizedContainerKeepsItsSizeButPlacesCells) {
  const MemoryLayout layout = ArrangeLayout(Container(3870, 1170, false), Cells(4), 1935, 5);
  EXPECT_FALSE(layout.resizeContainer);
  EXPECT_EQ(layout.cells[3], (TwipRect{1935, 585, 1935, 585}));
}

TEST(MemoryLayoutTest, RelayoutAndContainerResizeFitTheInnerArea) {
  const MemoryLayout relayout = RelayoutAfterCellChange(Container(3 * 1935, 585), Cells(3), 1935);
  EXPECT_EQ(relayout.columns, 3);
  EXPECT_EQ(relayout.rows, 1);
  EXPECT_EQ(relayout.cells[2].left, 2 * 1935);

  // The user dragged the container narrow: one column, growing rows until all fit.
  const MemoryLayout resized = ContainerResizeLayout(Container(1900, 600), Cells(4), 1935);
  EXPECT_GE(resized.columns * resized.rows, 4);
  EXPECT_EQ(resized.containerWidth, resized.columns * 1935 + kFrameWidth);
  ExpectNoOverlapInside(resized);
}

TEST(MemoryLayoutTest, HundredsOfCellsNeverOverlap) {
  for (int count : {99, 300, 640}) {
    SCOPED_TRACE(count);
    ExpectNoOverlapInside(ArrangeLayout(Container(3870, 1170), Cells(count), 1935, count + 1));
    ExpectNoOverlapInside(RelayoutAfterCellChange(Container(3870, 1170), Cells(count), 1935));
    ExpectNoOverlapInside(ContainerResizeLayout(Container(3870, 1170), Cells(count), 1935));
  }
}

TEST(MemoryLayoutTest, HugeProductsAreClampedNotWrapped) {
  ContainerMetrics c = Container(100, 100);
  c.screenWidth = 1;
  c.screenHeight = 1;
  const MemoryLayout layout = ArrangeLayout(c, Cells(3000, 32767), 32767, 3001);
  EXPECT_GT(layout.containerWidth, 0);
  EXPECT_LE(layout.containerWidth, kMaxLayoutTwips);
  EXPECT_GT(layout.containerHeight, 0);
  for (const TwipRect& cell : layout.cells) {
    EXPECT_GE(cell.left, 0);
    EXPECT_LE(cell.left, kMaxLayoutTwips);
  }
}

TEST(MemoryLayoutTest, CellSizeRuleSharesTheResizedWidthOnlyWithTwoOrMoreCells) {
  std::vector<TwipRect> two{{0, 0, 1935, 585}, {1935, 0, 2400, 700}};
  CellSizeResult shared = ApplyCellSizeRule(two, 1, 1935);
  EXPECT_EQ(shared.memoryWidth, 2400);
  EXPECT_EQ(shared.labelWidth, 2400 - 375);
  for (const TwipRect& cell : shared.cells) {
    EXPECT_EQ(cell.width, 2400);
    EXPECT_EQ(cell.height, 585);
  }
  std::vector<TwipRect> one{{0, 0, 2400, 585}};
  CellSizeResult snapped = ApplyCellSizeRule(one, 0, 1935);
  EXPECT_EQ(snapped.memoryWidth, 1935);
  EXPECT_EQ(snapped.cells[0].width, 1935);
}

TEST(MemoryLayoutTest, WideningFollowsTheLongestValue) {
  EXPECT_EQ(WidenToLongestValue({900, 2100, 1200}, 1560), 2100 + 375);
  EXPECT_EQ(WidenToLongestValue({900, 1560}, 1560), std::nullopt);
  EXPECT_EQ(WidenToLongestValue({}, 1560), std::nullopt);
}

}  // namespace
}  // namespace mezura
