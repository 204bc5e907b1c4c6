// A tape as clipboard text and as file contents (see the header).
#include "tape/tape_export.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "measure/measurement.h"
#include "tape/tape_line_value.h"
#include "tape/tape_print_text.h"
#include "tape/tape_store.h"

namespace mezura {
namespace {

constexpr std::string_view kCsvLineEnd = "\r\n";

// '.' whatever the locale, and the shortest digits that read back as the
// same double: what to_chars gives without a precision.
std::string CsvNumber(double value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return {};
  return std::string(buffer, end);
}

std::string_view UnitOf(const TapeLineValue& value) {
  if (value.plainNumber) return {};
  switch (value.dimension) {
    case Dimension::Square: return "sq in";
    case Dimension::Cubic: return "cu in";
    case Dimension::Linear: break;
  }
  return "in";
}

// A field quoted only where it must be: the inch mark is a double quote, so
// most measurements are.
void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string CsvContents(const TapeStore& store, int tape) {
  std::string out = "Line,Value,Unit";
  out += kCsvLineEnd;
  std::string_view previous;
  for (const int row : TapeLineRows(store, tape)) {
    const std::string_view line = store.Line(tape, row);
    AppendCsvField(out, TrimBlanks(line));
    out += ',';
    if (const std::optional<TapeLineValue> value = ReadTapeLineValue(line, previous)) {
      out += CsvNumber(value->value);
      out += ',';
      AppendCsvField(out, UnitOf(*value));
    } else {
      out += ',';
    }
    out += kCsvLineEnd;
    previous = line;
  }
  return out;
}

std::string TextContents(const TapeStore& store, int tape) {
  std::string out;
  for (const std::string& line : TapePrintText::For(store, tape).lines) {
    // Right-aligned lines end in their text; only the blank ones shrink.
    out += TrimTrailingBlanks(line);
    out += '\n';
  }
  return out;
}

}  // namespace

std::vector<int> TapeLineRows(const TapeStore& store, int tape) {
  std::vector<int> rows;
  if (tape < 0 || tape >= store.TapeSlots()) return rows;
  const int last = store.TapeRowCount(tape);
  rows.reserve(static_cast<std::size_t>(std::max(0, last)) + 1);
  if (!TrimBlanks(store.Line(tape, 0)).empty()) rows.push_back(0);
  for (int row = 1; row <= last; ++row) rows.push_back(row);
  return rows;
}

std::string TapeCopyText(const TapeStore& store, int tape, std::vector<int> rows) {
  if (tape < 0 || tape >= store.TapeSlots()) return {};
  if (rows.empty()) rows = TapeLineRows(store, tape);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::string out;
  bool first = true;
  for (const int row : rows) {
    if (row < 0 || row > store.TapeRowCount(tape)) continue;
    if (!first) out += '\n';
    first = false;
    out += TrimTrailingBlanks(store.Line(tape, row));
  }
  return out;
}

std::string TapeFileContents(const TapeStore& store, int tape, TapeFileFormat format) {
  if (tape < 0 || tape >= store.TapeSlots()) return {};
  return format == TapeFileFormat::Csv ? CsvContents(store, tape) : TextContents(store, tape);
}

}  // namespace mezura
