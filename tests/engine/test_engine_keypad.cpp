// Keypad entry: how each key changes the display caption, the keyboard
// mapping, and the clear keys.

#include "engine/test_engine_harness.h"

namespace mezura::testing {
namespace {

using KeypadTest = EngineTest;
using Lines = std::vector<std::string>;
const std::string kSeparator = "--------------- ";

TEST_F(KeypadTest, TypingAMeasurementBuildsTheCaptionKeyByKey) {
  const std::vector<std::pair<std::string, std::string>> steps = {
      {"5", "5"},         {"'", "5'- "},       {"3", "5'- 3"},         {" ", "5'- 3 "},
      {"1", "5'- 3 1"},   {"/", "5'- 3 1/"},   {"2", "5'- 3 1/2"},     {"\"", "5'- 3 1/2\""},
  };
  for (const auto& [key, caption] : steps) {
    Press(key);
    EXPECT_EQ(Display(), caption) << "after " << key;
  }
  EXPECT_FALSE(State().Accumulator.has_value());
  EXPECT_TRUE(Tape().empty());
}

struct EntryCase {
  const char* start;
  const char* keys;
  const char* caption;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << '"' << c.start << "\" + " << c.keys; }

class EntryRuleTest : public EngineTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryRuleTest, KeyOnCaption) {
  const EntryCase& c = GetParam();
  engine.SetReadout(c.start);
  Press(c.keys);
  EXPECT_EQ(Display(), c.caption) << "start \"" << c.start << "\" keys " << c.keys;
  EXPECT_TRUE(Tape().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Captions, EntryRuleTest,
    ::testing::Values(
        // digits replace the cleared entry and append otherwise
        EntryCase{"0.", "7", "7"}, EntryCase{"", "7", "7"}, EntryCase{"-", "5", "-5"},
        // the decimal point
        EntryCase{"0.", ".", "."}, EntryCase{"7", ".", "7."}, EntryCase{"7.", ".", "7."},
        EntryCase{"5.5'- 3", ".", "5.5'- 3."}, EntryCase{"5'- 3", ".", "5'- 3."},
        EntryCase{"5.5'- 3.", ".", "5.5'- 3."}, EntryCase{"5'- 3.5", ".", "5'- 3.5"},
        EntryCase{"0.", "5.5'3...", "5.5'- 3."},
        // foot and space
        EntryCase{"5'- 3", "'", "5'- 3"}, EntryCase{"0.", "'", "0.'- "},
        EntryCase{"0.", " ", "0."}, EntryCase{"", " ", ""},
        // a closed entry takes nothing more
        EntryCase{" 5'- 3 1/2\"", "1", " 5'- 3 1/2\""}, EntryCase{" 5'- 3 1/2\"", ".", " 5'- 3 1/2\""},
        EntryCase{" 5'- 3 1/2\"", " ", " 5'- 3 1/2\""}, EntryCase{" 5'- 3 1/2\"", "'", " 5'- 3 1/2\""},
        EntryCase{" 5'- 3 1/2\"", "\"", " 5'- 3 1/2\""},
        // pi takes no entry keys but shortens under backspace
        EntryCase{"3.14159265", "1.' \"", "3.14159265"}, EntryCase{"3.14159265", "{bs}", "3.1415926"},
        // backspace
        EntryCase{"5'- ", "{bs}", "5"}, EntryCase{"5", "{bs}", "0."}, EntryCase{"0.", "{bs}", "0."},
        EntryCase{"", "{bs}", ""}, EntryCase{" 5'- 3 1/2\"", "{bs}", " 5'- 3 1/2"},
        EntryCase{"5'- 3", "\b\b", "5"}, EntryCase{"5'- 3", "{ce}", "0."},
        EntryCase{"7\xC3\xB7", "{bs}", "7"},  // a whole UTF-8 character goes
        // pi on a typed entry does nothing (and writes nothing)
        EntryCase{"7", "{pi}", "7"},
        // keys nothing is mapped to
        EntryCase{"7", "a?#", "7"}));

TEST_F(KeypadTest, EntryKeysGiveTheFocusToEqualButBackspaceDoesNot) {
  Press("5.' \"");
  EXPECT_EQ(host.focusCalls, 5);
  Press("{bs}");
  EXPECT_EQ(host.focusCalls, 5);
  EXPECT_GT(host.captionChanges, 0);
}

TEST_F(KeypadTest, DigitEmptiesThePromptOnlyWhenNoFormulaRuns) {
  engine.SetLabel1("Circumference =");
  Press("4");
  EXPECT_EQ(engine.Label1(), "");

  Press("{clear}{diag}");
  Press("4");
  EXPECT_EQ(engine.Label1(), " Enter length of side 1");
}

TEST_F(KeypadTest, ClearEmptiesEverythingAndMarksTheTape) {
  Press("5'=x3");
  ASSERT_EQ(engine.ActionLabel(), "x");
  Press("{clear}");
  EXPECT_EQ(Display(), "0.");
  EXPECT_FALSE(State().Accumulator.has_value());
  EXPECT_FALSE(State().SecondOperand.has_value());
  EXPECT_EQ(State().PendingOperation, Operation::None);
  EXPECT_EQ(State().ActiveFormula, Formula::None);
  EXPECT_EQ(engine.ActionLabel(), "");
  EXPECT_EQ(engine.Label1(), "");
  EXPECT_EQ(Tape(), (std::vector<std::string>{"5' ", " ", "Clear ", " "}));
}

TEST_F(KeypadTest, EscapeCancelsTheEntryThenClearsEverything) {
  Press("5'=x7");
  Press("{esc}");
  EXPECT_EQ(Display(), "0.");
  EXPECT_EQ(State().PendingOperation, Operation::Multiply);
  EXPECT_EQ(engine.ActionLabel(), "x");
  EXPECT_EQ(Tape().size(), 1u);

  Press("{esc}");
  EXPECT_EQ(State().PendingOperation, Operation::None);
  EXPECT_FALSE(State().Accumulator.has_value());
  EXPECT_EQ(TapeFrom(1), (std::vector<std::string>{" ", "Clear ", " "}));
}

TEST_F(KeypadTest, CancelEntryKeepsTheCalculation) {
  Press("5'=+7{ce}");
  EXPECT_EQ(Display(), "0.");
  EXPECT_EQ(State().Accumulator, 60.0);
  EXPECT_EQ(State().PendingOperation, Operation::Add);
  Press("2'=");
  EXPECT_EQ(Display(), " 7'- 0\"");
}

TEST_F(KeypadTest, PiOnAClearedEntryShowsPiAndEvaluates) {
  for (const char* start : {"0.", "", "0", "0\""}) {
    Press("{clear}");
    engine.SetReadout(start);
    Press("{pi}");
    EXPECT_EQ(Display(), "3.14159265") << '"' << start << '"';
    EXPECT_EQ(State().Accumulator, kPi) << '"' << start << '"';
    EXPECT_EQ(Tape().back(), "3.14159265 ") << '"' << start << '"';
  }
}

TEST_F(KeypadTest, PiRefusedBesideAnAreaTotalGivesTheDisplayBack) {
  Press("5'=x3'={ce}");  // an area total, the entry cleared
  Press("{pi}");         // equals would add a plain number to an area: refused
  EXPECT_EQ(Display(), "0.");
  Press("7");            // and the digit keys still work
  EXPECT_EQ(Display(), "7");
}

TEST_F(KeypadTest, APastedValueBecomesTheEntryAsIfTyped) {
  struct Case {
    const char* before;
    const char* text;
    TextOrigin origin;
    const char* shown;   // the display after the paste
    const char* after;   // keys pressed next
    Lines tape;          // what they add to the tape
  };
  const Case cases[] = {
      // read in its own dimension once "=" takes it
      {"", "\t5' sq\r\n", TextOrigin::Outside, "5' sq.", "=", {"5' sq. "}},
      // a result in the display makes way; a cell's blanks go
      {"5'=+", " 2'- 6\" ", TextOrigin::Program, "2'- 6\"", "=", {"+ 2'- 6\" ", kSeparator, " 7'- 6\" "}},
      {"{pi}", "3", TextOrigin::Outside, "3", "", {}},
      // a formula's prompt stays while it waits for the value
      {"{diag}", "3'", TextOrigin::Outside, "3'", "=", {"Diagonal ", "Side1 =  3'- 0\" "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Press("{clear}");
    Press(c.before);
    const std::string prompt = engine.Label1();
    const size_t lines = Tape().size();
    const int focus = host.focusCalls;
    EXPECT_EQ(engine.EnterValue(c.text, ValueRole::Entry, c.origin).result, ValueResult::Done);
    ExpectCaptionsAnnounced();
    EXPECT_EQ(Display(), c.shown);
    EXPECT_EQ(engine.Label1(), State().ActiveFormula == Formula::None ? "" : prompt);
    EXPECT_EQ(Tape().size(), lines);  // the paste itself writes nothing
    EXPECT_EQ(host.focusCalls, focus + 1);
    Press(c.after);
    EXPECT_EQ(TapeFrom(lines), c.tape);
  }
  EXPECT_EQ(host.beeps, 0);

  // Text that is no measurement is refused with one beep and changes nothing.
  Press("{clear}7");
  EXPECT_EQ(engine.EnterValue("seven", ValueRole::Entry, TextOrigin::Outside).result, ValueResult::Refused);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Display(), "7");
}

TEST_F(KeypadTest, PiCompletesAPendingOperation) {
  Press("2=x{pi}");
  EXPECT_EQ(Display(), " 6 5/16\"");
  EXPECT_EQ(TapeFrom(1), (std::vector<std::string>{"x 3.14159265 ", "--------------- ", " 6 5/16\" "}));
}

}  // namespace
}  // namespace mezura::testing
