// The tape window's arithmetic: where it docks on the calculator, how its
// height snaps to whole rows, and the order in which the arrow keys walk
// through the tapes.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tape/tape_layout.h"

namespace mezura {
namespace {

TEST(DockTapeWindow, InsetOnBothSidesAndOverlapsTheCalculatorTop) {
  const TwipRect tape = DockTapeWindow({1000, 5000, 4000, 3590}, 2000);
  EXPECT_EQ(tape, (TwipRect{1240, 3060, 3520, 2000}));
}

TEST(DockTapeWindow, FollowsAMoveByTheSameAmountAndKeepsItsHeight) {
  const TwipRect before = DockTapeWindow({1000, 5000, 3615, 3590}, 1525);
  const TwipRect after = DockTapeWindow({1300, 5000, 3615, 3590}, 1525);
  EXPECT_EQ(after.left - before.left, 300);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.height, 1525);
}

struct OnScreenCase {
  const char* what;
  TwipRect calculator;
  int rows;
  TwipRect tape;
  int rowsShown;
};

TEST(DockTapeOnScreen, StaysWhollyOnTheScreen) {
  const TwipRect screen{0, 0, 24000, 18000};
  const OnScreenCase cases[] = {
      {"room for all rows", {1000, 5000, 3615, 3590}, 5, {1240, 3535, 3135, 1525}, 5},
      {"room for two rows", {1000, 1000, 3615, 3590}, 5, {1240, 210, 3135, 850}, 2},
      // not even one row: onto the screen, overlapping the calculator further
      {"no room", {1000, 300, 3615, 3590}, 5, {1240, 0, 3135, 625}, 1},
      {"off the left edge", {-2000, 5000, 3615, 3590}, 5, {0, 3535, 3135, 1525}, 5},
      {"off the right edge", {22000, 5000, 3615, 3590}, 5, {20865, 3535, 3135, 1525}, 5},
      {"below the screen", {1000, 30000, 3615, 3590}, 5, {1240, 16475, 3135, 1525}, 5},
  };
  for (const OnScreenCase& c : cases) {
    const TapeDock dock = DockTapeOnScreen(c.calculator, c.rows, 225, screen);
    EXPECT_EQ(dock.rect, c.tape) << c.what;
    EXPECT_EQ(dock.rows, c.rowsShown) << c.what;
  }
  // No screen known: the plain rule; a thicker frame makes a taller window.
  EXPECT_EQ(DockTapeOnScreen({-90000, -1000, 2745, 2844}, 5, 225, {}).rect, (TwipRect{-89760, -2465, 2265, 1525}));
  EXPECT_EQ(DockTapeOnScreen({1000, 5000, 3615, 3590}, 5, 225, screen, 700).rect.height, 5 * 225 + 700);
}

struct SnapCase {
  double height;
  double rowHeight;
  int rows;
  double windowHeight;
};

class SnapTapeHeightTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTapeHeightTest, WholeRowsPlusTitleAndFrame) {
  const SnapCase c = GetParam();
  const TapeSnap snap = SnapTapeHeight(c.height, c.rowHeight);
  EXPECT_EQ(snap.rows, c.rows);
  EXPECT_EQ(snap.windowHeight, c.windowHeight);
  EXPECT_EQ(snap.windowHeight - snap.gridHeight, kTapeChromeHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, SnapTapeHeightTest,
    ::testing::Values(SnapCase{1600, 225, 5, 1525},      // dragged a little: back to five rows
                      SnapCase{1525, 225, 5, 1525},      // already whole
                      SnapCase{1750, 225, 6, 1750},      // 6.0 rows
                      SnapCase{1637.5, 225, 6, 1750},    // 5.5 rows: halves go to the even count
                      SnapCase{1412.5, 225, 4, 1300},    // 4.5 rows: to 4
                      SnapCase{0, 225, 1, 625},          // dragged to nothing: one row stays
                      SnapCase{-5000, 225, 1, 625},      // nonsense in, a usable window out
                      SnapCase{12000, 225, 52, 12100},   // the screen's height
                      SnapCase{1600, 0, 5, 1525},        // a row height of zero counts as the standard row
                      SnapCase{1e300, 225, 32767, 32767 * 225.0 + 400}));

TEST(SnapTapeHeight, CountsTheFrameItIsGiven) {
  const TapeSnap snap = SnapTapeHeight(1900, 225, 700);  // a window manager's title bar on top
  EXPECT_EQ(snap.rows, 5);
  EXPECT_EQ(snap.windowHeight, 1825);
}

TEST(SnapTapeHeight, NotANumberGivesOneRow) {
  const TapeSnap snap = SnapTapeHeight(std::numeric_limits<double>::quiet_NaN(), 225);
  EXPECT_EQ(snap.rows, 1);
  EXPECT_TRUE(std::isfinite(snap.windowHeight));
}

struct StepCase {
  int current;
  int columns;
  TapeStep step;
  int next;
};

class NextTapeColumnTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(NextTapeColumnTest, WrapsAround) {
  const StepCase c = GetParam();
  EXPECT_EQ(NextTapeColumn(c.current, c.columns, c.step), c.next);
}

INSTANTIATE_TEST_SUITE_P(Steps, NextTapeColumnTest,
                         ::testing::Values(StepCase{0, 1, TapeStep::Left, 0}, StepCase{0, 1, TapeStep::Right, 0},
                                           StepCase{0, 3, TapeStep::Left, 2}, StepCase{2, 3, TapeStep::Right, 0},
                                           StepCase{1, 3, TapeStep::Left, 0}, StepCase{1, 3, TapeStep::Right, 2},
                                           // a cursor left past the table after a reset
                                           StepCase{7, 3, TapeStep::Right, 0}, StepCase{-4, 3, TapeStep::Left, 2},
                                           StepCase{0, 0, TapeStep::Right, 0}));

TEST(Twips, FifteenPerPixelRoundedHalfToEven) {
  EXPECT_EQ(TwipsToPixels(3615), 241);
  EXPECT_EQ(TwipsToPixels(107.5), 7);
  EXPECT_EQ(TwipsToPixels(22.5), 2);   // 1.5 -> 2
  EXPECT_EQ(TwipsToPixels(37.5), 2);   // 2.5 -> 2
  EXPECT_EQ(TwipsToPixels(-22.5), -2);
  EXPECT_EQ(PixelsToTwips(241), 3615);
}

}  // namespace
}  // namespace mezura
