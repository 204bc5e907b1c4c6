// Formatting of measurement texts: the written form, rounding to the
// accuracy's grid with halves to even, carries, square and cubic texts, the
// short number form, and values no text can show.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "measure/measurement.h"

namespace mezura {
namespace {

struct FormatCase {
  double value;
  int accuracy;
  const char* text;
};

TEST(FormatLinear, WrittenFormAndRounding) {
  const std::vector<FormatCase> cases = {
      {0, 16, " 0\""},
      {0.01, 16, " 0\""},
      {-0.01, 16, "- 0\""},
      {-0.5, 16, "-1/2\""},
      {3, 16, " 3\""},
      {3.5, 16, " 3 1/2\""},
      {3.0625, 16, " 3 1/16\""},
      {3.40625, 16, " 3 3/8\""},
      {3.40625, 32, " 3 13/32\""},
      {3.15625, 16, " 3 1/8\""},
      {3.15625, 32, " 3 5/32\""},
      {5.0 / 32, 16, "1/8\""},      // 2.5 sixteenths round to the even 2
      {7.0 / 32, 16, "1/4\""},      // 3.5 sixteenths round to the even 4
      {12, 16, " 1'- 0\""},
      {63.5, 16, " 5'- 3 1/2\""},
      {-63.5, 16, "- 5'- 3 1/2\""},
      {63.99, 16, " 5'- 4\""},
      {0.99, 16, " 1\""},
      {143.99, 16, " 12'- 0\""},
      {11.96875, 16, " 1'- 0\""},
      {11.96875, 32, " 11 31/32\""},
      {14815.75, 16, " 1234'- 7 3/4\""},
      {14815.75, 32, " 1234'- 7 3/4\""},
      {-0.0, 16, " 0\""},           // negative zero has no sign to show
      {1.0 / 64, 32, " 0\""},       // half a thirty-second rounds to the even 0
      {3.0 / 64, 32, "1/16\""},     // 1.5 thirty-seconds round to the even 2
      {120000000, 16, " 10000000'- 0\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value << " at " << c.accuracy);
    EXPECT_EQ(FormatLinear(c.value, c.accuracy), c.text);
  }
}

TEST(FormatLinear, UnknownAccuracyCountsAsSixteenths) {
  for (int accuracy : {0, -32, 2, 128, 17}) EXPECT_EQ(FormatLinear(3.40625, accuracy), " 3 3/8\"");
}

// At every accuracy a remainder halfway between two steps goes to the even
// step (carrying on into inches and feet), and the fraction is reduced.
TEST(FormatLinear, EachAccuracyRoundsItsHalvesToEvenAndReduces) {
  const std::vector<FormatCase> cases = {
      {2 + 1.0 / 8, 4, " 2\""},       {2 + 3.0 / 8, 4, " 2 1/2\""},      {2 + 5.0 / 8, 4, " 2 1/2\""},
      {11 + 7.0 / 8, 4, " 1'- 0\""},  {3.0 / 16, 8, "1/4\""},            {7.0 / 16, 8, "1/2\""},
      {-13.0 / 16, 8, "-3/4\""},      {1.0 / 128, 64, " 0\""},           {3.0 / 128, 64, "1/32\""},
      {63.0 / 128, 64, "1/2\""},      {65.0 / 128, 64, "1/2\""},         {3 + 27.0 / 64, 64, " 3 27/64\""},
      {11 + 127.0 / 128, 64, " 1'- 0\""},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLinear(c.value, c.accuracy), c.text) << c.value << " at " << c.accuracy;
}

TEST(FormatLinear, EveryFractionInLowestTerms) {
  const std::vector<std::string> sixteenths = {"1/16", "1/8",  "3/16",  "1/4", "5/16",
                                               "3/8",  "7/16", "1/2",   "9/16", "5/8",
                                               "11/16", "3/4", "13/16", "7/8", "15/16"};
  for (int n = 1; n <= 15; ++n) {
    EXPECT_EQ(FormatLinear(n / 16.0, 16), sixteenths[n - 1] + "\"");
    EXPECT_EQ(FormatLinear(2 + n / 16.0, 32), " 2 " + sixteenths[n - 1] + "\"");
  }
  for (int n = 1; n <= 31; ++n) {
    const std::string expected = n % 2 ? std::to_string(n) + "/32" : sixteenths[n / 2 - 1];
    EXPECT_EQ(FormatLinear(n / 32.0, 32), expected + "\"") << n;
  }
}

TEST(FormatSquareCubic, SixteenthsAndCarryLimits) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {FormatWithSuffix(150.5, Dimension::Square, 16), " 1'- 6 1/2\" sq."},
      {FormatWithSuffix(0.25, Dimension::Square, 16), "1/4\" sq."},
      {FormatWithSuffix(144, Dimension::Square, 16), " 1'- 0\" sq."},
      {FormatWithSuffix(0, Dimension::Square, 16), " 0\" sq."},
      {FormatWithSuffix(143.99, Dimension::Square, 16), " 1'- 0\" sq."},
      {FormatWithSuffix(-143.5, Dimension::Square, 16), "- 143 1/2\" sq."},
      {FormatWithSuffix(1828.5, Dimension::Cubic, 16), " 1'- 100 1/2\" cu."},
      {FormatWithSuffix(864.125, Dimension::Cubic, 16), " 864 1/8\" cu."},
      {FormatWithSuffix(1727.99, Dimension::Cubic, 16), " 1'- 0\" cu."},
      // Square and cubic texts ignore the accuracy of 32.
      {FormatWithSuffix(3.15625, Dimension::Square, 32), " 3 1/8\" sq."},
      {FormatWithSuffix(3.15625, Dimension::Cubic, 32), " 3 1/8\" cu."},
      {FormatSquare(0.5), "1/2\""},
      {FormatCubic(-1728), "- 1'- 0\""},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

TEST(Format, NonFiniteValuesGiveError) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double v : {inf, -inf, nan, -nan}) {
    SCOPED_TRACE(testing::Message() << v);
    EXPECT_EQ(FormatLinear(v, 16), "ERROR");
    EXPECT_EQ(FormatLinear(v, 32), "ERROR");
    EXPECT_EQ(FormatSquare(v), "ERROR");
    EXPECT_EQ(FormatCubic(v), "ERROR");
    // No suffix: "ERROR sq." would itself read as a square value.
    EXPECT_EQ(FormatWithSuffix(v, Dimension::Square, 16), "ERROR");
    EXPECT_EQ(FormatWithSuffix(v, Dimension::Cubic, 16), "ERROR");
    EXPECT_EQ(ShortNumber(v), "ERROR");
  }
}

TEST(Format, HugeFeetCountsReadBackApproximately) {
  const double max = std::numeric_limits<double>::max();
  for (double v : {1.2e16, -3.3e17, 1e20, 7.25e100, -4e250, 1e300, max / 2000}) {
    for (Dimension d : {Dimension::Linear, Dimension::Square, Dimension::Cubic}) {
      const std::string text = FormatWithSuffix(v, d, 16);
      SCOPED_TRACE(text);
      EXPECT_EQ(text.find("inf"), std::string::npos);
      EXPECT_EQ(text.find("nan"), std::string::npos);
      EXPECT_NE(text.find('\''), std::string::npos);
      const double back = ParseByDimension(text);
      EXPECT_EQ(DimensionOf(text), d);
      EXPECT_NEAR(back / v, 1.0, 1e-13);
    }
  }
}

TEST(Format, FeetBelowTheExponentFormAreExact) {
  // Every digit of the feet is written up to 10^15 - 1 feet.
  const double halves = 374999999999999.0 * 12 + 7.5;  // below 2^52: halves are exact
  EXPECT_EQ(FormatLinear(halves, 16), " 374999999999999'- 7 1/2\"");
  EXPECT_EQ(ParseLinear(FormatLinear(halves, 16)), halves);
  const double most = 999999999999999.0 * 12;
  EXPECT_EQ(FormatLinear(most, 16), " 999999999999999'- 0\"");
  EXPECT_EQ(ParseLinear(FormatLinear(most, 16)), most);
  EXPECT_EQ(FormatLinear(most + 12, 16), " 1E+15'- 0\"");
}

TEST(ShortNumber, SignPlaceNoLeadingZeroNoTrailingZeros) {
  const std::vector<std::pair<double, const char*>> cases = {
      {2.5, " 2.5"},       {0.5, " .5"},     {-2.5, "-2.5"},   {-0.5, "-.5"},
      {0, " 0"},           {-0.0, " 0"},     {120, " 120"},    {1e16, " 1E+16"},
      {0.0001, " .0001"},  {1e14, " 100000000000000"},
      {0.1 + 0.2, " .3"},  {123456789012345678.0, " 1.23456789012346E+17"},
      {2.0 / 3, " .666666666666667"}, {123.456, " 123.456"},
      // Fixed form while zeros after the point and significant digits fit in 15.
      {1.0 / 20000, " .00005"}, {1.0 / 16 / 1000, " .0000625"}, {-1.5e-7, "-.00000015"},
      {1e-15, " .000000000000001"}, {1e-16, " 1E-16"}, {1.5e-15, " 1.5E-15"},
      {1.0 / 6000000, " 1.66666666666667E-07"}, {-1.0 / 6000000, "-1.66666666666667E-07"},
      {5e-324, " 4.94065645841247E-324"},
      // Over 15 integer digits, also after rounding to 15 digits.
      {999999999999999.0, " 999999999999999"}, {999999999999999.5, " 1E+15"},
      {1e20, " 1E+20"}, {-2.5e100, "-2.5E+100"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(ShortNumber(value), text) << value;
}

TEST(RoundHalfEven, HalvesGoToTheEvenDigit) {
  EXPECT_EQ(RoundHalfEven(2.5, 0), 2);
  EXPECT_EQ(RoundHalfEven(3.5, 0), 4);
  EXPECT_EQ(RoundHalfEven(-2.5, 0), -2);
  EXPECT_DOUBLE_EQ(RoundHalfEven(1.23456, 4), 1.2346);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.3333333, 4), 0.3333);
  EXPECT_EQ(RoundHalfEven(1e300, 4), 1e300);  // scaling would overflow: value kept
}

}  // namespace
}  // namespace mezura
