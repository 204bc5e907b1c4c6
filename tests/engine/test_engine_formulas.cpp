// The guided formulas: prompts, the lines they write on the calculator's tape
// and the results they leave as an ordinary total.

#include "engine/test_engine_harness.h"

namespace mezura::testing {
namespace {

const std::string kSep = "--------------- ";
using Lines = std::vector<std::string>;
using FormulaTest = EngineTest;

struct FormulaCase {
  const char* name;
  const char* keys;
  std::string display;
  Lines tape;
  std::string label1;
  Formula formulaAfter;
};

void PrintTo(const FormulaCase& c, std::ostream* os) { *os << c.name << " " << c.keys; }

class FormulaRunTest : public EngineTest, public ::testing::WithParamInterface<FormulaCase> {};

TEST_P(FormulaRunTest, KeysGiveTapePromptAndResult) {
  const FormulaCase& c = GetParam();
  Press(c.keys);
  EXPECT_EQ(Display(), c.display);
  EXPECT_EQ(Tape(), c.tape);
  EXPECT_EQ(engine.Label1(), c.label1);
  EXPECT_EQ(State().ActiveFormula, c.formulaAfter);
  EXPECT_EQ(host.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaRunTest,
    ::testing::Values(
        FormulaCase{"CircumferenceStart", "{circ}", "", {}, " Enter diameter of circle", Formula::Circumference},
        FormulaCase{"Circumference", "{circ}10=", " 2'- 7 7/16\"",
                    {"Circumference ", " 3.14159265 ", "x 10 ", kSep, " 2'- 7 7/16\" "}, "Circumference =", Formula::None},
        FormulaCase{"CircumferenceOfNegativeDiameter", "{circ}-10=", "- 2'- 7 7/16\"",
                    {"Circumference ", " 3.14159265 ", "x -10 ", kSep, "- 2'- 7 7/16\" "}, "Circumference =", Formula::None},
        FormulaCase{"AreaStart", "{area}", "", {}, " Enter radius of circle", Formula::CircleArea},
        FormulaCase{"AreaOfCircle", "{area}10=", " 2'- 26 3/16\" sq.",
                    {"Area of Circle ", " 3.14159265 ", "x 10 ", "x 10 ", kSep, " 2'- 26 3/16\" sq. "},
                    "Pi(r\xC2\xB2) Area of circle =", Formula::None},
        FormulaCase{"AreaOfNegativeRadius", "{area}-10=", " 2'- 26 3/16\" sq.",
                    {"Area of Circle ", " 3.14159265 ", "x -10 ", "x -10 ", kSep, " 2'- 26 3/16\" sq. "},
                    "Pi(r\xC2\xB2) Area of circle =", Formula::None},
        FormulaCase{"CylinderRadius", "{cyl}10=", "",
                    {"Pi(r\xC2\xB2)*l Volume of Cylinder ", " 3.14159265 ", "x 10 ", "x 10 "},
                    "Enter length of cylinder", Formula::CylinderLength},
        FormulaCase{"CylinderVolume", "{cyl}10=12=", " 2'- 313 15/16\" cu.",
                    {"Pi(r\xC2\xB2)*l Volume of Cylinder ", " 3.14159265 ", "x 10 ", "x 10 ", "x 12 ", kSep,
                     " 2'- 313 15/16\" cu. "},
                    "Volume of cylinder =", Formula::None},
        // While the second value is typed, "/" is the fraction bar and "-" its sign.
        FormulaCase{"CylinderLengthWithFraction", "{cyl}10=12 1/2=", " 2'- 471\" cu.",
                    {"Pi(r\xC2\xB2)*l Volume of Cylinder ", " 3.14159265 ", "x 10 ", "x 10 ", "x 12 1/2 ", kSep,
                     " 2'- 471\" cu. "},
                    "Volume of cylinder =", Formula::None},
        FormulaCase{"DiagonalWithNegativeSecondSide", "{diag}3'=-4'=", " 5'- 0\"",
                    {"Diagonal ", "Side1 =  3'- 0\" ", "Side2 = - 4'- 0\" ", kSep, " 5'- 0\" "}, "Diagonal =",
                    Formula::None},
        // While a formula waits for a value, plus and times do nothing: the formula sets the operation.
        FormulaCase{"PlusAndTimesWaitForTheDiameter", "{circ}10+x=", " 2'- 7 7/16\"",
                    {"Circumference ", " 3.14159265 ", "x 10 ", kSep, " 2'- 7 7/16\" "}, "Circumference =", Formula::None},
        FormulaCase{"PlusAndTimesWaitForTheCylinderLength", "{cyl}10=12+x=", " 2'- 313 15/16\" cu.",
                    {"Pi(r\xC2\xB2)*l Volume of Cylinder ", " 3.14159265 ", "x 10 ", "x 10 ", "x 12 ", kSep,
                     " 2'- 313 15/16\" cu. "},
                    "Volume of cylinder =", Formula::None},
        FormulaCase{"PlusAndTimesWaitForSide2", "{diag}3'=4'+x=", " 5'- 0\"",
                    {"Diagonal ", "Side1 =  3'- 0\" ", "Side2 =  4'- 0\" ", kSep, " 5'- 0\" "}, "Diagonal =", Formula::None},
        FormulaCase{"DiagonalSide1", "{diag}3'=", "", {"Diagonal ", "Side1 =  3'- 0\" "}, "Enter length of side 2",
                    Formula::DiagonalSide2},
        FormulaCase{"DiagonalInFeet", "{diag}3'=4'=", " 5'- 0\"",
                    {"Diagonal ", "Side1 =  3'- 0\" ", "Side2 =  4'- 0\" ", kSep, " 5'- 0\" "}, "Diagonal =", Formula::None},
        FormulaCase{"DiagonalInInches", "{diag}12=5=", " 1'- 1\"",
                    {"Diagonal ", "Side1 =  1'- 0\" ", "Side2 =  5\" ", kSep, " 1'- 1\" "}, "Diagonal =", Formula::None},
        FormulaCase{"DiagonalWithNegativeSide", "{diag}-3'=4'=", " 5'- 0\"",
                    {"Diagonal ", "Side1 = - 3'- 0\" ", "Side2 =  4'- 0\" ", kSep, " 5'- 0\" "}, "Diagonal =", Formula::None},
        FormulaCase{"SecondFormulaWhileOneWaits", "{cyl}{diag}{circ}{area}{stairs}", "", {}, " Enter radius of cylinder",
                    Formula::CylinderVolume},
        // 105" needs 14 risers of 7 1/2"; 13 treads share the run of 130".
        FormulaCase{"Stairs", "{stairs}8'9=10'10=", " 13'- 11 1/8\"",
                    {"Stairs ", "Rise =  8'- 9\" ", "Run =  10'- 10\" ", kSep, "Risers =  14 ", "Riser =  7 1/2\" ",
                     "Treads =  13 ", "Tread =  10\" ", "Stringer =  13'- 11 1/8\" "},
                    "Stringer =", Formula::None},
        // A single riser has no tread to give a depth.
        FormulaCase{"StairsOfOneStep", "{stairs}6=11=", " 1'- 0 1/2\"",
                    {"Stairs ", "Rise =  6\" ", "Run =  11\" ", kSep, "Risers =  1 ", "Riser =  6\" ", "Treads =  0 ",
                     "Tread =  0\" ", "Stringer =  1'- 0 1/2\" "},
                    "Stringer =", Formula::None},
        FormulaCase{"DigitKeepsThePrompt", "{diag}3", "3", {}, " Enter length of side 1", Formula::Diagonal},
        FormulaCase{"ClearWhileCylinderWaits", "{cyl}10={clear}5=", "5",
                    {"Pi(r\xC2\xB2)*l Volume of Cylinder ", " 3.14159265 ", "x 10 ", "x 10 ", " ", "Clear ", " ", "5 "}, "",
                    Formula::None},
        FormulaCase{"ResultIsAnOrdinaryTotal", "{area}10=x2=", " 4'- 52 5/16\" sq.",
                    {"Area of Circle ", " 3.14159265 ", "x 10 ", "x 10 ", kSep, " 2'- 26 3/16\" sq. ", "x 2 ", kSep,
                     " 4'- 52 5/16\" sq. "},
                    "", Formula::None}),
    [](const ::testing::TestParamInfo<FormulaCase>& param) { return std::string(param.param.name); });

TEST_F(FormulaTest, CircumferenceAtAccuracy32) {
  engine.SetAccuracy(32);
  Press("{circ}10=");
  EXPECT_EQ(Display(), " 2'- 7 13/32\"");
  EXPECT_EQ(Tape().back(), " 2'- 7 13/32\" ");
}

// The fewest risers no taller than 7 3/4": an exact multiple needs no extra one.
TEST_F(FormulaTest, StairsRisersAtTheLimit) {
  const struct {
    const char* rise;
    const char* risers;
    const char* riser;
  } cases[] = {{"7 3/4", "Risers =  1 ", "Riser =  7 3/4\" "},     {"7 13/16", "Risers =  2 ", "Riser =  3 29/32\" "},
               {"9'8 1/4", "Risers =  15 ", "Riser =  7 3/4\" "}, {"9'8 5/16", "Risers =  16 ", "Riser =  7 17/64\" "}};
  engine.SetAccuracy(64);
  for (const auto& c : cases) {
    Press("{clear}{stairs}" + std::string(c.rise) + "=10'=");
    const auto tape = Tape();
    EXPECT_EQ(tape[tape.size() - 5], c.risers) << c.rise;
    EXPECT_EQ(tape[tape.size() - 4], c.riser) << c.rise;
  }
  EXPECT_EQ(host.beeps, 0);
}

// A rise or run that is no positive length leaves the stairs waiting for a usable one.
TEST_F(FormulaTest, StairsRefuseWhatIsNoLength) {
  Press("{stairs}");
  for (const char* rise : {"0", "-8'", "3/0", "2'- 0\" sq."}) {
    engine.SetReadout(rise);
    Press("=");
    EXPECT_EQ(engine.Label1(), " Enter total rise") << rise;
  }
  Press("8'9=");
  for (const char* run : {"0", "-10'", "1'- 0\" sq."}) {
    engine.SetReadout(run);
    Press("=");
    EXPECT_EQ(Display(), "0.") << run;  // never the rise kept behind the prompt
    EXPECT_EQ(engine.Label1(), "Enter total run") << run;
  }
  EXPECT_EQ(host.beeps, 14);
  EXPECT_EQ(Tape().size(), 2u);  // the refusals wrote nothing
  Press("10'10+x=");  // plus and times wait for the run
  EXPECT_EQ(Display(), " 13'- 11 1/8\"");
  EXPECT_NEAR(*State().Accumulator, 167.10775, 1e-5);  // the stringer unrounded, an ordinary total
}

TEST_F(FormulaTest, ResultStaysAsTheTotal) {
  Press("{cyl}10=12=");
  EXPECT_NEAR(*State().Accumulator, 3769.91118, 1e-5);
  EXPECT_EQ(State().FirstOperandText, " 2'- 313 15/16\" cu.");
  EXPECT_EQ(State().PendingOperation, Operation::None);
  EXPECT_FALSE(State().SecondOperand.has_value());
}

TEST_F(FormulaTest, StartingAFormulaDropsTheCalculationInProgress) {
  Press("5'=x");
  ASSERT_EQ(engine.ActionLabel(), "x");
  Press("{circ}");
  EXPECT_FALSE(State().Accumulator.has_value());
  EXPECT_EQ(State().PendingOperation, Operation::None);
  EXPECT_EQ(engine.ActionLabel(), "");
  EXPECT_EQ(Display(), "");
  EXPECT_EQ(Tape(), (Lines{"5' "}));  // starting writes nothing
}

TEST_F(FormulaTest, ClearEndsAFormula) {
  Press("{diag}3'={clear}");
  EXPECT_EQ(State().ActiveFormula, Formula::None);
  EXPECT_EQ(engine.Label1(), "");
  Press("{circ}");  // a new formula can start
  EXPECT_EQ(engine.Label1(), " Enter diameter of circle");
}

// A value that is not finite leaves the formula waiting for a usable one.
TEST_F(FormulaTest, NonFiniteFirstValueKeepsTheFormulaWaiting) {
  struct Case {
    const char* start;
    std::string value;
    const char* prompt;
  };
  const std::string huge = "1" + std::string(307, '0');  // 1e307: times pi or squared overflows
  for (const Case& c : {Case{"{circ}", "9" + std::string(307, '0'), " Enter diameter of circle"},
                        Case{"{area}", huge, " Enter radius of circle"},
                        Case{"{cyl}", huge, " Enter radius of cylinder"},
                        Case{"{diag}", huge, " Enter length of side 1"}}) {
    Press("{clear}");
    const auto lines = Tape().size();
    const int beeps = host.beeps;
    Press(c.start);
    Press(c.value + "=");
    EXPECT_EQ(host.beeps, beeps + 2) << c.start;
    EXPECT_EQ(Tape().size(), lines) << c.start;
    EXPECT_FALSE(State().Accumulator.has_value()) << c.start;
    EXPECT_EQ(Display(), "0.") << c.start;
    EXPECT_EQ(engine.Label1(), c.prompt) << c.start;
    EXPECT_NE(State().ActiveFormula, Formula::None) << c.start;
  }
}

TEST_F(FormulaTest, NonFiniteSecondValueKeepsTheFormulaWaiting) {
  const std::string huge = "1" + std::string(200, '0');
  Press("{diag}3'=" + huge + "=");
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(Display(), "0.");  // never the formula's dimension marker
  EXPECT_EQ(engine.Label1(), "Enter length of side 2");
  EXPECT_EQ(State().ActiveFormula, Formula::DiagonalSide2);
  EXPECT_EQ(Tape().size(), 2u);
  Press("4'=");
  EXPECT_EQ(Display(), " 5'- 0\"");

  Press("{clear}{cyl}10=");
  engine.SetReadout("3/0");
  Press("=");
  EXPECT_EQ(host.beeps, 4);
  EXPECT_EQ(Display(), "0.");
  EXPECT_EQ(engine.Label1(), "Enter length of cylinder");
  Press("12=");
  EXPECT_EQ(Display(), " 2'- 313 15/16\" cu.");
}

}  // namespace
}  // namespace mezura::testing
