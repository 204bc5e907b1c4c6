// Reading measurement texts back into numbers: the three parsers, the
// leading-number reader under them, and input no formatter writes (stray
// marks, bytes that are not UTF-8, NUL, very long texts), which must give a
// defined value without failing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "measure/measurement.h"

namespace mezura {
namespace {

using namespace std::string_literals;

struct ParseCase {
  std::string text;
  double value;
};

TEST(ParseLinear, TypedAndWrittenForms) {
  const std::vector<ParseCase> cases = {
      {" 5'- 3 1/2\"", 63.5}, {"5' 3 1/2\"", 63.5}, {"5'-3-1/2", 63.5},
      {"- 5'- 3 1/2\"", -63.5}, {"-5'- 3 1/2\"", -63.5}, {"5'", 60},
      {"5'-", 60}, {"5'- ", 60}, {"5.5'", 66}, {"7", 7}, {"0.", 0}, {"", 0},
      {"   ", 0}, {"3/4", 0.75}, {"3/4\"", 0.75}, {"3.25", 3.25}, {"5.5'- 3.", 69},
      {" 1'- 0\"", 12}, {"- 6\"", -6}, {"-1/2\"", -0.5}, {" 3 13/32\"", 3.40625},
      {"2 1/3", 2 + 1.0 / 3}, {"0 1.23456/2", 0.6173},  // the parts get four decimals
      {"abc", 0}, {"5'- 3\" and more", 63}, {"1E1'", 120}, {"1/2 3/4", 1.75},
      // A plain number's exponent keeps its sign; other "-" stay separators.
      {" 6.25E-05", 6.25e-5}, {"-1.5E-07", -1.5e-7}, {"1E-16\"", 1e-16}, {"2.D-3", 0.002},
      {"5'-1e-1", 60.1}, {" 1E+20", 1e20}, {"3-1/2", 3.5}, {"3E-", 3}, {"3 E-2", 3}, {"x-5", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseLinear(c.text), c.value) << "[" << c.text << "]";
}

TEST(Parse, FactorPerFootByDimension) {
  for (const char* text : {"3/4", "3/4\""}) {
    EXPECT_EQ(ParseLinear(text), 0.75);
    EXPECT_EQ(ParseSquare(text), 0.75);
    EXPECT_EQ(ParseCubic(text), 0.75);
  }
  EXPECT_EQ(ParseSquare("1/4\" sq."), 0.25);
  EXPECT_EQ(ParseSquare(" 1'- 6 1/2\" sq."), 150.5);
  EXPECT_EQ(ParseCubic(" 1'- 100 1/2\" cu."), 1828.5);
  EXPECT_EQ(ParseCubic("2'"), 3456);
  EXPECT_EQ(ParseByDimension(" 1'- 6 1/2\" sq."), 150.5);
  EXPECT_EQ(ParseByDimension(" 1'- 100 1/2\" cu."), 1828.5);
  EXPECT_EQ(ParseByDimension(" 1'- 6 1/2\""), 18.5);
  EXPECT_EQ(DimensionOf("x sq cu"), Dimension::Cubic);  // cubic is tested first
  EXPECT_EQ(DimensionOf("7"), Dimension::Linear);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<ParseCase> cases = {
      {" 5'- 3\"", 5}, {"1/2", 1}, {".75", 0.75}, {"", 0}, {"abc", 0}, {".", 0}, {"-", 0},
      {" - 1 2 . 5x", -12.5}, {"+7", 7}, {"2.5.3", 2.5}, {"1E3", 1000}, {"1e3", 1000},
      {"1D3", 1000}, {"1d-2", 0.01}, {"2.5E+1", 25}, {"7E", 7}, {"7E+", 7}, {"1 E 2", 100},
      {"5.", 5}, {"\t3\n4", 34}, {"1e999", inf}, {"-1e999", -inf}, {"1e-999", 0},
      {"0e999", 0}, {"--5", 0}, {"00012", 12}, {"12'", 12},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << "[" << c.text << "]";
}

TEST(ParseLinear, BadInputGivesDefinedValues) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<ParseCase> cases = {
      {"--5", -5}, {"5'''", 60}, {"/", 0}, {"1/2/3", 0.5}, {"1e999'", inf},
      {"3/0", inf}, {"\xff\xfe" "5'", 0}, {"5'\xff\xfe", 60}, {"\xc3\x28 7", 0},
      {"5\0'3"s, 63}, {"\0"s, 0}, {"'", 0}, {"\"", 0}, {"-", 0}, {"''''", 0},
      {"1/0\" sq.", inf},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseLinear(c.text), c.value) << "[" << c.text << "]";
  EXPECT_TRUE(std::isnan(ParseLinear("0/0")));
}

TEST(ParseLinear, MegabyteTexts) {
  const size_t mb = size_t{1} << 20;
  EXPECT_EQ(ParseLinear(std::string(mb, ' ')), 0);
  EXPECT_EQ(ParseLinear(std::string(mb, '-')), 0);
  EXPECT_EQ(ParseLinear(std::string(mb, '\'')), 0);
  EXPECT_EQ(ParseLinear(std::string(mb, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseLinear("0." + std::string(mb, '0') + "1"), 0);  // underflows to zero
  std::string feet;
  for (size_t i = 0; feet.size() < mb; ++i) feet += "5'";
  EXPECT_EQ(ParseLinear(feet), 65);
  EXPECT_EQ(ParseLinear("1/" + std::string(mb, '2')), 0);
  EXPECT_TRUE(std::isnan(ParseLinear("3 " + std::string(mb, '/'))));  // 0 over 0

  // Random bytes: whatever they read as, reading twice gives the same.
  std::mt19937 random(7);
  std::string noise(mb, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  const double once = ParseLinear(noise);
  const double twice = ParseLinear(noise);
  EXPECT_TRUE(once == twice || (std::isnan(once) && std::isnan(twice)));
}

}  // namespace
}  // namespace mezura
