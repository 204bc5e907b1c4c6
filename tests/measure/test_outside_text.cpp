// The one rule for text from outside the program: what it takes, how it
// writes the area and volume marks, and what it refuses.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

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
      {"27' cu", "27' cu."},              {"8cu", "8 cu."},                {"6.25E-05  sq", "6.25E-05 sq."},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadOutsideText(c.text), c.value) << c.text;
}

TEST(ReadOutsideText, RefusesWhatIsNoValue) {
  const std::vector<std::string> refused = {
      "", "   \r\n", "sq", " sq.", "'-\"", "five feet", "12 apples", "5 sq. 3", "5 sq cu", "5 sq.sq",
      "5 SQ", "http://x/1",
      "1e5",            // not the program's exponent
      "E5", "5E", "5E+", "5'E3", "+5",
      "1E+400",         // beyond a double
      "1/0", "0/0",     // no finite value
      "5\x00"s "7", "5\x01", "5\t7", "\xc3\xb7 4", "5\xff",
      std::string(kMaxOutsideTextBytes + 1, '1'),
  };
  for (const std::string& text : refused) EXPECT_EQ(ReadOutsideText(text), std::nullopt) << text;
}

}  // namespace
}  // namespace mezura
