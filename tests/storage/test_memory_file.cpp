// The memory file's bytes: the exact form written, what a reader accepts,
// mends or refuses, and that every accepted file reads back as written.
#include <gtest/gtest.h>

#include <chrono>
#include <iterator>
#include <random>
#include <string>
#include <utility>

#include "storage/memory_file_codec.h"
#include "storage/text_decoding.h"

namespace mezura {
namespace {

using namespace std::string_literals;

MemoryFileData TwoCells() {
  return {1575, 1635, 4800, 3600, 1935, {{"Memory 1", "0."}, {"Lumber", " 5'- 3 1/2\" "}}};
}

TEST(MemoryFileWrite, TwoCellsGiveTheEightLinesByteForByte) {
  const MemoryFileWriteResult out = WriteMemoryFile(TwoCells());
  ASSERT_EQ(out.error, "");
  EXPECT_EQ(out.bytes,
            " 1575 \r\n 1635 \r\n 4800 \r\n 3600 \r\n 2\r\n 1935\r\n"
            "Memory 1\r\n0.\r\nLumber\r\n 5'- 3 1/2\" \r\n");
}

TEST(MemoryFileWrite, SingleNumberLines) {
  const struct {
    double value;
    const char* line;
  } cases[] = {
      {1635, " 1635 "},      {-120, "-120 "},   {0, " 0 "},
      {0.5, " .5 "},         {-0.25, "-.25 "},  {1635.25, " 1635.25 "},
      {9999999, " 9999999 "}, {12345678, " 1.234568E+07 "},
  };
  for (const auto& c : cases) EXPECT_EQ(SingleNumberLine(c.value), c.line) << c.value;
}

TEST(MemoryFileWrite, LineBreaksInsideATextBecomeBlanksSoLaterCellsStayInPlace) {
  MemoryFileData data = TwoCells();
  data.cells[0].name = "two\r\nlines";
  data.cells[0].value = "a\nb";
  const MemoryFileReadResult in = ReadMemoryFile(WriteMemoryFile(data).bytes);
  ASSERT_EQ(in.status, MemoryFileStatus::Ok);
  ASSERT_EQ(in.data.cells.size(), 2u);
  EXPECT_EQ(in.data.cells[0].name, "two  lines");
  EXPECT_EQ(in.data.cells[0].value, "a b");
  EXPECT_EQ(in.data.cells[1], data.cells[1]);
}

TEST(MemoryFileWrite, RefusesWhatCouldNotBeReadBack) {
  MemoryFileData data = TwoCells();
  data.left = kMemoryFileGeometryLimit + 1;
  MemoryFileWriteResult out = WriteMemoryFile(data);
  EXPECT_NE(out.error, "");
  EXPECT_EQ(out.bytes, "");

  data = TwoCells();
  data.cells.resize(kMemoryFileMaxCells + 1);
  out = WriteMemoryFile(data);
  EXPECT_NE(out.error, "");
  EXPECT_EQ(out.bytes, "");
}

TEST(MemoryFileRoundTrip, EveryFieldComesBack) {
  const MemoryFileData cases[] = {
      TwoCells(),
      {0, 0, 0, 0, 0, {}},
      {-1200, -45, 32767, 20000, -32768, {{"", ""}, {"", "x"}}},
      {kMemoryFileGeometryLimit, -kMemoryFileGeometryLimit, 38400, 1, 32767,
       {{"Größe ½ — 寸", " 1'- 0\" sq. "}, {"  padded  ", "\t tab"}}},
  };
  for (const MemoryFileData& data : cases) {
    const MemoryFileWriteResult out = WriteMemoryFile(data);
    ASSERT_EQ(out.error, "");
    const MemoryFileReadResult in = ReadMemoryFile(out.bytes);
    EXPECT_EQ(in.status, MemoryFileStatus::Ok) << in.reason;
    EXPECT_EQ(in.reason, "");
    EXPECT_EQ(in.data, data) << out.bytes;
  }
}

// Random cells: any UTF-8 text comes back as written, but for line breaks,
// which are written as blanks, and NUL characters, which are not read back.
TEST(MemoryFileRoundTrip, RandomCellsComeBack) {
  const std::string pieces[] = {"a", "7", " ", "\t", "'- ", "\"", "/", "sq", "\r", "\n", "\0"s, "½", "€", "寸", "\xEF\xBB\xBF"};
  std::mt19937 random(20240614);
  const auto between = [&](int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(random); };
  const int32_t limit = kMemoryFileGeometryLimit;
  for (int i = 0; i < 300; ++i) {
    MemoryFileData data{between(-limit, limit), between(-limit, limit), between(-limit, limit),
                        between(-limit, limit), static_cast<int16_t>(between(-32768, 32767)), {}};
    MemoryFileData expected = data;
    for (int n = between(0, 5); n > 0; --n) {
      MemoryCell cell, back;
      for (auto [written, read] : {std::pair{&cell.name, &back.name}, std::pair{&cell.value, &back.value}}) {
        for (int k = between(0, 11); k > 0; --k) {
          const std::string& piece = pieces[between(0, std::size(pieces) - 1)];
          *written += piece;
          for (const char c : piece)
            if (c != '\0') *read += c == '\r' || c == '\n' ? ' ' : c;
        }
      }
      data.cells.push_back(cell);
      expected.cells.push_back(back);
    }
    const MemoryFileWriteResult out = WriteMemoryFile(data);
    const MemoryFileReadResult in = ReadMemoryFile(out.bytes);
    ASSERT_EQ(in.status, MemoryFileStatus::Ok) << in.reason << "\n" << out.bytes;
    ASSERT_EQ(in.data, expected) << out.bytes;
  }
}

TEST(MemoryFileCaption, FileNameWithoutFolderAndFromItsFirstPoint) {
  EXPECT_EQ(MemoryFileCaption("/home/ann/deck.v2.mem"), "deck");
  EXPECT_EQ(MemoryFileCaption("C:\\jobs\\deck.mem"), "deck");
  EXPECT_EQ(MemoryFileCaption("plain"), "plain");
  EXPECT_EQ(MemoryFileCaption("dir.d/.hidden"), "");
}

TEST(MemoryFileRead, AcceptedFilesGiveEveryField) {
  const std::string zeros = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
  const struct {
    const char* what;
    std::string bytes;
    MemoryFileData data;
  } cases[] = {
      {"number lines are leading numbers rounded halves to even",
       "  1634.5 twips\n1635.5\n-2.5\n 1 5 0 0\n 2.5\n1e3\nA\n1\nB\n2\n",
       {1634, 1636, -2, 1500, 1000, {{"A", "1"}, {"B", "2"}}}},
      {"LF, CR and CR LF line ends", " 1\n 2\r\n 3\r 4\n 1\n 5\nname\r\nvalue", {1, 2, 3, 4, 5, {{"name", "value"}}}},
      {"ANSI bytes are Windows-1252, UTF-8 stays, a cut-off sequence is ANSI",
       zeros + " 2\r\n 1935\r\nCaf\xE9 \x80\x93\x9F\r\n 3\xBD\"\r\nGr\xC3\xB6\xC3\x9F" "e\r\n\xEF\xBB\r\n",
       {0, 0, 0, 0, 1935, {{"Café €“Ÿ", " 3½\""}, {"Größe", "ï»"}}}},
      {"lines after the last pair are ignored", zeros + " 1\r\n 1935\r\nA\r\n1\r\nB\r\n2\r\n\r\nrubbish\0\r\n"s,
       {0, 0, 0, 0, 1935, {{"A", "1"}}}},
      {"NUL characters in texts are dropped", zeros + " 1\n 1935\nA\0B\n\0 1\"\n"s, {0, 0, 0, 0, 1935, {{"AB", " 1\""}}}},
  };
  for (const auto& c : cases) {
    const MemoryFileReadResult in = ReadMemoryFile(c.bytes);
    EXPECT_EQ(in.status, MemoryFileStatus::Ok) << c.what << ": " << in.reason;
    EXPECT_EQ(in.data, c.data) << c.what;
  }
}

TEST(TextDecoding, InvalidUtf8SequencesFallBackByteByByte) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"plain", "plain"},
      {"\xC0\xAF", "À¯"},                  // overlong
      {"\xED\xA0\x80", "í\u00A0€"},         // a surrogate is not UTF-8
      {"\xF4\x90\x80\x80", "ô\u0090€€"},    // beyond U+10FFFF
      {"\xE2\x82\xAC", "€"},               // well-formed stays
      {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf8OrWindows1252(c.bytes), c.text) << c.bytes;
}

TEST(TextDecoding, SplitLines) {
  EXPECT_EQ(SplitLines(""), std::vector<std::string_view>{});
  EXPECT_EQ(SplitLines("a\r\n"), std::vector<std::string_view>{"a"});
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF" "a\r\n\r\nb"), (std::vector<std::string_view>{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n\rb\r\r\n"), (std::vector<std::string_view>{"a", "", "b", ""}));
}

TEST(MemoryFileRead, AFileShorterThanItsCountKeepsTheCompletePairs) {
  const std::string head = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 3\r\n 1935\r\n";
  for (const std::string& tail : {"A\r\n1\r\nB\r\n2\r\n"s, "A\r\n1\r\nB\r\n2\r\nC\r\n"s}) {
    const MemoryFileReadResult in = ReadMemoryFile(head + tail);
    EXPECT_EQ(in.status, MemoryFileStatus::Incomplete);
    EXPECT_NE(in.reason.find('3'), std::string::npos) << in.reason;
    ASSERT_EQ(in.data.cells.size(), 2u);
    EXPECT_EQ(in.data.cells[1], (MemoryCell{"B", "2"}));
  }
}

TEST(MemoryFileRead, WhatIsNotAMemoryFileIsRefusedWithAReason) {
  const struct {
    const char* what;
    std::string bytes;
    const char* reasonHas;
  } cases[] = {
      {"empty", "", "six lines"},
      {"five lines", " 0\n 0\n 0\n 0\n 0\n", "six lines"},
      {"a text file", "Dear Sir,\nthank you\nfor\nyour\nletter\nof\nMay\n", "line 1"},
      {"a blank number line", " 0\n 0\n 0\n\n 0\n 0\n", "line 4"},
      {"a lone point", " 0\n 0\n 0\n 0\n .\n 0\n", "line 5"},
      {"a negative count", " 0\n 0\n 0\n 0\n-1\n 0\n", "line 5"},
      {"a count beyond 16 bits", " 0\n 0\n 0\n 0\n 40000\n 0\n", "line 5"},
      {"a width beyond 16 bits", " 0\n 0\n 0\n 0\n 0\n-32769\n", "line 6"},
      {"geometry beyond the limit", " 1e8\n 0\n 0\n 0\n 0\n 0\n", "line 1"},
      {"an infinite number", " 0\n 1e999\n 0\n 0\n 0\n 0\n", "line 2"},
      {"NUL bytes", " 0\n 0\n 0\0\0\n 0\n 0\n 0\n"s, "binary"},
      {"a binary file", "\x7F" "ELF\x02\x01\x01\0\0\0\n\x03\0>\0\n\n\n\n\n"s, "binary"},
  };
  for (const auto& c : cases) {
    const MemoryFileReadResult in = ReadMemoryFile(c.bytes);
    EXPECT_EQ(in.status, MemoryFileStatus::NotAMemoryFile) << c.what;
    EXPECT_NE(in.reason.find(c.reasonHas), std::string::npos) << c.what << ": " << in.reason;
    EXPECT_TRUE(in.data.cells.empty()) << c.what;
  }
}

TEST(MemoryFileRead, LargeFilesAreReadOrRefusedWithinASecond) {
  MemoryFileData many{0, 0, 9000, 9000, 1935, {}};
  for (int i = 0; i < 10000; ++i) many.cells.push_back({"Memory " + std::to_string(i + 1), " 1'- 0\" "});
  const std::string manyBytes = WriteMemoryFile(many).bytes;
  const std::string longName = " 0\n 0\n 0\n 0\n 1\n 1935\n" + std::string(1 << 20, 'n') + "\n 1\"\n";
  const std::string longNumber = std::string(1 << 20, '7') + "\n 0\n 0\n 0\n 0\n 0\n";
  const std::string nuls(1 << 20, '\0');

  const struct {
    const char* what;
    const std::string& bytes;
    MemoryFileStatus status;
    size_t cells;
  } cases[] = {
      {"10,000 cells", manyBytes, MemoryFileStatus::Ok, 10000},
      {"a 1 MB name", longName, MemoryFileStatus::Ok, 1},
      {"a 1 MB number", longNumber, MemoryFileStatus::NotAMemoryFile, 0},
      {"1 MB of NUL", nuls, MemoryFileStatus::NotAMemoryFile, 0},
  };
  for (const auto& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const MemoryFileReadResult in = ReadMemoryFile(c.bytes);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(in.status, c.status) << c.what;
    EXPECT_EQ(in.data.cells.size(), c.cells) << c.what;
    EXPECT_LT(elapsed, std::chrono::seconds(1)) << c.what;
  }
  EXPECT_EQ(ReadMemoryFile(manyBytes).data, many);
}

}  // namespace
}  // namespace mezura
