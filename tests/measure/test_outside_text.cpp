// The one rule for text from outside the program: what it takes, how it
// writes the area and volume marks, and what it refuses.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "measure/measurement.h"
#include "measure/outside_text.h"

namespace mezura {
namespace {

using namespace std::string_literals;

struct Case {
  std::string text;
  std::string value;
};

TEST(ReadOutsideText, TakesValuesTrimmedWithTheMarksWrittenOurWay) {
  const std::string longest(kMaxOutsideTextBytes, '1');
  const std::vector<Case> cases = {
      {" 5'- 3 1/2\"\r\n", "5'- 3 1/2\""}, {"\t-1/2\"", "-1/2\""},        {"4'-8 3/8\"", "4'-8 3/8\""},
      {"6.25E-05", "6.25E-05"},           {" 1E+16'- 0\"", "1E+16'- 0\""}, {" " + longest + "\n", longest},
      {" 1'- 0\" sq.", "1'- 0\" sq."},    {"5' sq", "5' sq."},             {"12sq.", "12 sq."},
      {"27' cu", "27' cu."},              {"8cu", "8 cu."},
      {longest.substr(4) + "cu", longest.substr(4) + " cu."},                {"6.25E-05  sq", "6.25E-05 sq."},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadOutsideText(c.text), c.value) << c.text;
}

// Measurements as builders write them in other programs: taken as written,
// and worth what a builder means by them.
TEST(ReadOutsideText, TakesBuildersNotations) {
  struct Builder {
    std::string text;
    double value;
  };
  const std::vector<Builder> cases = {
      {"4'-8 3/8\"", 56.375}, {"4' 8-3/8\"", 56.375}, {"4'8-3/8\"", 56.375}, {"4' - 8 3/8 \"", 56.375},
      {"1-1/2\"", 1.5},       {"3 1/2\"", 3.5},       {"-6\"", -6},          {"- 6\"", -6},
      {"12.5", 12.5},         {"12' 6\" sq.", 1734},  {"5'-", 60},            {"5'- 0\"", 60},
      {"3/4", 0.75},          {"2.5/2", 1.25},         {"'- 4", 4},
  };
  for (const Builder& c : cases) {
    const std::optional<std::string> value = ReadOutsideText(c.text);
    ASSERT_TRUE(value) << c.text;
    EXPECT_DOUBLE_EQ(ParseByDimension(*value), c.value) << c.text;
  }
}

TEST(ReadOutsideText, RefusesWhatIsNoValue) {
  const std::vector<std::string> refused = {
      "", "   \r\n", "sq", " sq.", "'-\"", "five feet", "12 apples", "5 sq. 3", "5 sq cu", "5 sq.sq",
      "5 SQ", "http://x/1",
      "1e5",            // not the program's exponent
      "E5", "5E", "5E+", "5'E3", "+5",
      "1E+400",         // beyond a double
      "1/0", "0/0",     // no finite value
      "5 3", "5 3\"", "5' 3 4", "5\" 3", "5'3'", "5 1/2'", "1/2 3", "3 1/", "3 1/2/4", "5--3", "5' - - 3",
      "--5", "5 -", "5 E3", "1/2E3", "\"5", "'-", "' \"",  // digits or marks that belong to no piece
      "5\x00"s "7", "5\x01", "5\t7", "\xc3\xb7 4", "5\xff",
      std::string(kMaxOutsideTextBytes + 1, '1'),
      std::string(kMaxOutsideTextBytes - 3, '4') + "cu",  // fits, but " cu." would not
  };
  for (const std::string& text : refused) EXPECT_EQ(ReadOutsideText(text), std::nullopt) << text;
}

// Metric quantities become their exact conversion in inches, to 15
// significant digits, with the inch mark and the dimension's own mark.
TEST(ReadOutsideText, TakesMetricQuantitiesAsInches) {
  const std::string longest = std::string(kMaxOutsideTextBytes - 3, '1') + " mm";
  const std::vector<Case> cases = {
      {"304.8 mm", "12\""},          {"38 mm", "1.49606299212598\""}, {"\t38\u00a0mm\r\n", "1.49606299212598\""},
      {"120cm", "47.244094488189\""}, {"1.5 m", "59.0551181102362\""},  {"-2.54 cm", "-1\""},
      {".0254 m", "1\""},             {"0 mm", "0\""},                  {longest, "4.37445319335083E+194\""},
      {"2 m\u00b2", "3100.0062000124\" sq."}, {"2 sq.m", "3100.0062000124\" sq."},
      {"929.0304 cm\u00b2", "144\" sq."},     {"645.16 mm\u00b2", "1\" sq."},
      {"1 m\u00b3", "61023.7440947323\" cu."}, {"1 cu. m", "61023.7440947323\" cu."},
      {"100 mm\u00b3", "6.10237440947323E-03\" cu."}, {"28.316846592 litres", "1728\" cu."},
      {"16.387064 ml", "1\" cu."},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> value = ReadOutsideText(c.text);
    EXPECT_EQ(value, c.value) << c.text;
    if (value) EXPECT_EQ(ReadOutsideText(*value), value) << c.text;  // and reads back as itself
  }
}

TEST(ReadOutsideText, RefusesMixedOrUnclearMetricText) {
  const std::vector<std::string> refused = {
      "1 m 5'", "5' 1 m", "1 m 50 cm", "1 m 5",                          // mixed
      "2 m2", "2 m sq", "2 cm sq.", "2 sq m\u00b2", "2 m\u00b2\u00b2",  // unclear or two marks
      "2 M", "2 MM", "2 Cm", "2 km", "2 ft", "m", "mm \u00b2",            // other or no units
      "1,5 m", "1 500 mm", "1.5.2 m", "1/2 m", "1E3 m", "+2 m", "- 2 m", "2\tm",
      std::string(kMaxOutsideTextBytes - 2, '1') + " mm",
  };
  for (const std::string& text : refused) EXPECT_EQ(ReadOutsideText(text), std::nullopt) << text;
}

}  // namespace
}  // namespace mezura
