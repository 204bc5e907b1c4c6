// Undo and redo of keys and drops: the engine, the tapes and the cells go
// back exactly, and forward again.

#include <gtest/gtest.h>

#include <functional>

#include "memory/memory_transfers.h"
#include "memory/undo_history.h"
#include "support/calculation_picture.h"

namespace mezura {
namespace {

using testing::CalculationPicture;

// Drop positions on a target 200 wide: left half subtracts, right half adds.
constexpr int kWidth = 200;
constexpr int kLeftHalf = 50;
constexpr int kRightHalf = 150;

struct World {
  TapeStore tapes;
  CalculatorEngine engine{tapes};
  MemoryModel model{tapes};
  MemoryTransfers transfers{engine, model};
  UndoHistory history;
  int cell;

  explicit World(std::size_t levels = kUndoLevels) : history(engine, model, levels), cell(model.CreateCell()) {
    history.Record();
  }
  // One key or drop, recorded as the calculator window records it.
  void Do(const std::function<EngineOutcome(World&)>& step) { history.Record(step(*this).cleared); }
  void Type(std::string_view keys) {
    for (char key : keys) Do([key](World& w) { return w.engine.KeyPress(static_cast<unsigned char>(key)); });
  }
  CalculationPicture Picture() { return CalculationPicture::Take(engine, model); }
};

struct StepCase {
  const char* name;
  std::function<void(World&)> before;
  std::function<EngineOutcome(World&)> step;
};

EngineOutcome DropOnReadout(World& w, const char* text, int x) {
  return w.transfers.DropOnReadout(text, DragSource::Cell(w.cell), x, 0, kWidth).feedback;
}
EngineOutcome DropOnCell(World& w, DragSource source, const char* text, int x) {
  return w.transfers.DropOnCell(w.cell, text, source, x, 0, kWidth).feedback;
}

std::function<void(World&)> Typed(std::string_view keys) {
  return [keys](World& w) { w.Type(keys); };
}

const StepCase kSteps[] = {
    {"digit", Typed("12"), [](World& w) { return w.engine.Number_Click(7); }},
    {"inch mark", Typed("5'3"), [](World& w) { return w.engine.Inch_Click(); }},
    {"backspace", Typed("56"), [](World& w) { return w.engine.Backspace_Click(); }},
    {"cancel entry", Typed("5+3"), [](World& w) { return w.engine.CancelEntry_Click(); }},
    {"pi", Typed("2*"), [](World& w) { return w.engine.Pi_Click(); }},
    {"plus, entry becomes the total", Typed("5'"), [](World& w) { return w.engine.Plus_Click(); }},
    {"multiply", Typed("5'="), [](World& w) { return w.engine.Multiply_Click(); }},
    {"equals, tape lines", Typed("5'+2'6"), [](World& w) { return w.engine.Equal_Click(); }},
    {"equals, division by zero", Typed("5/0"), [](World& w) { return w.engine.Equal_Click(); }},
    {"square root", Typed("16="), [](World& w) { return w.engine.SquareRoot_Click(); }},
    {"formula start", Typed(""), [](World& w) { return w.engine.Circumference_Click(); }},
    {"formula done", [](World& w) {
       w.Do([](World& x) { return x.engine.mnuDiagonal_Click(); });
       w.Type("3'=4'");
     },
     [](World& w) { return w.engine.Equal_Click(); }},
    {"typed key", Typed("7+"), [](World& w) { return w.engine.KeyPress('9'); }},
    {"drop adds to the display", Typed("5'="), [](World& w) { return DropOnReadout(w, "2' ", kRightHalf); }},
    {"drop subtracts from the display", Typed(""), [](World& w) { return DropOnReadout(w, "2' ", kLeftHalf); }},
    {"drop adds to a cell", Typed(""), [](World& w) { return DropOnCell(w, DragSource::Readout(), "3'- 4 ", kRightHalf); }},
    {"drop subtracts from a cell", Typed(""), [](World& w) { return DropOnCell(w, DragSource::Readout(), "3' ", kLeftHalf); }},
    {"cell dropped on itself",
     [](World& w) { w.Do([](World& x) { return DropOnCell(x, DragSource::Readout(), "3' ", kRightHalf); }); },
     [](World& w) { return DropOnCell(w, DragSource::Cell(w.cell), "3' ", kRightHalf); }},
};

TEST(UndoHistory, EveryKeyAndDropGoesBackExactlyAndForwardAgain) {
  for (const StepCase& c : kSteps) {
    SCOPED_TRACE(c.name);
    World w;
    c.before(w);
    const CalculationPicture before = w.Picture();
    w.Do(c.step);
    const CalculationPicture after = w.Picture();
    ASSERT_NE(after, before) << "the step changed nothing";

    ASSERT_TRUE(w.history.Undo());
    EXPECT_EQ(w.Picture(), before);
    EXPECT_TRUE(w.history.CanRedo());
    ASSERT_TRUE(w.history.Redo());
    EXPECT_EQ(w.Picture(), after);
    // And once more, now that the undone lines came from the history itself.
    ASSERT_TRUE(w.history.Undo());
    EXPECT_EQ(w.Picture(), before);
    ASSERT_TRUE(w.history.Redo());
    EXPECT_EQ(w.Picture(), after);
    EXPECT_FALSE(w.history.Redo());
  }
}

TEST(UndoHistory, ManyLevelsBackToTheLastClearAndNoFurther) {
  World w;
  w.Type("9+1=");
  w.Type("C");
  const CalculationPicture cleared = w.Picture();
  std::vector<CalculationPicture> pictures{cleared};
  for (char key : std::string_view("5'+2'6=*2=")) {
    w.Type(std::string(1, key));
    pictures.push_back(w.Picture());
  }
  // The picture after each key, walked back one by one to the Clear.
  for (std::size_t i = pictures.size() - 1; i > 0; --i) {
    ASSERT_TRUE(w.history.Undo());
    EXPECT_EQ(w.Picture(), pictures[i - 1]) << "after undoing key " << i;
  }
  EXPECT_FALSE(w.history.Undo());
  EXPECT_EQ(w.Picture(), cleared);
  for (std::size_t i = 1; i < pictures.size(); ++i) ASSERT_TRUE(w.history.Redo());
  EXPECT_EQ(w.Picture(), pictures.back());
}

TEST(UndoHistory, ANewChangeDropsWhatCouldBeRedoneAndAnUnchangedOneDoesNot) {
  World w;
  w.Type("5+3");
  ASSERT_TRUE(w.history.Undo());
  // A key that changes nothing keeps the redo.
  const CalculationPicture undone = w.Picture();
  w.Type("q");
  EXPECT_EQ(w.Picture(), undone);
  EXPECT_TRUE(w.history.CanRedo());

  w.Type("4");
  EXPECT_FALSE(w.history.CanRedo());
  EXPECT_FALSE(w.history.Redo());
  EXPECT_EQ(w.engine.Readout(), "4");
}

TEST(UndoHistory, KeepsOnlyTheNewestLevels) {
  World w{3};
  w.Type("12345");
  EXPECT_EQ(w.history.UndoLevels(), 3u);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(w.history.Undo());
  EXPECT_FALSE(w.history.Undo());
  EXPECT_EQ(w.engine.Readout(), "12");
  // Over the ring's wrap and back, and once more round it.
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(w.history.Redo());
  EXPECT_EQ(w.engine.Readout(), "12345");
  w.Type("67");
  ASSERT_TRUE(w.history.Undo());
  ASSERT_TRUE(w.history.Undo());
  EXPECT_EQ(w.engine.Readout(), "12345");
}

TEST(UndoHistory, StartsOverWhenCellsComeOrGo) {
  World w;
  w.Type("5+");
  w.model.CreateCell();  // a new cell and tape that no point knows of
  w.Type("3");
  EXPECT_FALSE(w.history.Undo());
  EXPECT_EQ(w.engine.Readout(), "3");
}

TEST(UndoHistory, AChangeNobodyRecordedIsUndoneAsAStepOfItsOwn) {
  World w;
  w.Type("5");
  const CalculationPicture typed = w.Picture();
  w.engine.KeyPress('+');  // not recorded
  ASSERT_TRUE(w.history.Undo());
  EXPECT_EQ(w.Picture(), typed);
}

}  // namespace
}  // namespace mezura
