// Tapes taken out of the program: which lines hold values (and which value),
// the CSV and text files (numbers that read back exactly), and the lines
// copied to the clipboard.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/tape_lines.h"
#include "tape/tape_export.h"
#include "tape/tape_line_value.h"
#include "tape/tape_store.h"

namespace mezura {
namespace {

using testing::AppendTapeLines;

constexpr const char* kSeparator = "--------------- ";

struct LineCase {
  const char* name;
  const char* line;
  const char* previous;
  std::optional<double> value;  // nothing: not a value line
  Dimension dimension = Dimension::Linear;
  bool plain = false;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class TapeLineValueRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(TapeLineValueRule, ReadsWhatTheLineSays) {
  const LineCase& c = GetParam();
  const std::optional<TapeLineValue> read = ReadTapeLineValue(c.line, c.previous);
  ASSERT_EQ(read.has_value(), c.value.has_value());
  if (!read) return;
  EXPECT_DOUBLE_EQ(read->value, *c.value);
  EXPECT_EQ(read->dimension, c.dimension);
  EXPECT_EQ(read->plainNumber, c.plain);
}

constexpr auto L = Dimension::Linear;
INSTANTIATE_TEST_SUITE_P(
    Lines, TapeLineValueRule,
    ::testing::Values(LineCase{"first operand", "5'- 3 ", "", 63},
                      LineCase{"minus at the start is a sign", "- 5 ", " ", -5, L, true},
                      LineCase{"addition", "+ 2' ", "5'- 3 ", 24},
                      LineCase{"subtraction: the operand, unsigned", "- 1/2\" ", "5'- 3 ", 0.5},
                      LineCase{"multiplication", "x 7 ", "5'- 3 ", 7, L, true},
                      LineCase{"result", " 7'- 3 1/2\" ", kSeparator, 87.5},
                      LineCase{"negative result", "- 3\" ", kSeparator, -3},
                      LineCase{"area", " 1'- 0\" sq. ", kSeparator, 144, Dimension::Square},
                      LineCase{"volume", "- 1'- 0\" cu. ", "---------------- ", -1728, Dimension::Cubic},
                      LineCase{"transfer", " - 5'- 3 1/2\" ", " 7'- 3 1/2\" ", 63.5},
                      LineCase{"pi", " 3.14159265358979 ", "Circumference ", 3.14159265358979, L, true},
                      LineCase{"side of a diagonal", "Side1 =  3'- 0\" ", "Diagonal ", 36},
                      LineCase{"rise of stairs", "Rise =  8'- 9\" ", "Stairs ", 105},
                      // The stairs' labelled figures follow the separator, yet are no signed result.
                      LineCase{"count of risers", "Risers =  14 ", kSeparator, 14, L, true},
                      LineCase{"riser height", "Riser =  7 1/2\" ", "Risers =  14 ", 7.5},
                      LineCase{"stringer", "Stringer =  13'- 11 1/8\" ", "Tread =  10\" ", 167.125},
                      LineCase{"stairs title", "Stairs ", " ", std::nullopt},
                      LineCase{"separator", kSeparator, " 5\" ", std::nullopt},
                      LineCase{"clear", "Clear ", " ", std::nullopt},
                      LineCase{"blank", " ", "Clear ", std::nullopt},
                      LineCase{"formula title", "Pi(r\xC2\xB2)*l Volume of Cylinder ", " ", std::nullopt},
                      LineCase{"square root", "SQT  ", " 16 ", std::nullopt}));

// A calculation, a clear and a product with a plain number.
TapeStore SampleTape() {
  TapeStore store;
  EXPECT_TRUE(AppendTapeLines(store, 0, {"5'- 3 1/2\" ", "+ 2' ", kSeparator, " 7'- 3 1/2\" ", " ", "Clear ", " ",
                                         "6 ", "x 2 ", kSeparator, " 12 "}));
  return store;
}

TEST(TapeFile, CsvHasOneQuotedRowPerLineWithItsValue) {
  EXPECT_EQ(TapeFileContents(SampleTape(), 0, TapeFileFormat::Csv),
            "Line,Value,Unit\r\n\"5'- 3 1/2\"\"\",63.5,in\r\n+ 2',24,in\r\n---------------,,\r\n"
            "\"7'- 3 1/2\"\"\",87.5,in\r\n,,\r\nClear,,\r\n,,\r\n6,6,\r\nx 2,2,\r\n---------------,,\r\n12,12,\r\n");
}

TEST(TapeFile, CsvStartsWithALoadedValueAndQuotesCommas) {
  TapeStore store;
  ASSERT_TRUE(store.AddTape(1, "Deck"));
  store.SetTapeLine(1, 0, " 1'- 0\" sq. ");
  ASSERT_TRUE(AppendTapeLines(store, 1, {" + 6, 7 ", " + 1/3\" "}));
  // A third of an inch takes 16 digits to read back as the same double.
  EXPECT_EQ(TapeFileContents(store, 1, TapeFileFormat::Csv),
            "Line,Value,Unit\r\n\"1'- 0\"\" sq.\",144,sq in\r\n\"+ 6, 7\",,\r\n"
            "\"+ 1/3\"\"\",0.3333333333333333,in\r\n");
}

TEST(TapeFile, TextIsThePrintedLayoutWithoutTrailingBlanks) {
  TapeStore store;
  ASSERT_TRUE(AppendTapeLines(store, 0, {"5'- 3 ", "+ 2' ", kSeparator, " 7'- 3\" ", " "}));
  EXPECT_EQ(TapeFileContents(store, 0, TapeFileFormat::Text),
            "  Calculator\n"
            "\n"
            "          5'- 3\n"
            "           + 2'\n"
            "---------------\n"
            "         7'- 3\"\n"
            "\n");
  EXPECT_EQ(TapeFileContents(store, 5, TapeFileFormat::Text), "");
}

TEST(TapeCopy, SelectedRowsInOrderOrTheWholeTape) {
  const TapeStore store = SampleTape();
  EXPECT_EQ(TapeCopyText(store, 0, {4, 1, 2, 2}), "5'- 3 1/2\"\n+ 2'\n 7'- 3 1/2\"");
  EXPECT_EQ(TapeCopyText(store, 0, {0, 99}), "");  // an empty row 0, a row past the tape
  EXPECT_EQ(TapeCopyText(store, 0, {}),
            "5'- 3 1/2\"\n+ 2'\n---------------\n 7'- 3 1/2\"\n\nClear\n\n6\nx 2\n---------------\n 12");
}

}  // namespace
}  // namespace mezura
