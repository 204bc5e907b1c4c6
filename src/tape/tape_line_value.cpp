// The value-line rule of the tape (see the header).
#include "tape/tape_line_value.h"

#include <algorithm>
#include <array>
#include <string>

#include "measure/outside_text.h"

namespace mezura {
namespace {

// What the writers put before the measurement on a line: the operation keys'
// symbols, the memory transfers' signs, the formulas' labels.
constexpr std::array<std::string_view, 4> kOperations = {"+ ", "- ", "x ", "/ "};
constexpr std::array<std::string_view, 2> kTransfers = {" + ", " - "};
// The labelled figures of the diagonal and the stairs: the label says what
// the figure is, so it decides even after a separator.
constexpr std::array<std::string_view, 9> kLabels = {"Side1 = ",  "Side2 = ", "Rise = ",  "Run = ",     "Risers = ",
                                                     "Riser = ",  "Treads = ", "Tread = ", "Stringer = "};

template <std::size_t N>
bool StripPrefix(std::string_view& text, const std::array<std::string_view, N>& prefixes) {
  for (const std::string_view prefix : prefixes) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      return true;
    }
  }
  return false;
}

// The measurement written on a line, before it is read.
std::string_view ValueText(std::string_view line, std::string_view previous) {
  const std::string_view trimmed = TrimBlanks(line);
  if (std::string_view labelled = trimmed; StripPrefix(labelled, kLabels)) return labelled;
  // A result keeps its sign: "- 3\"" after a separator is minus three inches.
  if (IsTapeSeparator(previous)) return trimmed;
  std::string_view text = line;
  // Transfers are the only lines that start with a blank and a sign.
  if (StripPrefix(text, kTransfers)) return text;
  text = trimmed;
  // An operation follows the operand it works on; a line at the top of the
  // tape or after a clear starts a calculation, so "- 5" there is minus five.
  if (!TrimBlanks(previous).empty() && StripPrefix(text, kOperations)) return text;
  return trimmed;
}

bool HasMark(std::string_view text) {
  return text.find('\'') != std::string_view::npos || text.find('"') != std::string_view::npos;
}

}  // namespace

bool IsTapeSeparator(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return !trimmed.empty() && std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c == '-'; });
}

std::optional<std::string> TapeLineValueText(std::string_view line, std::string_view previous) {
  if (IsTapeSeparator(line)) return std::nullopt;
  // The same rule as for any text from outside the engine: titles, "Clear"
  // and "SQT" are refused because they are not measurements.
  return ReadOutsideText(ValueText(line, previous));
}

std::optional<TapeLineValue> ReadTapeLineValue(std::string_view line, std::string_view previous) {
  const std::optional<std::string> text = TapeLineValueText(line, previous);
  if (!text) return std::nullopt;
  TapeLineValue value;
  value.dimension = DimensionOf(*text);
  value.value = ParseByDimension(*text);
  if (value.value == 0) value.value = 0.0;  // no "-0" for "- 0\""
  value.plainNumber = value.dimension == Dimension::Linear && !HasMark(*text);
  return value;
}

}  // namespace mezura
