// The dimension classes of operand texts and the product and quotient rules.

#include <gtest/gtest.h>

#include "engine/operand_class.h"

namespace mezura {
namespace {

using O = OperandClass;
using R = ResultClass;

TEST(OperandClassTest, MarksDecideTheClass) {
  const std::vector<std::pair<std::string, O>> cases = {
      {" 1'- 100 1/2\" cu.", O::Cubic}, {" 15'- 0\" sq.", O::Square}, {"\"sq", O::Square},
      {"5'- 3", O::Linear},             {" 2'- 6\"", O::Linear},      {"\"", O::Linear},
      {"7", O::Plain},                  {"3.14159265", O::Plain},    {" 2.5", O::Plain},
      {"", O::Plain},                   {"sq cu", O::Cubic},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ClassOfOperand(text), expected) << '"' << text << '"';
}

TEST(OperandClassTest, ProductTable) {
  const O order[] = {O::Plain, O::Linear, O::Square, O::Cubic};
  const R table[4][4] = {
      {R::Linear, R::Linear, R::Square, R::Cubic},
      {R::Linear, R::Square, R::Cubic, R::Rejected},
      {R::Square, R::Cubic, R::Rejected, R::Rejected},
      {R::Cubic, R::Rejected, R::Rejected, R::Rejected},
  };
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col)
      EXPECT_EQ(ProductClass(order[row], order[col]), table[row][col]) << row << " x " << col;
}

TEST(OperandClassTest, QuotientTable) {
  const O order[] = {O::Plain, O::Linear, O::Square, O::Cubic};
  const R table[4][4] = {
      {R::Plain, R::Plain, R::Plain, R::Plain},
      {R::Linear, R::Plain, R::Plain, R::Plain},
      {R::Square, R::Linear, R::PlainNoBlank, R::Linear},
      {R::Cubic, R::Square, R::Linear, R::PlainNoBlank},
  };
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col)
      EXPECT_EQ(QuotientClass(order[row], order[col]), table[row][col]) << row << " / " << col;
}

TEST(OperandClassTest, ResultTexts) {
  EXPECT_EQ(ResultClassText(2.5, R::Plain, 16), " 2.5");
  EXPECT_EQ(ResultClassText(0.5, R::Plain, 16), " .5");
  EXPECT_EQ(ResultClassText(2.5, R::PlainNoBlank, 16), "2.5");
  EXPECT_EQ(ResultClassText(-2.5, R::PlainNoBlank, 16), "-2.5");
  EXPECT_EQ(ResultClassText(11.96875, R::Linear, 32), " 11 31/32\"");
  EXPECT_EQ(ResultClassText(150.53125, R::Square, 32), " 1'- 6 1/2\" sq.");  // areas ignore the accuracy
  EXPECT_EQ(ResultClassText(1.0, R::Rejected, 16), "");
}

}  // namespace
}  // namespace mezura
