// Operations and evaluation: what each sequence of keys leaves in the display,
// the accumulator and on the calculator's tape, and how refusals look.

#include <cctype>
#include <cmath>
#include <optional>

#include "engine/test_engine_harness.h"

namespace mezura::testing {
namespace {

const std::string kSep = "--------------- ";
using Lines = std::vector<std::string>;

struct CalcCase {
  const char* name;
  const char* keys;
  std::string display;
  Lines tape;
  std::optional<double> accumulator;
  int beeps = 0;
};

void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name << " " << c.keys; }

class CalculationTest : public EngineTest, public ::testing::WithParamInterface<CalcCase> {};

TEST_P(CalculationTest, KeysGiveDisplayTapeAndTotal) {
  const CalcCase& c = GetParam();
  Press(c.keys);
  EXPECT_EQ(Display(), c.display);
  EXPECT_EQ(Tape(), c.tape);
  EXPECT_EQ(State().Accumulator, c.accumulator);
  EXPECT_EQ(host.beeps, c.beeps);
  EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, CalculationTest,
    ::testing::Values(
        CalcCase{"FirstOperand", "5'3=", "5'- 3", {"5'- 3 "}, 63.0},
        CalcCase{"AddFeet", "5'3=+2'=", " 7'- 3\"", {"5'- 3 ", "+ 2' ", kSep, " 7'- 3\" "}, 87.0},
        CalcCase{"EqualsAgainAddsTheResult", "5'3=+2'==", " 14'- 6\"",
                 {"5'- 3 ", "+ 2' ", kSep, " 7'- 3\" ", "+ 7'- 3\" ", kSep, " 14'- 6\" "}, 174.0},
        CalcCase{"EqualsWithoutOperationAdds", "5'={ce}3'=", " 8'- 0\"", {"5' ", "+ 3' ", kSep, " 8'- 0\" "}, 96.0},
        CalcCase{"EqualsTwiceDoublesTheEntry", "5'==", " 10'- 0\"", {"5' ", "+ 5' ", kSep, " 10'- 0\" "}, 120.0},
        CalcCase{"LengthTimesLengthIsArea", "5'=x3'=", " 15'- 0\" sq.", {"5' ", "x 3' ", kSep, " 15'- 0\" sq. "}, 2160.0},
        CalcCase{"AreaTimesLengthIsVolume", "5'=x3'=x2'=", " 30'- 0\" cu.",
                 {"5' ", "x 3' ", kSep, " 15'- 0\" sq. ", "x 2' ", kSep, " 30'- 0\" cu. "}, 51840.0},
        CalcCase{"FourthPowerIsRejected", "5'=x3'=x2'=x2'=", " 30'- 0\" cu.",
                 {"5' ", "x 3' ", kSep, " 15'- 0\" sq. ", "x 2' ", kSep, " 30'- 0\" cu. "}, 51840.0, 2},
        CalcCase{"PlainTimesPlainIsInches", "7=x7=", " 4'- 1\"", {"7 ", "x 7 ", kSep, " 4'- 1\" "}, 49.0},
        CalcCase{"SquareKeyOnAnEntry", "7{sq}", " 4'- 1\"", {"7 ", "x 7 ", kSep, " 4'- 1\" "}, 49.0},
        CalcCase{"SquareKeyOnAResult", "5'=+1'={sq}", " 36'- 0\" sq.",
                 {"5' ", "+ 1' ", kSep, " 6'- 0\" ", "x 6'- 0\" ", kSep, " 36'- 0\" sq. "}, 5184.0},
        CalcCase{"SquareRootKeyOnAnEntry", "144{sqrt}", " 1'- 0\"", {"144 ", "SQT  ", kSep, " 1'- 0\" "}, 12.0},
        CalcCase{"LengthOverPlain", "10'=/4=", " 2'- 6\"", {"10' ", "/ 4 ", kSep, " 2'- 6\" "}, 30.0},
        CalcCase{"LengthOverLengthIsPlain", "10'=/4'=", " 2.5", {"10' ", "/ 4' ", kSep, " 2.5 "}, 2.5},
        CalcCase{"MinusStartsANegativeEntry", "-5'=", "-5'- ", {"-5' "}, -60.0},
        CalcCase{"MinusSubtractsFromANegativeTotal", "-5'=-8'=", "- 13'- 0\"", {"-5' ", "- 8' ", kSep, "- 13'- 0\" "}, -156.0},
        CalcCase{"EqualsOnAnEmptyDisplayAddsZero", "5'=+=", " 5'- 0\"", {"5' ", "+  ", kSep, " 5'- 0\" "}, 60.0},
        CalcCase{"DivideWhileMultiplyPendingIsTheFractionBar", "5'=x3/4=", " 3'- 9\"", {"5' ", "x 3/4 ", kSep, " 3'- 9\" "}, 45.0},
        CalcCase{"PlusReplacesAPendingMultiplyWhileTheDisplayIsEmpty", "5'=x+2'=", " 7'- 0\"",
                 {"5' ", "+ 2' ", kSep, " 7'- 0\" "}, 84.0},
        // A negative result without feet reads back at its value ("- 6\"" is -6).
        CalcCase{"NegativeInchesAddedAgain", "6=-1'==", "- 1'- 0\"",
                 {"6 ", "- 1' ", kSep, "- 6\" ", "+ - 6\" ", kSep, "- 1'- 0\" "}, -12.0},
        CalcCase{"NegativeInchesMinusAgain", "6=-1'=-2=", "- 8\"", {"6 ", "- 1' ", kSep, "- 6\" ", "- 2 ", kSep, "- 8\" "}, -8.0},
        CalcCase{"NegativeFractionAddedAgain", "1/2=-1==", "- 1\"", {"1/2 ", "- 1 ", kSep, "-1/2\" ", "+ -1/2\" ", kSep, "- 1\" "}, -1.0},
        CalcCase{"NegativeEntryEqualsTwice", "-6==", "- 1'- 0\"", {"-6 ", "+ -6 ", kSep, "- 1'- 0\" "}, -12.0},
        // The equals key keeps the dimension of a sum of areas or volumes.
        CalcCase{"AreaPlusAreaStaysSquare", "5'=x3'==", " 30'- 0\" sq.",
                 {"5' ", "x 3' ", kSep, " 15'- 0\" sq. ", "+ 15'- 0\" sq. ", kSep, " 30'- 0\" sq. "}, 4320.0},
        CalcCase{"VolumePlusVolumeStaysCubic", "5'=x3'=x2'==", " 60'- 0\" cu.",
                 {"5' ", "x 3' ", kSep, " 15'- 0\" sq. ", "x 2' ", kSep, " 30'- 0\" cu. ", "+ 30'- 0\" cu. ", kSep,
                  " 60'- 0\" cu. "}, 103680.0},
        // ...and refuses to add an area and a length: one beep, nothing else.
        CalcCase{"AreaTotalPlusPlainEntryIsRefused", "5'=x3'={ce}2=", "2",
                 {"5' ", "x 3' ", kSep, " 15'- 0\" sq. "}, 2160.0, 1},
        // A pending plus on an area total with a length: rejected like a product.
        CalcCase{"PendingPlusOnAreaWithLengthIsRejected", "5'=x3'={ce}+2=", " 15'- 0\" sq.",
                 {"5' ", "x 3' ", kSep, " 15'- 0\" sq. "}, 2160.0, 2},
        CalcCase{"SquareRootOfAnArea", "5'=x5'={sqrt}", " 5'- 0\"",
                 {"5' ", "x 5' ", kSep, " 25'- 0\" sq. ", "SQT  ", kSep, " 5'- 0\" "}, 60.0},
        // Square root of a negative total: rejected, nothing recorded.
        CalcCase{"SquareRootOfNegativeEntry", "-4{sqrt}", "-4", {"-4 "}, -4.0, 2},
        CalcCase{"SquareRootOfNegativeResult", "5'=-10'={sqrt}", "- 5'- 0\"", {"5' ", "- 10' ", kSep, "- 5'- 0\" "}, -60.0, 2},
        // With no total, plus, minus and times enter the typed value first, as equals does.
        CalcCase{"PlusEntersTheTypedValue", "5+3=", " 8\"", {"5 ", "+ 3 ", kSep, " 8\" "}, 8.0},
        CalcCase{"TimesEntersTheTypedValue", "12x4=", " 4'- 0\"", {"12 ", "x 4 ", kSep, " 4'- 0\" "}, 48.0},
        CalcCase{"TimesEntersTypedFeet", "6'x29=", " 174'- 0\"", {"6' ", "x 29 ", kSep, " 174'- 0\" "}, 2088.0},
        CalcCase{"MinusButtonEntersTheTypedValue", "5{minus}3{equal}", " 2\"", {"5 ", "- 3 ", kSep, " 2\" "}, 2.0},
        CalcCase{"PlusEntersATypedNegativeValue", "-5+3=", "- 2\"", {"-5 ", "+ 3 ", kSep, "- 2\" "}, -2.0},
        CalcCase{"MinusAfterATypedNegativeValue", "-5--3=", "- 2\"", {"-5 ", "- -3 ", kSep, "- 2\" "}, -2.0},
        CalcCase{"PiIsEnteredOnlyOnce", "{pi}+2=", " 5 1/8\"", {"3.14159265 ", "+ 2 ", kSep, " 5 1/8\" "}, 5.14159265},
        // An entry that reads as no number is refused, and minus then starts nothing.
        CalcCase{"UnreadableTypedValueIsNotEntered", "3/0-", "0.", {}, std::nullopt, 2}),
    [](const ::testing::TestParamInfo<CalcCase>& param) { return std::string(param.param.name); });

TEST_F(EngineTest, AreaOverAreaIsAPlainNumberWithoutSignPlace) {
  Press("10'=x3'=/");
  EXPECT_EQ(engine.ActionLabel(), "\xC3\xB7");  // the division sign, UTF-8
  engine.SetReadout(" 15'- 0\" sq.");            // as a transfer drops it there
  Press("=");
  EXPECT_EQ(Display(), "2");
  EXPECT_EQ(TapeFrom(4), (Lines{"/ 15'- 0\" sq. ", kSep, "2 "}));
}

TEST_F(EngineTest, OperationKeysShowTheirSign) {
  const std::vector<std::pair<std::string, std::string>> keys = {
      {"+", "+"}, {"-", "--"}, {"x", "x"}, {"/", "\xC3\xB7"}};
  for (const auto& [key, sign] : keys) {
    Press("{clear}5'=");
    Press(key);
    EXPECT_EQ(engine.ActionLabel(), sign) << key;
    EXPECT_EQ(Display(), "") << key;
  }
}

TEST_F(EngineTest, DivisionByZeroShowsTheMessageAndTheTotalAsANumber) {
  // An empty display divides by zero too.
  for (const char* keys : {"10'=/0=", "10'=/="}) {
    SCOPED_TRACE(keys);
    Press("{clear}");
    host.messages.clear();
    const size_t cleared = Tape().size();
    Press(keys);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].first, "Can't divide by zero!");
    EXPECT_EQ(host.messages[0].second, "Error");
    EXPECT_EQ(Display(), "120");
    EXPECT_EQ(State().PendingOperation, Operation::None);
    EXPECT_EQ(State().Accumulator, 120.0);
    EXPECT_FALSE(State().SecondOperand.has_value());
    EXPECT_EQ(TapeFrom(cleared), (Lines{"10' "}));

    // The shown number is read back as a plain number of inches.
    Press("=");
    EXPECT_EQ(Display(), " 20'- 0\"");
  }
}

// A plain result in the display reads back as itself when equals adds it
// again, tiny and in exponent form too, and so does the bare total that a
// division by zero shows.
TEST_F(EngineTest, PlainResultsReadBackAsThemselves) {
  const struct {
    const char* keys;
    const char* shown;
    double total;  // after one more equals
    size_t messages;
  } cases[] = {
      {"1=/20000=", " .00005", 0.0001, 0},
      {"1/16=/1000=", " .0000625", 0.0625 / 1000 * 2, 0},
      {"1=/10000000000000000=", " 1E-16", 2e-16, 0},
      {"1=/6000000=", " 1.66666666666667E-07", 1.0 / 6000000 + 1.66666666666667e-7, 0},
      {"-1=/10000000000000000=", "-1E-16", -2e-16, 0},
      {"1=/10000000000000000=/0=", "1E-16", 2e-16, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    Press("{clear}");
    host.messages.clear();
    Press(c.keys);
    EXPECT_EQ(Display(), c.shown);
    EXPECT_EQ(host.messages.size(), c.messages);
    Press("=");
    EXPECT_EQ(State().Accumulator, c.total);
    EXPECT_EQ(TapeFrom(Tape().size() - 3).front(), "+ " + std::string(TrimBlanks(c.shown)) + " ");
  }
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(EngineTest, OperationKeysRightAfterClear) {
  Press("+");
  EXPECT_EQ(Display(), "0.");
  EXPECT_EQ(engine.ActionLabel(), "");
  EXPECT_EQ(State().PendingOperation, Operation::None);
  EXPECT_EQ(host.focusCalls, 1);

  Press("/");
  EXPECT_EQ(Display(), "0./");
  Press("/");
  EXPECT_EQ(Display(), "0./");
  Press("{ce}-");
  EXPECT_EQ(Display(), "-");
  EXPECT_TRUE(Tape().empty());
}

TEST_F(EngineTest, PlusAndMinusRefuseAnAreaOrVolumeWithOneBeep) {
  for (const char* shown : {" 15'- 0\" sq.", " 30'- 0\" cu."}) {
    for (const auto& [before, key] : {std::pair{"{clear}5'=", '+'}, std::pair{"{clear}5'=", '-'},
                                      std::pair{"{clear}", '+'}, std::pair{"{clear}", '-'}}) {
      Press(before);
      const std::optional<double> total = State().Accumulator;
      const auto tape = Tape();
      engine.SetReadout(shown);
      const int focus = host.focusCalls;
      const int beeps = host.beeps;
      engine.KeyPress(key);
      EXPECT_EQ(host.beeps, beeps + 1) << before << shown << key;
      EXPECT_EQ(host.focusCalls, focus) << before << shown << key;
      EXPECT_EQ(Display(), shown);
      EXPECT_EQ(engine.ActionLabel(), "");
      EXPECT_EQ(State().PendingOperation, Operation::None);
      EXPECT_EQ(State().Accumulator, total);  // not entered when there was no total
      EXPECT_EQ(Tape(), tape);
    }
  }
}

TEST_F(EngineTest, SquareAndRootKeysIgnoreDisplaysTheyCannotTake) {
  Press("5'=x3'=");
  const auto tapeBefore = Tape();
  Press("{sq}");  // an area squared would be past the cube
  engine.SetReadout(" 30'- 0\" cu.");
  Press("{sq}{sqrt}");
  EXPECT_EQ(Tape(), tapeBefore);
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(State().PendingOperation, Operation::None);
}

TEST_F(EngineTest, ResultLeavesCaptionsAndFocusReady) {
  Press("5'=+2'");
  const int focus = host.focusCalls;
  engine.Equal_Click();
  EXPECT_EQ(engine.ActionLabel(), "");
  EXPECT_EQ(host.focusCalls, focus + 1);
  EXPECT_EQ(State().FirstOperandText, " 7'- 0\"");
  EXPECT_EQ(State().ResultText, " 7'- 0\"");
  EXPECT_EQ(State().ResultValue, 84.0);
  EXPECT_TRUE(State().SecondOperandText.empty());
}

TEST_F(EngineTest, KeyboardCharactersPressTheirButtons) {
  struct Case {
    const char* buttons;
    const char* keys;
  };
  const Case cases[] = {
      {"5{foot}3{space}1{div}2{inch}{equal}{plus}2{foot}{equal}{times}{dot}5{equal}", "5'3 1/2\"=+2'=x.5="},
      {"7{equal}{times}2{equal}", "7=X2{enter}"},
      {"7{equal}{times}2{equal}", "7=*2="},
      {"7{equal}{clear}", "7=c"},
      {"7{equal}{clear}", "7=C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Press("{clear}");
    size_t cleared = Tape().size();
    Press(c.buttons);
    const std::string display = Display();
    const std::optional<double> total = State().Accumulator;
    const auto tape = TapeFrom(cleared);
    Press("{clear}");
    cleared = Tape().size();
    Press(c.keys);
    EXPECT_EQ(Display(), display);
    EXPECT_EQ(State().Accumulator, total);
    EXPECT_EQ(TapeFrom(cleared), tape);
  }
  // The first sequence, worked out by hand.
  Press("{clear}");
  const size_t cleared = Tape().size();
  Press("5'3 1/2\"=+2'=x.5=");
  EXPECT_EQ(Display(), " 3'- 7 3/4\"");
  EXPECT_EQ(TapeFrom(cleared).front(), "5'- 3 1/2\" ");
}

TEST_F(EngineTest, EqualsRefusesALengthOnAnAreaTotalAndTheReverse) {
  struct Case {
    const char* keys;
    const char* shown;
  };
  for (const Case& c : {Case{"5'=x3'={ce}", " 2'- 0\""}, Case{"5'=", " 1'- 0\" sq."}, Case{"5'=", " 1'- 0\" cu."},
                        Case{"5'=x3'=x2'={ce}", " 1'- 0\" sq."}}) {
    Press("{clear}");
    Press(c.keys);
    engine.SetReadout(c.shown);
    const EngineState before = State();
    const auto tape = Tape();
    const int beeps = host.beeps;
    Press("=");
    EXPECT_EQ(host.beeps, beeps + 1) << c.keys << c.shown;
    EXPECT_EQ(Display(), c.shown);
    EXPECT_EQ(Tape(), tape);
    EXPECT_EQ(State().Accumulator, before.Accumulator);
    EXPECT_EQ(State().FirstOperandText, before.FirstOperandText);
    EXPECT_EQ(State().ResultText, before.ResultText);
    EXPECT_FALSE(State().SecondOperand.has_value());
  }
}

TEST_F(EngineTest, RejectOperationShowsTheFirstOperandAgain) {
  Press("5'=x3");
  engine.RejectOperation();
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(Display(), "5'");
  EXPECT_EQ(engine.ActionLabel(), "");
  EXPECT_EQ(State().PendingOperation, Operation::None);
  EXPECT_EQ(State().SecondOperandText, "");
  EXPECT_EQ(State().Accumulator, 60.0);
  ExpectCaptionsAnnounced();

  Press("{clear}");
  engine.RejectOperation();  // no total: the old first operand text is not brought back
  EXPECT_EQ(Display(), "0.");
}

// ---- values that are not finite never get in ------------------------------

void ExpectNoNonFiniteText(const CalculatorEngine& engine, const std::vector<std::string>& tape) {
  auto clean = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
  };
  EXPECT_TRUE(clean(engine.Readout())) << engine.Readout();
  EXPECT_TRUE(clean(engine.State().FirstOperandText)) << engine.State().FirstOperandText;
  EXPECT_TRUE(clean(engine.State().ResultText)) << engine.State().ResultText;
  for (const auto& line : tape) EXPECT_TRUE(clean(line)) << line;
  if (engine.State().Accumulator) {
    EXPECT_TRUE(std::isfinite(*engine.State().Accumulator));
  }
}

std::string Digits(char first, int zeros) { return std::string(1, first) + std::string(static_cast<size_t>(zeros), '0'); }

TEST_F(EngineTest, FractionOverZeroAsFirstOperandIsRefused) {
  Press("3/0=");
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(Display(), "0.");
  EXPECT_FALSE(State().Accumulator.has_value());
  EXPECT_TRUE(Tape().empty());
  ExpectNoNonFiniteText(engine, Tape());

  Press("{clear}");
  Press("5'=");
  Press("{clear}");                 // leaves an old first operand text behind
  engine.SetReadout("1e999");       // as a transfer or a paste could
  Press("=");
  EXPECT_EQ(Display(), "0.");       // not the text from before the clear
  EXPECT_FALSE(State().Accumulator.has_value());
  ExpectNoNonFiniteText(engine, Tape());
}

TEST_F(EngineTest, FractionOverZeroAsSecondOperandIsRejected) {
  Press("5'=+3/0=");
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(Display(), "5'");
  EXPECT_EQ(State().Accumulator, 60.0);
  EXPECT_EQ(State().PendingOperation, Operation::None);
  EXPECT_EQ(engine.ActionLabel(), "");
  EXPECT_EQ(Tape(), (Lines{"5' "}));
  ExpectNoNonFiniteText(engine, Tape());

  Press("{ce}2'=");  // the calculation goes on from the kept total
  EXPECT_EQ(Display(), " 7'- 0\"");
}

TEST_F(EngineTest, OverflowingResultsAreRejected) {
  const std::string big = Digits('1', 200);  // 1e200 inches
  struct Case {
    std::string keys;
    const char* what;
  };
  const std::vector<Case> cases = {
      {big + "=x" + big + "=", "product"},
      {big + "=/." + std::string(199, '0') + "1=", "quotient"},
      {big + "{sq}", "square key"},
      {Digits('9', 307) + "==", "sum"},
  };
  for (const auto& c : cases) {
    Press("{clear}");
    const size_t lines = Tape().size();
    const int beeps = host.beeps;
    Press(c.keys);
    EXPECT_EQ(host.beeps, beeps + 2) << c.what;
    EXPECT_EQ(Tape().size(), lines + 1) << c.what;  // only the first operand
    EXPECT_EQ(Display(), State().FirstOperandText) << c.what;
    EXPECT_EQ(State().PendingOperation, Operation::None) << c.what;
    ExpectNoNonFiniteText(engine, Tape());
  }
}

// ---- a full tape does not stop the calculator -------------------------------

TEST_F(EngineTest, FullTapeBeepsOnceAndStillCalculates) {
  ASSERT_TRUE(tapes.AddTapeRows(0, kMaxTapeLines));
  Press("5'=");
  EXPECT_EQ(State().Accumulator, 60.0);
  EXPECT_EQ(host.beeps, 1);
  Press("+3'=");
  EXPECT_EQ(Display(), " 8'- 0\"");
  EXPECT_EQ(State().Accumulator, 96.0);
  EXPECT_EQ(host.beeps, 2);
  Press("c");
  EXPECT_FALSE(State().Accumulator.has_value());
  EXPECT_EQ(host.beeps, 3);
  EXPECT_EQ(tapes.TapeRowCount(0), kMaxTapeLines);
}

TEST_F(EngineTest, AStepThatDoesNotFitIsNotRecordedInPart) {
  ASSERT_TRUE(tapes.AddTapeRows(0, kMaxTapeLines - 3));
  Press("5'=");                   // fits: 32765
  Press("+3'=");                  // three lines do not fit
  EXPECT_EQ(tapes.TapeRowCount(0), kMaxTapeLines - 2);
  EXPECT_EQ(tapes.Line(0, kMaxTapeLines - 2), "5' ");
  EXPECT_EQ(tapes.Line(0, kMaxTapeLines - 1), "");
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Display(), " 8'- 0\"");
}

TEST_F(EngineTest, AValueFromOutsideIsTakenWholeOrNotRecordedAtAll) {
  // No total, a full tape: the value becomes the total all the same.
  ASSERT_TRUE(tapes.AddTapeRows(0, kMaxTapeLines));
  EXPECT_EQ(engine.EnterValue(" 3'- 0\"", ValueRole::Add).result, ValueResult::Done);
  EXPECT_EQ(State().Accumulator, 36.0);
  EXPECT_EQ(host.beeps, 1);

  // Room for one line of the transfer's three: none is written.
  TapeStore roomy;
  OutcomeLog log;
  RecordingEngine calc{roomy, log};
  ASSERT_TRUE(roomy.AddTapeRows(0, kMaxTapeLines - 2));
  calc.KeyPress('5');
  calc.KeyPress('\'');
  calc.KeyPress('=');
  ASSERT_EQ(roomy.TapeRowCount(0), kMaxTapeLines - 1);
  EXPECT_EQ(calc.EnterValue(" 2'- 0\"", ValueRole::Add).result, ValueResult::Done);
  EXPECT_EQ(calc.Readout(), "7'- 0\" ");
  EXPECT_EQ(calc.State().Accumulator, 84.0);
  EXPECT_EQ(roomy.TapeRowCount(0), kMaxTapeLines - 1);
  EXPECT_EQ(roomy.Line(0, kMaxTapeLines), "");
  EXPECT_EQ(log.beeps, 1);
}

// ---- accuracy ---------------------------------------------------------------

TEST_F(EngineTest, AccuracyDecidesTheFinestFractionOfLinearResultsOnly) {
  struct Case {
    int accuracy;
    const char* linear;
    const char* area;
  };
  for (const Case& c : {Case{16, " 3 3/8\"", " 11 5/8\" sq."}, Case{32, " 3 13/32\"", " 11 5/8\" sq."}}) {
    Press("{clear}");
    engine.SetAccuracy(c.accuracy);
    Press("3 13/32\"=+0=");
    EXPECT_EQ(Display(), c.linear) << c.accuracy;
    Press("{ce}x3 13/32\"=");
    EXPECT_EQ(Display(), c.area) << c.accuracy;  // areas stay in sixteenths
  }
  engine.SetAccuracy(7);
  EXPECT_EQ(engine.Accuracy(), 16);
}

}  // namespace
}  // namespace mezura::testing
