// Values dragged between the calculator's display and the memory cells.

#include <gtest/gtest.h>

#include "memory/memory_transfers.h"
#include "support/recording_engine.h"
#include "support/tape_lines.h"

namespace mezura {
namespace {

using testing::OutcomeLog;
using testing::RecordingEngine;
using DropOutcome = ValueResult;

// The transfers, with what they report acted on as the windows would.
class RecordingTransfers {
 public:
  RecordingTransfers(RecordingEngine& engine, MemoryModel& model, OutcomeLog& log)
      : m_engine(engine), m_transfers(engine, model), m_log(log) {}
  DropOutcome DropOnReadout(std::string_view text, DragSource source, int x, int left, int width) {
    return Log(m_transfers.DropOnReadout(text, source, x, left, width));
  }
  DropOutcome DropOnCell(int target, std::string_view text, DragSource source, int x, int left, int width) {
    return Log(m_transfers.DropOnCell(target, text, source, x, left, width));
  }
  std::optional<DragImage> ReadoutDragImage(int x, int left, int width) const {
    return m_transfers.ReadoutDragImage(x, left, width);
  }

 private:
  DropOutcome Log(const ValueOutcome& outcome) {
    m_log.Take(outcome.feedback, m_engine);
    return outcome.result;
  }
  RecordingEngine& m_engine;
  MemoryTransfers m_transfers;
  OutcomeLog& m_log;
};

// Drop positions on a target at left 100, width 200: the halves meet at 200.
constexpr int kLeft = 100;
constexpr int kWidth = 200;
constexpr int kLeftHalf = 150;
constexpr int kRightHalf = 250;

class TransferTest : public ::testing::Test {
 protected:
  std::vector<std::string> Lines(int tape) const { return testing::TapeLinesOf(tapes, tape); }
  // The calculator holding a value, as after "=".
  void Holding(const std::string& text, double value) {
    engine.SetReadout(text);
    engine.State().Accumulator = value;
    engine.State().FirstOperandText = text;
  }
  void Pending(const std::string& first, double value, Operation op, const std::string& marker) {
    Holding(first, value);
    engine.State().PendingOperation = op;
    engine.SetActionLabel(marker);
    engine.SetReadout("");
  }

  TapeStore tapes;
  OutcomeLog host;
  RecordingEngine engine{tapes, host};
  MemoryModel model{tapes};
  RecordingTransfers transfers{engine, model, host};
};

TEST_F(TransferTest, DisplayOntoANewCellAddsOrSubtractsByHalf) {
  struct Case {
    int x;
    std::vector<std::string> tape;
    std::string value;
  };
  const Case cases[] = {
      {kRightHalf, {" +  7'- 3 1/2\" ", "---------------- ", " 7'- 3 1/2\" "}, " 7'- 3 1/2\" "},
      {kLeftHalf, {" -  7'- 3 1/2\" ", "---------------- ", "- 7'- 3 1/2\" "}, "- 7'- 3 1/2\" "},
      {kLeft + kWidth / 2, {" +  7'- 3 1/2\" ", "---------------- ", " 7'- 3 1/2\" "}, " 7'- 3 1/2\" "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    const int n = model.CreateCell();
    EXPECT_EQ(transfers.DropOnCell(n, " 7'- 3 1/2\"  ", DragSource::Readout(), c.x, kLeft, kWidth),
              DropOutcome::Done);
    EXPECT_EQ(Lines(n), c.tape);
    EXPECT_EQ(model.Cell(n)->value, c.value);
    EXPECT_EQ(tapes.CurrentTape(), n);
  }
}

TEST_F(TransferTest, CellDroppedOnItselfIsCleared) {
  const int n = model.CreateCell();
  model.SetValue(n, " 3'- 0\" ");
  EXPECT_EQ(transfers.DropOnCell(n, " 3'- 0\" ", DragSource::Cell(n), kLeftHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(model.Cell(n)->value, "0.");
  EXPECT_EQ(Lines(n), (std::vector<std::string>{" ", "Clear ", " "}));
}

TEST_F(TransferTest, CellToCellCopiesTheValue) {
  const int a = model.CreateCell();
  const int b = model.CreateCell();
  model.SetValue(a, " 2'- 0\" ");
  model.SetValue(b, " 5'- 0\" ");
  EXPECT_EQ(transfers.DropOnCell(b, " 2'- 0\" ", DragSource::Cell(a), kLeftHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(model.Cell(b)->value, " 3'- 0\" ");
  EXPECT_EQ(model.Cell(a)->value, " 2'- 0\" ");
  EXPECT_EQ(Lines(b).front(), " -  2'- 0\" ");
  EXPECT_EQ(tapes.TapeRowCount(a), 0);
}

TEST_F(TransferTest, CellDropLeavesTheCalculatorAlone) {
  Pending(" 5'- 0\"", 60, Operation::Add, "+");
  engine.SetReadout("3");
  const int n = model.CreateCell();
  EXPECT_EQ(transfers.DropOnCell(n, " 1'- 0\"", DragSource::Readout(), kRightHalf, kLeft, kWidth),
            DropOutcome::Done);
  EXPECT_EQ(engine.State().PendingOperation, Operation::Add);
  EXPECT_EQ(engine.Readout(), "3");
  EXPECT_EQ(engine.ActionLabel(), "+");
  EXPECT_EQ(tapes.TapeRowCount(0), 0);
}

TEST_F(TransferTest, RefusedCellDropBeepsTwiceAndRecordsNothing) {
  Pending(" 5'- 0\"", 60, Operation::Multiply, "x");
  engine.SetReadout("2");
  const int n = model.CreateCell();
  model.SetValue(n, " 4'- 0\" ");
  tapes.ClearTape(n);
  const std::vector<std::string> before = Lines(n);
  EXPECT_EQ(transfers.DropOnCell(n, " 1'- 0\" sq.", DragSource::Readout(), kRightHalf, kLeft, kWidth),
            DropOutcome::Refused);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(Lines(n), before);
  EXPECT_EQ(tapes.Line(n, tapes.TapeRowCount(n) + 1), "");
  EXPECT_EQ(model.Cell(n)->value, " 4'- 0\" ");
  EXPECT_EQ(engine.Readout(), "2");
  EXPECT_EQ(engine.State().PendingOperation, Operation::Multiply);
  EXPECT_EQ(engine.ActionLabel(), "x");
}

TEST_F(TransferTest, ATransferTheCellsTapeCannotHoldIsNotMade) {
  const int n = model.CreateCell();
  model.SetValue(n, " 4'- 0\" ");
  ASSERT_TRUE(tapes.AddTapeRows(n, kMaxTapeLines - 2));  // room for two of its three lines
  EXPECT_EQ(transfers.DropOnCell(n, " 1'- 0\"", DragSource::Readout(), kRightHalf, kLeft, kWidth),
            DropOutcome::Refused);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(model.Cell(n)->value, " 4'- 0\" ");
  EXPECT_EQ(tapes.TapeRowCount(n), kMaxTapeLines - 2);
  EXPECT_EQ(tapes.Line(n, kMaxTapeLines - 1), "");
}

TEST_F(TransferTest, IdleDisplayTakesTheDropAsFirstOperand) {
  struct Case {
    std::string text;
    int x;
    std::string readout;
    std::string tapeLine;
    double accumulator;
  };
  const Case cases[] = {
      {" 5'- 3\" ", kLeftHalf, "- 5'- 3\" ", " - 5'- 3\" ", -63},
      {" 5'- 3\" ", kRightHalf, " 5'- 3\" ", " + 5'- 3\" ", 63},
      // Read in its own dimension: a square foot is 144 square inches.
      {" 1'- 0\" sq.", kRightHalf, " 1'- 0\" sq.", " + 1'- 0\" sq. ", 144},
      {" 1'- 0\" cu.", kRightHalf, " 1'- 0\" cu.", " + 1'- 0\" cu. ", 1728},
      {"- 2'", kRightHalf, "- 2'", " + - 2' ", -24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    engine.State() = EngineState{};
    EXPECT_EQ(transfers.DropOnReadout(c.text, DragSource::Cell(1), c.x, kLeft, kWidth), DropOutcome::Done);
    EXPECT_EQ(engine.Readout(), c.readout);
    EXPECT_EQ(engine.State().FirstOperandText, c.readout);
    EXPECT_EQ(tapes.Line(0, tapes.TapeRowCount(0)), c.tapeLine);
    ASSERT_TRUE(engine.State().Accumulator.has_value());
    EXPECT_DOUBLE_EQ(*engine.State().Accumulator, c.accumulator);
    EXPECT_EQ(engine.State().PendingOperation, Operation::None);
  }
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.focusCalls, 5);
}

TEST_F(TransferTest, HoldingDisplayAddsTheDropAndRecordsTheSum) {
  Holding(" 5'- 0\"", 60);
  engine.State().PendingOperation = Operation::Add;
  engine.SetActionLabel("+");
  EXPECT_EQ(transfers.DropOnReadout(" 2'- 0\" ", DragSource::Cell(1), kRightHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(Lines(0), (std::vector<std::string>{" + 2'- 0\" ", "---------------- ", " 7'- 0\" "}));
  // The display shows the sum trimmed, then one blank.
  EXPECT_EQ(engine.Readout(), "7'- 0\" ");
  EXPECT_DOUBLE_EQ(*engine.State().Accumulator, 84);
  EXPECT_EQ(engine.State().FirstOperandText, " 7'- 0\"");
  EXPECT_EQ(engine.State().PendingOperation, Operation::None);
  EXPECT_EQ(engine.ActionLabel(), "");

  EXPECT_EQ(transfers.DropOnReadout(" 1'- 0\"", DragSource::Readout(), kLeftHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(engine.Readout(), "6'- 0\" ");
  EXPECT_EQ(tapes.Line(0, 4), " - 1'- 0\" ");
}

TEST_F(TransferTest, RefusedDisplaySumLeavesNoTapeLine) {
  struct Case {
    std::string readout, first, text;
  };
  // The dimension check passes in both, the sum itself is refused.
  const Case cases[] = {
      {" 5'- 0\"", " 5'- 0\"", "1/0"},
      {" 1'- 0\" sq.", " 5'- 0\"", " 2'- 0\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    host.beeps = 0;
    engine.SetReadout(c.readout);
    engine.State().Accumulator = 60;
    engine.State().FirstOperandText = c.first;
    const int rows = tapes.TapeRowCount(0);
    EXPECT_EQ(transfers.DropOnReadout(c.text, DragSource::Cell(2), kRightHalf, kLeft, kWidth),
              DropOutcome::Refused);
    EXPECT_EQ(tapes.TapeRowCount(0), rows);
    EXPECT_EQ(tapes.Line(0, rows + 1), "");
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(engine.Readout(), c.first);
    EXPECT_EQ(engine.State().PendingOperation, Operation::None);
    EXPECT_DOUBLE_EQ(*engine.State().Accumulator, 60);
  }
}

TEST_F(TransferTest, RefusedDropsOnAFullTapeOrWithNoNumberRemoveNothing) {
  // A full calculator tape: the refused sum announced nothing, so the last
  // real line must stay.
  ASSERT_TRUE(tapes.AddTapeRows(0, kMaxTapeLines));
  tapes.SetTapeLine(0, kMaxTapeLines, "last real line");
  engine.SetReadout(" 1'- 0\" sq.");
  engine.State().Accumulator = 144;
  engine.State().FirstOperandText = " 5'- 0\"";
  EXPECT_EQ(transfers.DropOnReadout(" 2'- 0\"", DragSource::Cell(2), kRightHalf, kLeft, kWidth),
            DropOutcome::Refused);
  EXPECT_EQ(tapes.TapeRowCount(0), kMaxTapeLines);
  EXPECT_EQ(tapes.Line(0, kMaxTapeLines), "last real line");

  // Nothing in progress and a dropped value that is no number: two beeps, as
  // every value that is not a number is refused, and the display is kept.
  TapeStore fresh;
  RecordingEngine idle{fresh, host};
  MemoryModel cells{fresh};
  RecordingTransfers onIdle{idle, cells, host};
  host.beeps = 0;
  EXPECT_EQ(onIdle.DropOnReadout("1/0", DragSource::Cell(1), kRightHalf, kLeft, kWidth), DropOutcome::Refused);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(idle.Readout(), "0.");
  EXPECT_EQ(fresh.TapeRowCount(0), 0);
  EXPECT_FALSE(idle.State().Accumulator);
}

TEST_F(TransferTest, DisplayDropShowsTheCalculatorTapeAtItsEnd) {
  // A long calculator tape, and a cell's short tape shown last.
  ASSERT_TRUE(tapes.AddTapeRows(0, 40));
  const int cell = model.CreateCell();
  tapes.SelectTape(cell, "Memory 1");
  tapes.SetViewGeometry(5 * 225, 225);  // five visible rows
  Holding(" 1'- 0\"", 12);
  ASSERT_EQ(transfers.DropOnReadout(" 6\"", DragSource::Cell(cell), kRightHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(tapes.CurrentTape(), 0);
  EXPECT_EQ(tapes.View().firstVisibleColumn, 0);
  EXPECT_EQ(tapes.View().firstVisibleRow, tapes.TapeRowCount(0) - 5 + 1);  // the sum is the bottom row
}

TEST_F(TransferTest, DimensionRulesOfTheDisplay) {
  struct Case {
    Operation op;
    std::string first;
    std::string text;
    bool refused;
  };
  const Case cases[] = {
      {Operation::Multiply, " 15'- 0\" sq.", " 2'- 0\" sq.", true},
      {Operation::Multiply, " 15'- 0\" sq.", " 2'- 0\" cu.", true},
      {Operation::Multiply, " 15'- 0\" sq.", " 2'- 0\"", false},
      {Operation::Multiply, " 5'- 0\"", " 2'- 0\" cu.", true},
      {Operation::Multiply, " 5'- 0\"", " 2'- 0\" sq.", false},
      {Operation::Multiply, "7", " 2'- 0\" cu.", false},
      {Operation::Divide, " 1'- 0\" cu.", " 2'- 0\" cu.", false},
      {Operation::Divide, " 1'- 0\" sq.", " 2'- 0\" cu.", true},
      {Operation::Divide, " 1'- 0\" sq.", " 2'- 0\" sq.", false},
      {Operation::Divide, " 5'- 0\"", " 2'- 0\" sq.", true},
      {Operation::Divide, " 5'- 0\"", " 2'- 0\"", false},
      {Operation::None, " 1'- 0\" cu.", " 2'- 0\"", true},
      {Operation::None, " 1'- 0\" cu.", " 2'- 0\" cu.", false},
      {Operation::Add, " 1'- 0\" sq.", " 2'- 0\"", true},
      {Operation::Subtract, " 5'- 0\"", " 2'- 0\" sq.", true},
      {Operation::Add, " 5'- 0\"", " 2'- 0\"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first + " with " + c.text);
    engine.State() = EngineState{};
    host.beeps = 0;
    Pending(c.first, 60, c.op, "");
    engine.SetReadout(c.first);
    const int rows = tapes.TapeRowCount(0);
    const DropOutcome outcome = transfers.DropOnReadout(c.text, DragSource::Cell(1), kRightHalf, kLeft, kWidth);
    EXPECT_EQ(outcome == DropOutcome::Refused, c.refused);
    if (c.refused) {
      EXPECT_EQ(host.beeps, 2);
      EXPECT_EQ(tapes.TapeRowCount(0), rows);
      EXPECT_EQ(engine.Readout(), c.first);
      EXPECT_EQ(engine.State().PendingOperation, Operation::None);
    }
  }
}

TEST_F(TransferTest, PendingMultiplyOrDivideIsCompletedByTheDrop) {
  struct Case {
    Operation op;
    std::string marker, first;
    double accumulator;
    std::string text, result;
  };
  const Case cases[] = {
      {Operation::Multiply, "x", " 5'- 0\"", 60, " 3'- 0\" ", " 15'- 0\" sq."},
      {Operation::Divide, "\u00f7", " 10'- 0\"", 120, "4", " 2'- 6\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    engine.State() = EngineState{};
    Pending(c.first, c.accumulator, c.op, c.marker);
    EXPECT_EQ(transfers.DropOnReadout(c.text, DragSource::Cell(1), kLeftHalf, kLeft, kWidth), DropOutcome::Done);
    EXPECT_EQ(engine.Readout(), c.result);
    EXPECT_EQ(engine.State().PendingOperation, Operation::None);
    EXPECT_EQ(tapes.Line(0, tapes.TapeRowCount(0)), c.result + " ");
  }
}

TEST_F(TransferTest, SquareRootPendingIgnoresTheDrop) {
  Pending(" 12'- 0\"", 144, Operation::SquareRoot, "Sqt");
  EXPECT_EQ(transfers.DropOnReadout(" 2'", DragSource::Cell(1), kRightHalf, kLeft, kWidth), DropOutcome::Ignored);
  EXPECT_EQ(tapes.TapeRowCount(0), 0);
}

TEST_F(TransferTest, DragImages) {
  EXPECT_EQ(transfers.ReadoutDragImage(kLeftHalf, kLeft, kWidth), DragImage::Subtract);
  EXPECT_EQ(transfers.ReadoutDragImage(kRightHalf, kLeft, kWidth), DragImage::Add);
  EXPECT_EQ(transfers.ReadoutDragImage(kLeft, kLeft, kWidth), DragImage::Subtract);
  EXPECT_EQ(transfers.ReadoutDragImage(kLeft + kWidth, kLeft, kWidth), DragImage::Add);
  EXPECT_EQ(transfers.ReadoutDragImage(kLeft - 1, kLeft, kWidth), std::nullopt);
  EXPECT_EQ(transfers.ReadoutDragImage(kLeft + kWidth + 1, kLeft, kWidth), std::nullopt);
  engine.SetActionLabel("x");
  EXPECT_EQ(transfers.ReadoutDragImage(kLeftHalf, kLeft, kWidth), DragImage::Multiply);
  EXPECT_EQ(transfers.ReadoutDragImage(0, kLeft, kWidth), DragImage::Multiply);
  engine.SetActionLabel("\u00f7");
  EXPECT_EQ(transfers.ReadoutDragImage(kRightHalf, kLeft, kWidth), DragImage::Divide);
  // Cells know only adding and subtracting.
  EXPECT_EQ(MemoryTransfers::CellDragImage(kLeftHalf, kLeft, kWidth), DragImage::Subtract);
  EXPECT_EQ(MemoryTransfers::CellDragImage(kLeft + kWidth / 2, kLeft, kWidth), DragImage::Add);
  EXPECT_TRUE(MemoryTransfers::LeftHalf(4, 0, 9));   // 4 < 4.5
  EXPECT_FALSE(MemoryTransfers::LeftHalf(5, 0, 9));
}

TEST_F(TransferTest, ForeignTextIsTakenOnlyWhenItReadsAsAMeasurement) {
  const int n = model.CreateCell();
  EXPECT_EQ(transfers.DropOnCell(n, "hello", DragSource::External(), kRightHalf, kLeft, kWidth),
            DropOutcome::Refused);
  EXPECT_EQ(transfers.DropOnReadout("hello", DragSource::External(), kRightHalf, kLeft, kWidth),
            DropOutcome::Refused);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(tapes.TapeRowCount(n), 0);
  EXPECT_EQ(tapes.TapeRowCount(0), 0);
  EXPECT_EQ(engine.Readout(), "0.");
  EXPECT_EQ(model.Cell(n)->value, "0.");

  EXPECT_EQ(transfers.DropOnCell(n, " 2'- 0\"\n", DragSource::External(), kRightHalf, kLeft, kWidth),
            DropOutcome::Done);
  EXPECT_EQ(model.Cell(n)->value, " 2'- 0\" ");
  // A foreign drop can never clear a cell as a drop onto itself does.
  EXPECT_EQ(transfers.DropOnCell(n, "3", DragSource::External(), kRightHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(model.Cell(n)->value, " 2'- 3\" ");

  // Metric text arrives in inches of its own dimension: a length adds to a
  // length, an area to an area, and a metre times a length is an area.
  EXPECT_EQ(transfers.DropOnCell(n, "304.8 mm", DragSource::External(), kRightHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(model.Cell(n)->value, " 3'- 3\" ");
  const int area = model.CreateCell();
  model.SetValue(area, " 1'- 0\" sq.");
  EXPECT_EQ(transfers.DropOnCell(area, "929.0304 cm\u00b2", DragSource::External(), kRightHalf, kLeft, kWidth),
            DropOutcome::Done);
  EXPECT_EQ(model.Cell(area)->value, " 2'- 0\" sq. ");
  Pending(" 1'- 0\"", 12, Operation::Multiply, "x");
  EXPECT_EQ(transfers.DropOnReadout("1 m", DragSource::External(), kRightHalf, kLeft, kWidth), DropOutcome::Done);
  EXPECT_EQ(engine.Readout(), " 3'- 40 7/16\" sq.");  // 472.44 sq. in
}

TEST_F(TransferTest, UnknownCellIgnoresTheDrop) {
  EXPECT_EQ(transfers.DropOnCell(4, " 2'", DragSource::Readout(), kRightHalf, kLeft, kWidth), DropOutcome::Ignored);
  EXPECT_EQ(host.beeps, 0);
}

}  // namespace
}  // namespace mezura

// ---- The memory keys against the drops they stand for ----------------------

namespace mezura {
namespace {

// A calculator with one cell; the keys run in one, the drops in a twin, and
// everything either can change must come out the same.
struct World {
  explicit World(const std::string& cellValue) { model.SetValue(model.CreateCell(), cellValue); }
  auto Seen(const ValueOutcome& outcome) {
    host.Take(outcome.feedback, engine);
    std::vector<std::string> lines;
    for (int tape : {0, 1})
      for (int row = 1; row <= tapes.TapeRowCount(tape); ++row) lines.emplace_back(tapes.Line(tape, row));
    const EngineState& s = engine.State();
    return std::tuple(outcome.result, model.Cell(1)->value, lines, engine.Readout(), s.Accumulator,
                      s.PendingOperation, host.beeps, tapes.CurrentTape());
  }
  TapeStore tapes;
  OutcomeLog host;
  RecordingEngine engine{tapes, host};
  MemoryModel model{tapes};
  MemoryTransfers transfers{engine, model};
};

TEST(MemoryKeys, DoWhatTheirDropsDo) {
  struct Case {
    std::string cell, display;
    bool subtract;
    ValueResult result;
  };
  const Case cases[] = {
      {"0.", " 7'- 3 1/2\" ", false, ValueResult::Done},
      {" 5'- 0\" ", " 7'- 3 1/2\" ", true, ValueResult::Done},
      {" 1'- 0\" sq. ", " 2'- 0\" sq.", false, ValueResult::Done},
      {" 4'- 0\" ", " 1'- 0\" sq.", false, ValueResult::Refused},  // an area into a length
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell + (c.subtract ? " - " : " + ") + c.display);
    World keys(c.cell), drops(c.cell);
    const auto keyed = keys.Seen(keys.transfers.DisplayToCell(1, c.display, c.subtract));
    EXPECT_EQ(std::get<0>(keyed), c.result);
    EXPECT_EQ(keyed, drops.Seen(drops.transfers.DropOnCell(1, c.display, DragSource::Readout(),
                                                           c.subtract ? kLeftHalf : kRightHalf, kLeft, kWidth)));
    // Recall is the cell dropped on the display's right half, into an idle
    // display, a pending "+", a pending "x", and refused for an area.
    for (const Operation pending : {Operation::None, Operation::Add, Operation::Multiply}) {
      SCOPED_TRACE(static_cast<int>(pending));
      World recall(c.cell), drop(c.cell);
      for (World* w : {&recall, &drop}) {
        w->engine.State().PendingOperation = pending;
        if (pending != Operation::None) w->engine.State().Accumulator = 60, w->engine.State().FirstOperandText = " 5'- 0\"";
      }
      EXPECT_EQ(recall.Seen(recall.transfers.RecallCell(1)),
                drop.Seen(drop.transfers.DropOnReadout(c.cell, DragSource::Cell(1), kRightHalf, kLeft, kWidth)));
    }
  }
}

}  // namespace
}  // namespace mezura
