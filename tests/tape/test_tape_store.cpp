// The tape store: where lines land, how the shared row count grows, the
// 16-bit line limit, scrolling to the end, dropping the memory tapes, and the
// notifications a view follows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "tape/tape_store.h"

namespace mezura {
namespace {

// Appends lines the way every writer does: one step at a time.
void Append(TapeStore& store, int tape, const std::vector<std::string>& lines) {
  ASSERT_TRUE(store.AppendLines(tape, lines));
}

void AppendNumbered(TapeStore& store, int tape, int count) {
  for (int i = 0; i < count; ++i) Append(store, tape, {"line " + std::to_string(i + 1)});
}

TEST(TapeStore, NewStoreHoldsTheCalculatorTapeOnly) {
  TapeStore store;
  EXPECT_EQ(store.TapeSlots(), 1);
  EXPECT_EQ(store.TapeNames(), std::vector<std::string>{"Calculator"});
  EXPECT_EQ(store.TapeRowCount(0), 0);
  EXPECT_EQ(store.RowCount(), 10);
  EXPECT_EQ(store.ColumnCount(), 1);
  EXPECT_EQ(store.CurrentTape(), 0);
  EXPECT_EQ(store.View().title, "Calculator");

  Append(store, 0, {"5'- 3 "});
  EXPECT_EQ(store.TapeRowCount(0), 1);
  EXPECT_EQ(store.Line(0, 0), "");
  EXPECT_EQ(store.Line(0, 1), "5'- 3 ");
  EXPECT_EQ(store.CursorColumn(), 0);
  EXPECT_EQ(store.CursorRow(), 1);
}

TEST(TapeStore, ClearTapeAppendsTheClearMark) {
  TapeStore store;
  ASSERT_TRUE(store.ClearTape(0));
  EXPECT_EQ(store.TapeRowCount(0), 3);
  EXPECT_EQ(store.Line(0, 1), " ");
  EXPECT_EQ(store.Line(0, 2), "Clear ");
  EXPECT_EQ(store.Line(0, 3), " ");

  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  Append(store, 1, {"a ", "b "});
  ASSERT_TRUE(store.ClearTape(1));
  EXPECT_EQ(store.TapeRowCount(1), 5);
  const std::vector<std::string> expected = {"", "a ", "b ", " ", "Clear ", " "};
  for (int row = 0; row <= 5; ++row) EXPECT_EQ(store.Line(1, row), expected[row]) << row;
  EXPECT_EQ(store.CursorColumn(), 1);
  EXPECT_EQ(store.CursorRow(), 5);
  EXPECT_EQ(store.TapeRowCount(0), 3);  // the other tape is untouched
}

TEST(TapeStore, RowCountIsTheLongestTapePlusTen) {
  TapeStore store;
  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  struct Step {
    int tape;
    int lines;
    int rowsAfter;
  };
  const std::vector<Step> steps = {
      {0, 0, 10},   // nothing reserved: the table keeps its 10 rows
      {0, 1, 11},   {0, 24, 35}, {1, 5, 35}, {1, 20, 35},
      {1, 1, 36},   // tape 1 now holds 26 lines, one more than tape 0
      {0, 3, 38},
  };
  for (const auto& s : steps) {
    ASSERT_TRUE(store.AddTapeRows(s.tape, s.lines));
    EXPECT_EQ(store.RowCount(), s.rowsAfter) << "after " << s.lines << " on tape " << s.tape;
  }
  EXPECT_EQ(store.TapeRowCount(0), 28);
  EXPECT_EQ(store.TapeRowCount(1), 26);
}

TEST(TapeStore, ScrollTapeToEndShowsTheLastLineAtTheBottom) {
  struct Case {
    int lines;
    double height;
    int firstVisible;
  };
  const std::vector<Case> cases = {
      {3, 1125, 0}, {12, 1125, 8}, {0, 1125, 0}, {4, 1125, 0}, {5, 1125, 1},
      {6, 1125, 2}, {12, 1349, 8},  // 5.99 rows: the part row is dropped
      {12, 1350, 7},
      {12, 1e300, 0},  // more rows than any int: all of the tape is visible
  };
  for (const auto& c : cases) {
    TapeStore store;
    store.SetViewGeometry(c.height, 225);
    AppendNumbered(store, 0, c.lines);
    store.ScrollTapeToEnd();
    EXPECT_EQ(store.View().firstVisibleRow, c.firstVisible) << c.lines << " lines, height " << c.height;
  }
}

TEST(TapeStore, ScrollTapeToEndFollowsTheCurrentTape) {
  TapeStore store;
  store.SetViewGeometry(1125, 225);
  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  AppendNumbered(store, 0, 3);
  AppendNumbered(store, 1, 12);
  store.SelectTape(1, "Memory 1");
  store.ScrollTapeToEnd();
  EXPECT_EQ(store.View().firstVisibleRow, 8);
  // Shown, but not current: the end of the current tape (1) still decides.
  store.ShowTape(0, "Calculator");
  EXPECT_EQ(store.CurrentTape(), 1);
  EXPECT_EQ(store.View().firstVisibleColumn, 0);
  store.SelectTape(0, "Calculator");
  store.ScrollTapeToEnd();
  EXPECT_EQ(store.View().firstVisibleRow, 0);
}

TEST(TapeStore, ScrollTapeToEndIgnoresAGeometryItCannotUse) {
  for (double rowHeight : {0.0, -225.0, std::nan("")}) {
    TapeStore store;
    AppendNumbered(store, 0, 12);
    store.SetFirstVisibleRow(4);
    store.SetViewGeometry(1125, rowHeight);
    store.ScrollTapeToEnd();
    EXPECT_EQ(store.View().firstVisibleRow, 4) << rowHeight;
  }
}

TEST(TapeStore, ResetTapesKeepsTheCalculatorTape) {
  TapeStore store;
  AppendNumbered(store, 0, 4);
  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  ASSERT_TRUE(store.AddTape(2, "Memory 2"));
  AppendNumbered(store, 1, 2);
  AppendNumbered(store, 2, 7);
  store.SelectTape(2, "Memory 2");

  store.ResetTapes();
  EXPECT_EQ(store.ColumnCount(), 1);
  EXPECT_EQ(store.TapeSlots(), 1);
  EXPECT_EQ(store.TapeName(0), "Calculator");
  EXPECT_EQ(store.TapeRowCount(0), 4);
  EXPECT_EQ(store.Line(0, 4), "line 4");
  EXPECT_EQ(store.CurrentTape(), 0);
  EXPECT_EQ(store.View().firstVisibleColumn, 0);
  EXPECT_EQ(store.View().title, "Calculator");
  EXPECT_EQ(store.RowCount(), 17);  // the row count only grows

  // The next memory cell gets tape 1 again, in a fresh column.
  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  EXPECT_EQ(store.ColumnCount(), 2);
  EXPECT_EQ(store.TapeRowCount(1), 0);
  EXPECT_EQ(store.Line(1, 1), "");
  EXPECT_EQ(store.TapeRowCount(2), 0);
  EXPECT_EQ(store.TapeName(2), "");
}

TEST(TapeStore, AClosedCellKeepsItsTapeAndTheNextCellGetsANewNumber) {
  TapeStore store;
  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  ASSERT_TRUE(store.AddTape(2, "Memory 2"));
  AppendNumbered(store, 1, 2);
  // Cell 1 closes: its window goes, its tape stays. The next cell is number 3.
  ASSERT_TRUE(store.AddTape(3, "Memory 3"));
  EXPECT_EQ(store.ColumnCount(), 4);
  EXPECT_EQ(store.TapeNames(), (std::vector<std::string>{"Calculator", "Memory 1", "Memory 2", "Memory 3"}));
  EXPECT_EQ(store.TapeRowCount(1), 2);
  EXPECT_EQ(store.Line(1, 2), "line 2");
  EXPECT_EQ(store.TapeRowCount(3), 0);
}

TEST(TapeStore, AddTapeRefusesNumbersOutsideSixteenBits) {
  TapeStore store;
  for (int tape : {0, -1, 32768, 100000}) EXPECT_FALSE(store.AddTape(tape, "x")) << tape;
  EXPECT_EQ(store.TapeSlots(), 1);
  EXPECT_EQ(store.ColumnCount(), 1);
  ASSERT_TRUE(store.AddTape(kMaxTapes, "last"));
  EXPECT_EQ(store.ColumnCount(), 32768);
  EXPECT_EQ(store.TapeName(32767), "last");
  EXPECT_EQ(store.TapeName(32766), "");
  Append(store, kMaxTapes, {"x "});
  EXPECT_EQ(store.Line(kMaxTapes, 1), "x ");
}

TEST(TapeStore, ATapeHoldsAtMost32767LinesWithoutWrapping) {
  TapeStore store;
  ASSERT_TRUE(store.AddTapeRows(0, 32765));
  EXPECT_FALSE(store.ClearTape(0));  // three more lines do not fit: nothing written
  EXPECT_EQ(store.TapeRowCount(0), 32765);
  EXPECT_EQ(store.Line(0, 32765), "");
  ASSERT_TRUE(store.AddTapeRows(0, 2));
  EXPECT_EQ(store.TapeRowCount(0), kMaxTapeLines);
  EXPECT_EQ(store.RowCount(), kMaxTapeLines + 10);
  for (int count : {1, 2, 32767}) {
    EXPECT_FALSE(store.AddTapeRows(0, count)) << count;
    EXPECT_EQ(store.TapeRowCount(0), kMaxTapeLines);
  }
  EXPECT_TRUE(store.AddTapeRows(0, 0));
  store.SetTapeLine(0, kMaxTapeLines, "last ");
  EXPECT_EQ(store.Line(0, kMaxTapeLines), "last ");
  // Other refusals: a tape that does not exist and a negative count.
  EXPECT_FALSE(store.AddTapeRows(1, 1));
  EXPECT_FALSE(store.AddTapeRows(-1, 1));
  EXPECT_FALSE(store.AddTapeRows(0, -5));
  EXPECT_EQ(store.TapeRowCount(0), kMaxTapeLines);
}

TEST(TapeStore, WritesOutsideTheTableAreIgnored) {
  TapeStore store;
  Append(store, 0, {"a "});
  for (auto [tape, row] : {std::pair{0, 11}, {0, -1}, {1, 1}, {-1, 1}}) {
    store.SetTapeLine(tape, row, "stray");
    EXPECT_EQ(store.Line(tape, row), "") << tape << "," << row;
  }
  EXPECT_EQ(store.CursorColumn(), 0);
  EXPECT_EQ(store.CursorRow(), 1);
  store.SelectTape(5, "nowhere");
  EXPECT_EQ(store.CurrentTape(), 0);
  EXPECT_EQ(store.View().title, "Calculator");
}

struct RecordingListener : TapeStoreListener {
  void TapeTableResized() override { events.push_back("resized"); }
  void TapeLineChanged(int tape, int row) override {
    events.push_back("line " + std::to_string(tape) + "," + std::to_string(row));
  }
  void TapeViewChanged() override { events.push_back("view"); }
  std::vector<std::string> Take() { return std::exchange(events, {}); }
  std::vector<std::string> events;
};

TEST(TapeStore, ListenersHearEveryChange) {
  using Events = std::vector<std::string>;
  TapeStore store;
  RecordingListener listener;
  store.AddListener(&listener);
  store.SetViewGeometry(1125, 225);

  ASSERT_TRUE(store.AddTapeRows(0, 1));
  EXPECT_EQ(listener.Take(), Events{"resized"});  // 10 rows became 11
  store.SetTapeLine(0, 1, "a ");
  EXPECT_EQ(listener.Take(), Events{"line 0,1"});
  store.ScrollTapeToEnd();
  EXPECT_EQ(listener.Take(), Events{});  // row 0 stays first: nothing moved
  ASSERT_TRUE(store.ClearTape(0));
  EXPECT_EQ(listener.Take(), (Events{"resized", "line 0,2", "line 0,3", "line 0,4"}));
  ASSERT_TRUE(store.AddTapeRows(0, 2));
  store.ScrollTapeToEnd();
  EXPECT_EQ(listener.Take(), (Events{"resized", "view"}));
  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  EXPECT_EQ(listener.Take(), Events{"resized"});
  ASSERT_TRUE(store.AddTapeRows(1, 1));
  EXPECT_EQ(listener.Take(), Events{});  // shorter than tape 0: the table keeps its rows
  store.SelectTape(1, "Memory 1");
  EXPECT_EQ(listener.Take(), Events{"view"});
  store.ResetTapes();
  EXPECT_EQ(listener.Take(), (Events{"resized", "view"}));

  store.RemoveListener(&listener);
  ASSERT_TRUE(store.ClearTape(0));
  EXPECT_EQ(listener.Take(), Events{});
}

TEST(TapeStore, AListenerMayLeaveWhileBeingTold) {
  struct Leaving : RecordingListener {
    TapeStore* store = nullptr;
    void TapeLineChanged(int tape, int row) override {
      RecordingListener::TapeLineChanged(tape, row);
      store->RemoveListener(this);
    }
  };
  TapeStore store;
  RecordingListener first, last;
  Leaving leaving;
  leaving.store = &store;
  store.AddListener(&first);
  store.AddListener(&leaving);
  store.AddListener(&last);
  store.SetTapeLine(0, 1, "a ");
  store.SetTapeLine(0, 2, "b ");
  EXPECT_EQ(first.Take(), (std::vector<std::string>{"line 0,1", "line 0,2"}));
  EXPECT_EQ(last.Take(), (std::vector<std::string>{"line 0,1", "line 0,2"}));
  EXPECT_EQ(leaving.Take(), std::vector<std::string>{"line 0,1"});
}

}  // namespace
}  // namespace mezura
