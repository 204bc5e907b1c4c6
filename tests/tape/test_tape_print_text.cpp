// The printed form of a tape: title centring and right alignment to the
// widest of the title and the trimmed lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/tape_lines.h"
#include "tape/tape_print_text.h"
#include "tape/tape_store.h"

namespace mezura {
namespace {

using testing::AppendTapeLines;

TEST(TapePrintText, ClearedCalculatorTapePrintsFiveLinesTenWide) {
  TapeStore store;
  ASSERT_TRUE(store.ClearTape(0));
  const TapePrintText doc = TapePrintText::For(store, 0);
  EXPECT_EQ(doc.width, 10);
  const std::vector<std::string> expected = {
      "Calculator",
      std::string(10, ' '),  // row 0, always empty
      std::string(10, ' '),  // the clear's " "
      "     Clear",
      std::string(10, ' '),
  };
  EXPECT_EQ(doc.lines, expected);
}

struct AlignmentCase {
  const char* name;
  std::string title;
  std::vector<std::string> rows;
  std::vector<std::string> expected;  // after the title line and row 0
  std::string expectedTitleLine;
};

class TapePrintAlignment : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(TapePrintAlignment, TitleCentredAndRowsRightAligned) {
  const AlignmentCase& c = GetParam();
  TapeStore store;
  ASSERT_TRUE(store.AddTape(1, c.title));
  ASSERT_TRUE(AppendTapeLines(store, 1, c.rows));
  const TapePrintText doc = TapePrintText::For(store, 1);
  ASSERT_EQ(doc.lines.size(), c.rows.size() + 2);
  EXPECT_EQ(doc.lines[0], c.expectedTitleLine);
  const std::size_t width = static_cast<std::size_t>(doc.width);
  EXPECT_EQ(doc.lines[1], std::string(width, ' '));
  for (std::size_t i = 0; i < c.expected.size(); ++i) EXPECT_EQ(doc.lines[i + 2], c.expected[i]) << "row " << i + 1;
  for (std::size_t i = 1; i < doc.lines.size(); ++i) EXPECT_EQ(TapePrintText::CharacterCount(doc.lines[i]), doc.width);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TapePrintAlignment,
    ::testing::Values(
        // 16-character line, 8-character title: (16 - 8) / 2 = 4 spaces.
        AlignmentCase{"SixteenWide", "Kitchens", {" 12'- 11 15/16\" x ", "+ 2' ", "7\""},
                      {"12'- 11 15/16\" x", "            + 2'", "              7\""}, "    Kitchens"},
        // A title longer than every line is flush left; lines align to it.
        AlignmentCase{"TitleLongerThanLines", "Living room floor", {" 5'- 3 1/2\" ", "Clear "},
                      {"       5'- 3 1/2\"", "            Clear"}, "Living room floor"},
        // An odd difference drops the extra space; an untrimmed title keeps its blanks.
        AlignmentCase{"OddDifferenceAndUntrimmedTitle", " ab ", {"1234567"}, {"1234567"}, "  ab "},
        // Width counts characters, not UTF-8 bytes.
        AlignmentCase{"NonAsciiTitle", "Fläche", {"12'- 0\""}, {"12'- 0\""}, "Fläche"}),
    [](const ::testing::TestParamInfo<AlignmentCase>& param) { return std::string(param.param.name); });

TEST(TapePrintText, AllTapesGivesOneDocumentPerTapeInOrder) {
  TapeStore store;
  ASSERT_TRUE(store.AddTape(1, "Memory 1"));
  ASSERT_TRUE(store.AddTape(2, "Memory 2"));
  ASSERT_TRUE(AppendTapeLines(store, 0, {" 1'- 0\" "}));
  ASSERT_TRUE(AppendTapeLines(store, 2, {" 6\" "}));
  const std::vector<TapePrintText> docs = TapePrintText::AllTapes(store);
  ASSERT_EQ(docs.size(), 3u);
  const std::vector<std::string> titles = {"Calculator", "Memory 1", "Memory 2"};
  for (int t = 0; t < 3; ++t) {
    EXPECT_EQ(docs[t].tape, t);
    EXPECT_EQ(docs[t].title, titles[t]);
  }
  EXPECT_EQ(docs[0].lines.back(), "    1'- 0\"");
  EXPECT_EQ(docs[1].lines.size(), 2u);  // title and the empty row 0
  EXPECT_EQ(docs[2].lines.back(), "      6\"");
}

TEST(TapePrintText, UnknownTapeGivesNoLines) {
  TapeStore store;
  for (int tape : {-1, 1, 32767}) {
    const TapePrintText doc = TapePrintText::For(store, tape);
    EXPECT_TRUE(doc.lines.empty()) << tape;
    EXPECT_EQ(doc.tape, -1);
  }
}

TEST(TapePrintText, CharacterCountCountsCodePoints) {
  EXPECT_EQ(TapePrintText::CharacterCount(""), 0);
  EXPECT_EQ(TapePrintText::CharacterCount("abc"), 3);
  EXPECT_EQ(TapePrintText::CharacterCount("\xC3\xA4"), 1);       // ä
  EXPECT_EQ(TapePrintText::CharacterCount("\xE2\x80\xB2x"), 2);  // prime, x
}

}  // namespace
}  // namespace mezura
