// Fuzzes reading old text files: DecodeUtf8OrWindows1252 and SplitLines on
// arbitrary bytes, checked against Qt's own decoders.
// Invariants: the decoded text is UTF-8 that Qt's decoder reads and
// re-encodes to the same bytes, and decoding it again changes nothing; text
// that already is UTF-8 comes out unchanged; ASCII bytes stay as they were,
// in order; bytes that cannot start UTF-8 read as Qt's Windows-1252 decoder
// reads them; the lines joined again by line feeds are the text with every
// line end written as a line feed, and no line holds a line end.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "storage/text_decoding.h"

namespace {

using namespace mezura;
using fuzz::Check;

std::string Ascii(std::string_view text) {
  std::string ascii;
  for (const char c : text)
    if (static_cast<uint8_t>(c) < 0x80) ascii += c;
  return ascii;
}

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// True when Qt's UTF-8 decoder reads the bytes without error and they encode
// back to themselves (a byte-order mark is kept as a character).
bool QtReadsAsUtf8(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  const QString text = utf8(Bytes(bytes));
  return !utf8.hasError() && text.toUtf8() == Bytes(bytes);
}

// Without lead bytes (0xC2-0xF4) there is no UTF-8 sequence to keep, and the
// five bytes the code page leaves undefined are decoded differently by
// different tables.
bool OnlyWindows1252(std::string_view bytes) {
  for (const char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    if ((b >= 0xC2 && b <= 0xF4) || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) return false;
  }
  return true;
}

// The text with its byte-order mark dropped and every line end a line feed.
std::string LineFeeds(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void CheckLines(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    Check(lines[i].find_first_of("\r\n") == std::string_view::npos, "a line holds a line end", lines[i]);
    if (i > 0) joined += '\n';
    joined += lines[i];
  }
  std::string expected = LineFeeds(text);
  // The last line's end is not a line of its own.
  const size_t ends = static_cast<size_t>(std::count(expected.begin(), expected.end(), '\n'));
  const bool openLast = !expected.empty() && expected.back() != '\n';
  Check(lines.size() == ends + (openLast ? 1 : 0), "line count", text);
  if (!openLast && !expected.empty()) expected.pop_back();
  Check(joined == expected, "lines do not join to the text", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string decoded = DecodeUtf8OrWindows1252(bytes);

  Check(QtReadsAsUtf8(decoded), "decoded text is not UTF-8", decoded);
  Check(DecodeUtf8OrWindows1252(decoded) == decoded, "decoding twice changes the text", decoded);
  Check(Ascii(decoded) == Ascii(bytes), "ASCII changed", decoded);
  if (QtReadsAsUtf8(bytes)) Check(decoded == bytes, "UTF-8 input changed", bytes);
  if (OnlyWindows1252(bytes)) {
    QStringDecoder windows1252("windows-1252");
    Check(windows1252.isValid(), "Qt has no Windows-1252 decoder");
    const QString qt = windows1252(Bytes(bytes));
    Check(!windows1252.hasError() && qt.toUtf8() == Bytes(decoded), "not read as Windows-1252", decoded);
  }

  CheckLines(bytes);
  CheckLines(decoded);
  return 0;
}
