// Adding and subtracting two measurement texts, as a drop onto the display or
// onto a memory cell does: the dimension comes from the texts, clashing
// dimensions are refused unless the first operand reads as zero.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "measure/measurement.h"

namespace mezura {
namespace {

struct AddSubtractCase {
  const char* first;
  const char* second;
  AddSubtract operation;
  int accuracy;
  const char* text;
  double value;
  bool refused;
};

TEST(AddSubtractMeasurements, DimensionsAndResults) {
  constexpr auto add = AddSubtract::Add;
  constexpr auto sub = AddSubtract::Subtract;
  const std::vector<AddSubtractCase> cases = {
      {" 1'- 0\"", " 6\"", add, 16, " 1'- 6\"", 18, false},
      {" 6\"", " 1'- 0\"", sub, 16, "- 6\"", -6, false},
      {" 1'- 0\" sq.", " 6\" sq.", add, 16, " 1'- 6\" sq.", 150, false},
      {" 1'- 0\" sq.", " 6\" sq.", sub, 16, " 138\" sq.", 138, false},
      {" 1'- 0\" cu.", " 6\" cu.", add, 16, " 1'- 6\" cu.", 1734, false},
      {" 1'- 0\" cu.", " 2'- 0\" cu.", sub, 16, "- 1'- 0\" cu.", -1728, false},
      // Clashing dimensions with a first operand that is not zero.
      {" 5\"", " 1'- 0\" sq.", add, 16, "ERROR", 0, true},
      {" 1'- 0\" sq.", " 5\"", add, 16, "ERROR", 0, true},
      {" 1'- 0\" sq.", " 1'- 0\" cu.", sub, 16, "ERROR", 0, true},
      {"-1/2\"", " 1\" cu.", add, 16, "ERROR", 0, true},
      // A zero or empty first operand takes the second's dimension.
      {" 0\"", " 1'- 0\" sq.", add, 16, " 1'- 0\" sq.", 144, false},
      {"", " 1'- 0\" cu.", add, 16, " 1'- 0\" cu.", 1728, false},
      {" 0\" sq.", " 1'- 0\" cu.", sub, 16, "- 1'- 0\" cu.", -1728, false},
      {" 0\" sq.", " 6\"", add, 16, " 6\"", 6, false},
      {"1/2\" sq.", " 6\"", add, 16, "ERROR", 0, true},  // LeadingNumber of "1/2" is 1
      // Plain numbers are inches; the accuracy applies to linear results only.
      {"7", "5", add, 16, " 1'- 0\"", 12, false},
      {"1/32\"", "1/16\"", add, 32, "3/32\"", 3.0 / 32, false},
      {"1/32\"", "1/16\"", add, 16, "1/8\"", 3.0 / 32, false},
      {"1/32\" sq.", "1/16\" sq.", add, 32, "1/8\" sq.", 3.0 / 32, false},
      // No finite result: refused rather than shown as infinity.
      {"1/0", " 6\"", add, 16, "ERROR", 0, true},
      {"1e999'", "1e999'", sub, 16, "ERROR", 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "[" << c.first << "] " << (c.operation == add ? "+" : "-")
                                    << " [" << c.second << "] at " << c.accuracy);
    const AddSubtractResult r = AddSubtractMeasurements(c.first, c.second, c.operation, c.accuracy);
    EXPECT_EQ(r.text, c.text);
    EXPECT_DOUBLE_EQ(r.value, c.value);
    EXPECT_EQ(r.refused, c.refused);
  }
}

}  // namespace
}  // namespace mezura
