// A line in trade notation worked out by the engine: what it comes to, or
// which problem stops it and in which part of the line.

#include <gtest/gtest.h>

#include <string>

#include "engine/line_evaluation.h"

namespace mezura {
namespace {

struct LineCase {
  std::string line;
  std::string result;  ///< the display's text; empty when a problem is expected
  LineProblem problem = LineProblem::None;
  std::string part;    ///< where the problem lies
  int accuracy = 16;
};

LineCase Gives(std::string line, std::string result, int accuracy = 16) {
  return {std::move(line), std::move(result), LineProblem::None, {}, accuracy};
}
LineCase Fails(std::string line, LineProblem problem, std::string part = {}) {
  return {std::move(line), {}, problem, std::move(part), 16};
}

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.line; }

class LineEvaluationTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEvaluationTest, ComesToTheDisplaysResultOrNamesTheProblem) {
  const LineCase& c = GetParam();
  const LineEvaluation got = EvaluateLine(c.line, c.accuracy);
  EXPECT_EQ(got.problem, c.problem) << got.message;
  EXPECT_EQ(got.result, c.result);
  EXPECT_EQ(got.part, c.part);
  if (!c.part.empty()) {
    EXPECT_EQ(c.line.substr(got.offset, got.part.size()), c.part);
  }
  EXPECT_EQ(got.message.empty(), c.problem == LineProblem::None) << got.message;
}

using P = LineProblem;
INSTANTIATE_TEST_SUITE_P(
    Results, LineEvaluationTest,
    ::testing::Values(
        Gives("5'3 1/2\" + 2'", " 7'- 3 1/2\""),
        // Builders' forms and metric, read by the rule for outside text.
        Gives("4'-8 3/8\" - 1-1/2\"", " 4'- 6 7/8\""),
        Gives("1' + 38 mm", " 1'- 1 1/2\""),
        Gives("38 mm", " 1 1/2\""),  // a lone value is shown as a result
        // Left to right, with the window's dimension rules and signs.
        Gives("5 + 3 x 2", " 1'- 4\""),
        Gives("5' x 3'", " 15'- 0\" sq."),
        Gives("5' \u00d7 3' * 2'", " 30'- 0\" cu."),
        Gives("10' / 4'", " 2.5"),
        Gives("10' \u00f7 4", " 2'- 6\""),
        Gives("15 sq + 20 sq \u2212 5 sq", " 30\" sq."),  // sums of areas stay areas
        Gives("144 sqrt", " 1'- 0\""),
        // A sign on a value: glued, as a word of its own, or as U+2212.
        Gives("-5' + 2'", "- 3'- 0\""),
        Gives("- 13'- 0\" + 1'", "- 12'- 0\""),
        Gives("5' - \u22122'", " 7'- 0\""),
        Gives("1' + 3 13/32", " 1'- 3 3/8\""),
        Gives("1' + 3 13/32", " 1'- 3 13/32\"", 32)));

INSTANTIATE_TEST_SUITE_P(
    Problems, LineEvaluationTest,
    ::testing::Values(
        Fails("  \t", P::Empty),
        Fails("5' + abc", P::UnreadableValue, "abc"),
        Fails("5'+2'", P::UnreadableValue, "5'+2'"),
        Fails("1/0 + 5", P::UnreadableValue, "1/0"),
        Fails("x 5", P::OperatorForValue, "x"),
        Fails("5 + / 3", P::OperatorForValue, "/"),
        Fails("5 + 3 -", P::DanglingOperator, "-"),
        Fails("144 sqrt 2", P::ValueForOperator, "2"),
        Fails("5' x 3' + 2'", P::DimensionClash, "+ 2'"),
        Fails("5' x 3' x 2' x 2'", P::BeyondVolume, "x 2'"),
        Fails("-4 sqrt", P::RootOfNegative, "sqrt"),
        Fails("5' x 3' x 2' sqrt", P::RootOfVolume, "sqrt"),
        Fails("10' / 0 + 1", P::DivisionByZero, "/ 0"),
        Fails("1E300 x 1E300", P::OutOfRange, "x 1E300")));

TEST(LineEvaluation, MessagesNameTheEnginesWordsAndTheDimensions) {
  EXPECT_EQ(EvaluateLine("10' / 0", 16).message, "`/ 0`: Can't divide by zero!");
  EXPECT_EQ(EvaluateLine("5' x 3' - 2'", 16).message, "`- 2'`: a length cannot be subtracted from an area");
}

TEST(LineEvaluation, ALineOfTooManyStepsIsRefusedBeforeItIsWorked) {
  std::string line = "1";
  for (std::size_t i = 0; i < kMaxLineSteps; ++i) line += " + 1";
  EXPECT_TRUE(EvaluateLine(line, 16).ok());
  EXPECT_EQ(EvaluateLine(line + " + 1", 16).problem, LineProblem::TooManySteps);
}

}  // namespace
}  // namespace mezura
