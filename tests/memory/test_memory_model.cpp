// The memory cells' model: names, numbers, tapes and counters.

#include <gtest/gtest.h>

#include "memory/memory_model.h"
#include "support/tape_lines.h"

namespace mezura {
namespace {

class MemoryModelTest : public ::testing::Test {
 protected:
  std::vector<std::string> TapeLines(int tape) const { return testing::TapeLinesOf(tapes, tape); }

  TapeStore tapes;
  MemoryModel model{tapes};
};

TEST_F(MemoryModelTest, DefaultCellsAreNumberedFromOneWithTheirOwnTapes) {
  model.SetMemoryWidth(3000);  // left from cells erased before
  EXPECT_EQ(model.NextDefaultName(), "Memory 1");
  ASSERT_EQ(model.CreateCell(), 1);
  ASSERT_EQ(model.CreateCell(), 2);
  ASSERT_EQ(model.CellCount(), 2);
  EXPECT_EQ(model.Cells()[0].name, "Memory 1");
  EXPECT_EQ(model.Cells()[1].name, "Memory 2");
  EXPECT_EQ(model.Cells()[0].value, "0.");
  EXPECT_EQ(tapes.TapeName(1), "Memory 1");
  EXPECT_EQ(tapes.TapeName(2), "Memory 2");
  EXPECT_EQ(tapes.TapeRowCount(1), 0);
  EXPECT_EQ(model.TapeCount(), 3);
  EXPECT_EQ(model.NextMemoryNumber(), 3);
  EXPECT_EQ(model.MemoryWidth(), kFirstMemoryWidth);
}

TEST_F(MemoryModelTest, ClosingACellKeepsItsNumberAndTape) {
  model.CreateCell();
  model.CreateCell();
  ASSERT_TRUE(model.CloseCell(1));
  EXPECT_EQ(model.TapeCount(), 2);
  EXPECT_FALSE(model.CloseCell(1));
  ASSERT_EQ(model.CreateCell(), 3);
  EXPECT_EQ(model.Cells().back().name, "Memory 3");
  EXPECT_EQ(tapes.TapeName(3), "Memory 3");
  EXPECT_EQ(model.TapeCount(), 3);
  EXPECT_EQ(tapes.ColumnCount(), 4);
  EXPECT_EQ(tapes.TapeName(1), "Memory 1");
  // Window order is the order of opening.
  EXPECT_EQ(model.Cells()[0].number, 2);
  EXPECT_EQ(model.Cells()[1].number, 3);
}

TEST_F(MemoryModelTest, EraseAllStartsNumberingAgain) {
  model.CreateCell();
  model.CreateNamedCell("Walls");
  model.CreateCell();
  tapes.SetTapeLine(0, 1, "kept");
  model.EraseAll();
  EXPECT_EQ(model.CellCount(), 0);
  EXPECT_EQ(model.TapeCount(), 1);
  EXPECT_EQ(model.NextMemoryNumber(), 1);
  EXPECT_EQ(tapes.ColumnCount(), 1);
  EXPECT_EQ(tapes.Line(0, 1), "kept");
  ASSERT_EQ(model.CreateCell(), 1);
  EXPECT_EQ(model.Cells()[0].name, "Memory 1");
  EXPECT_EQ(tapes.TapeName(1), "Memory 1");
}

TEST_F(MemoryModelTest, RenameRetitlesTheTapeAndMakesItCurrent) {
  model.CreateCell();
  model.CreateCell();
  ASSERT_TRUE(model.Rename(1, "Floor"));
  EXPECT_EQ(model.Cell(1)->name, "Floor");
  EXPECT_EQ(tapes.TapeName(1), "Floor");
  EXPECT_EQ(tapes.CurrentTape(), 1);
  EXPECT_FALSE(model.Rename(7, "Nothing"));
  EXPECT_EQ(model.CreateNamedCell("Roof"), 3);
  EXPECT_EQ(tapes.TapeName(3), "Roof");
}

TEST_F(MemoryModelTest, ClearAllResetsValuesAndMarksEveryTape) {
  model.CreateCell();
  model.CreateCell();
  model.SetValue(1, " 5'- 0\" ");
  model.SetValue(2, " 1'- 0\" sq. ");
  model.ClearAll();
  for (const MemoryCell& cell : model.Cells()) {
    EXPECT_EQ(cell.value, "0.");
    EXPECT_EQ(TapeLines(cell.number), (std::vector<std::string>{" ", "Clear ", " "}));
  }
  EXPECT_EQ(model.CellCount(), 2);
}

TEST_F(MemoryModelTest, ResetValueWritesNothingOnTheTape) {
  model.CreateCell();
  model.SetValue(1, " 3\" ");
  ASSERT_TRUE(model.ResetValue(1));
  EXPECT_EQ(model.Cell(1)->value, "0.");
  EXPECT_EQ(tapes.TapeRowCount(1), 0);
}

TEST_F(MemoryModelTest, LoadedCellShowsItsValueAsLineZeroOfItsTape) {
  model.SetMemoryWidth(2400);
  ASSERT_EQ(model.LoadCell("Deck", " 12'- 6\" "), 1);
  EXPECT_EQ(model.MemoryWidth(), 2400);
  EXPECT_EQ(model.Cell(1)->value, " 12'- 6\" ");
  EXPECT_EQ(tapes.Line(1, 0), " 12'- 6\" ");
  EXPECT_EQ(tapes.TapeRowCount(1), 0);
}

TEST_F(MemoryModelTest, CountersStopAtTheSixteenBitLimit) {
  for (int i = 1; i < kMaxMemoryCounter; ++i) ASSERT_EQ(model.CreateCell(), i);
  EXPECT_EQ(model.NextMemoryNumber(), kMaxMemoryCounter);
  EXPECT_FALSE(model.CanCreate());
  EXPECT_EQ(model.CreateCell(), 0);
  EXPECT_EQ(model.CreateNamedCell("one more"), 0);
  EXPECT_EQ(model.NextMemoryNumber(), kMaxMemoryCounter);
  EXPECT_EQ(model.TapeCount(), kMaxMemoryCounter);
  // Closing cells does not free numbers.
  model.CloseCell(5);
  EXPECT_EQ(model.CreateCell(), 0);
  model.EraseAll();
  EXPECT_EQ(model.CreateCell(), 1);
}

TEST_F(MemoryModelTest, ConfiguredColoursNeedANonZeroAnd) {
  EXPECT_FALSE(MemoryModel::UsesConfiguredColours(255, 65280));
  EXPECT_TRUE(MemoryModel::UsesConfiguredColours(8421376, 8454143));
  EXPECT_FALSE(MemoryModel::UsesConfiguredColours(0, 8454143));
}

TEST_F(MemoryModelTest, ListenersFollowEveryChange) {
  struct Recorder : MemoryModelListener {
    std::vector<std::string> events;
    void CellCreated(const MemoryCell& c) override { events.push_back("created " + c.name); }
    void CellChanged(const MemoryCell& c) override { events.push_back("changed " + c.name + "=" + c.value); }
    void CellClosed(int n) override { events.push_back("closed " + std::to_string(n)); }
    void CellsErased() override { events.push_back("erased"); }
  } recorder;
  model.AddListener(&recorder);
  model.CreateCell();
  model.SetValue(1, "2");
  model.CreateCell();
  model.EraseAll();
  model.RemoveListener(&recorder);
  model.CreateCell();
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"created Memory 1", "changed Memory 1=2", "created Memory 2",
                                                        "closed 2", "closed 1", "erased"}));
}

}  // namespace
}  // namespace mezura
