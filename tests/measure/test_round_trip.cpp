// Round trips of what the program writes: every text a formatter writes
// reads back, with the parser of its own dimension, as exactly the rounded
// value that it shows, and formatting that value again writes the same text;
// every plain number reads back as itself to the digits it shows; adding and
// then subtracting the same text leaves a total as it was.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "measure/measurement.h"

namespace mezura {
namespace {

std::vector<double> RoundTripValues() {
  std::vector<double> values;
  // A grid of 1/128 inch across the first few feet, both signs: halves of
  // every step of every accuracy, and every carry into inches and feet.
  for (int k = -6000; k <= 6000; ++k) values.push_back(k / 128.0);
  // Around the carry limits of square and cubic feet and their multiples.
  for (double unit : {12.0, 144.0, 1728.0})
    for (int n = 1; n <= 40; n += 3)
      for (int k = -70; k <= 70; ++k) values.push_back(n * unit + k / 64.0);
  // Random values, uniform and spread over many magnitudes.
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> uniform(-1e6, 1e6);
  std::uniform_real_distribution<double> exponent(-4, 12);
  for (int i = 0; i < 3000; ++i) {
    values.push_back(uniform(random));
    const double magnitude = std::pow(10.0, exponent(random));
    values.push_back(random() % 2 ? magnitude : -magnitude);
  }
  return values;
}

// The value the text should show: the magnitude rounded to the grid of
// 1/denominator with halves to even, the sign kept.
double RoundedToGrid(double value, int denominator) {
  return std::copysign(std::nearbyint(std::fabs(value) * denominator) / denominator, value);
}

TEST(RoundTrip, FormattedTextsReadBackAsTheirRoundedValue) {
  const std::vector<double> values = RoundTripValues();
  for (int accuracy : kAccuracies) {
    for (Dimension dimension : {Dimension::Linear, Dimension::Square, Dimension::Cubic}) {
      const int denominator = dimension == Dimension::Linear ? accuracy : kAccuracy16;
      int failures = 0;
      for (double value : values) {
        const std::string text = FormatWithSuffix(value, dimension, accuracy);
        const double expected = RoundedToGrid(value, denominator);
        const double back = ParseByDimension(text);
        // A negative value that rounds to nothing shows "- 0\"", which reads
        // back as zero and so formats as " 0\"" the second time.
        const std::string again = FormatWithSuffix(back, dimension, accuracy);
        const std::string expectedAgain =
            expected == 0 ? FormatWithSuffix(0.0, dimension, accuracy) : text;
        if (back != expected || again != expectedAgain || DimensionOf(text) != dimension) {
          ADD_FAILURE() << "value " << value << " at " << accuracy << " wrote [" << text
                        << "], read back " << back << ", expected " << expected
                        << ", formatted again [" << again << "]";
          if (++failures > 10) return;
        }
      }
    }
  }
}

TEST(RoundTrip, PlainNumbersReadBackToTheirFifteenDigits) {
  std::mt19937_64 random(20240612);
  std::uniform_real_distribution<double> exponent(-20, 20);
  for (int i = 0; i < 20000; ++i) {
    const double value = (random() % 2 ? 1 : -1) * std::pow(10.0, exponent(random));
    char digits[32];
    double rounded = 0;  // the value rounded to 15 significant digits
    std::from_chars(digits, std::to_chars(digits, digits + 32, value, std::chars_format::scientific, 14).ptr, rounded);
    const std::string text = ShortNumber(value);
    if (ParseLinear(text) != rounded || text[0] != (value < 0 ? '-' : ' ')) {
      ADD_FAILURE() << "value " << value << " wrote [" << text << "], read back " << ParseLinear(text);
      return;
    }
  }
}

TEST(RoundTrip, AddingThenSubtractingATextLeavesTheTotal) {
  std::mt19937_64 random(20240613);
  std::uniform_real_distribution<double> uniform(-1e5, 1e5);
  for (int accuracy : kAccuracies) {
    for (Dimension dimension : {Dimension::Linear, Dimension::Square, Dimension::Cubic}) {
      const double step = 1.0 / (dimension == Dimension::Linear ? accuracy : kAccuracy16);
      for (int i = 0; i < 1000; ++i) {
        const std::string total = FormatWithSuffix(uniform(random), dimension, accuracy);
        // A text on the total's grid comes back exactly; a plain number (inches,
        // so linear only) off the grid to within the one rounding of the sum.
        for (const bool onGrid : {true, false}) {
          if (!onGrid && dimension != Dimension::Linear) continue;
          const std::string operand =
              onGrid ? FormatWithSuffix(uniform(random), dimension, accuracy) : ShortNumber(uniform(random));
          const AddSubtractResult sum = AddSubtractMeasurements(total, operand, AddSubtract::Add, accuracy);
          const AddSubtractResult back = AddSubtractMeasurements(sum.text, operand, AddSubtract::Subtract, accuracy);
          const bool same = onGrid ? back.text == total
                                   : std::fabs(ParseByDimension(back.text) - ParseByDimension(total)) <= step;
          if (sum.refused || back.refused || !same) {
            ADD_FAILURE() << "[" << total << "] + [" << operand << "] = [" << sum.text << "], less it ["
                          << back.text << "] at " << accuracy;
            return;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace mezura
