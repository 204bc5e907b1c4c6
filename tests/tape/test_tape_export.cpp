// Tapes taken out of the program: which lines hold values (and which value),
// the CSV and text files, and the lines copied to the clipboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
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

std::string CaseName(const ::testing::TestParamInfo<LineCase>& param) {
  std::string name = param.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

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
    ::testing::Values(
        LineCase{"first operand", "5'- 3 ", "", 63},
        LineCase{"negative first operand after a clear", "- 5 ", " ", -5, L, true},
        LineCase{"addition", "+ 2' ", "5'- 3 ", 24},
        LineCase{"subtraction: the operand, not its sign", "- 1/2\" ", "5'- 3 ", 0.5},
        LineCase{"subtracting a negative entry", "- -5 ", "5'- 3 ", -5, L, true},
        LineCase{"multiplication", "x 7 ", "5'- 3 ", 7, L, true},
        LineCase{"division", "/ 4 ", " 12 ", 4, L, true},
        LineCase{"result", " 7'- 3 1/2\" ", kSeparator, 87.5},
        LineCase{"negative result after a separator", "- 3\" ", kSeparator, -3},
        LineCase{"area result", " 1'- 0\" sq. ", kSeparator, 144, Dimension::Square},
        LineCase{"volume result", "- 1'- 0\" cu. ", kSeparator, -1728, Dimension::Cubic},
        LineCase{"plain result", " 2.5 ", kSeparator, 2.5, L, true},
        LineCase{"result after a transfer's separator", " 1'- 0\" ", "---------------- ", 12},
        LineCase{"transfer in", " + 5'- 3 1/2\" ", " 7'- 3 1/2\" ", 63.5},
        LineCase{"transfer out at the top", " - 6\" ", "", 6},
        LineCase{"pi", " 3.14159265358979 ", "Circumference ", 3.14159265358979, L, true},
        LineCase{"side of a diagonal", "Side1 =  3'- 0\" ", "Diagonal ", 36},
        LineCase{"loaded cell value in row 0", " 2'- 6\" ", "", 30},
        LineCase{"separator", kSeparator, " 5\" ", std::nullopt},
        LineCase{"transfer separator", "---------------- ", " + 5\" ", std::nullopt},
        LineCase{"clear", "Clear ", " ", std::nullopt},
        LineCase{"blank", " ", "Clear ", std::nullopt},
        LineCase{"empty row 0", "", "", std::nullopt},
        LineCase{"formula title", "Circumference ", " ", std::nullopt},
        LineCase{"volume formula title", "Pi(r\xC2\xB2)*l Volume of Cylinder ", " ", std::nullopt},
        LineCase{"square root", "SQT  ", " 16 ", std::nullopt},
        LineCase{"error", "ERROR ", kSeparator, std::nullopt}),
    CaseName);

// A calculation, a clear and a formula, as the engine writes them.
TapeStore SampleTape() {
  TapeStore store;
  EXPECT_TRUE(AppendTapeLines(store, 0, {"5'- 3 1/2\" ", "+ 2' ", kSeparator, " 7'- 3 1/2\" ", " ", "Clear ", " ",
                                         "Circumference ", " 3.14159265358979 ", "x 2 ", kSeparator,
                                         " 6.28318530717959 "}));
  return store;
}

TEST(TapeFile, CsvHasOneQuotedRowPerLineWithItsValue) {
  const TapeStore store = SampleTape();
  EXPECT_EQ(TapeFileContents(store, 0, TapeFileFormat::Csv),
            "Line,Value,Unit\r\n"
            "\"5'- 3 1/2\"\"\",63.5,in\r\n"
            "+ 2',24,in\r\n"
            "---------------,,\r\n"
            "\"7'- 3 1/2\"\"\",87.5,in\r\n"
            ",,\r\n"
            "Clear,,\r\n"
            ",,\r\n"
            "Circumference,,\r\n"
            "3.14159265358979,3.14159265358979,\r\n"
            "x 2,2,\r\n"
            "---------------,,\r\n"
            "6.28318530717959,6.28318530717959,\r\n");
}

TEST(TapeFile, CsvQuotesCommasAndStartsWithALoadedValue) {
  TapeStore store;
  ASSERT_TRUE(store.AddTape(1, "Deck"));
  store.SetTapeLine(1, 0, " 1'- 0\" sq. ");
  ASSERT_TRUE(AppendTapeLines(store, 1, {" + 6, 7 "}));
  EXPECT_EQ(TapeFileContents(store, 1, TapeFileFormat::Csv),
            "Line,Value,Unit\r\n\"1'- 0\"\" sq.\",144,sq in\r\n\"+ 6, 7\",,\r\n");
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
  const std::string all = TapeCopyText(store, 0, {});
  EXPECT_EQ(all.substr(0, all.find('\n')), "5'- 3 1/2\"");
  EXPECT_TRUE(all.ends_with("---------------\n 6.28318530717959"));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 11);
  EXPECT_EQ(all.find(" \n"), std::string::npos);
}

TEST(CsvNumber, ShortestDigitsThatReadBack) {
  for (const double value : {63.5, 0.1, 1.0 / 3.0, 1e16, 4.9e-324, -1728.0}) {
    const std::string text = CsvNumber(value);
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(back, value) << text;
  }
  EXPECT_EQ(CsvNumber(0.1), "0.1");
}

}  // namespace
}  // namespace mezura
